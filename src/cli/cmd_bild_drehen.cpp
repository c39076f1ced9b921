#include "cli/CliCommand.h"

#include "base/AtomicWriter.h"
#include "base/Numbers.h"
#include "base/image/BmpEncoder.h"
#include "base/image/ImageIO.h"
#include "workspace/TBilddrehung.h"

#include <QBuffer>
#include <QImage>

#include <cmath>

namespace qv::cli {

namespace {

enum class Ausgabe { Bmp, Jpeg, Png };

Ausgabe ausgabeFuer(const QString &pfad)
{
    if (pfad.endsWith(u".bmp", Qt::CaseInsensitive))
        return Ausgabe::Bmp;
    if (pfad.endsWith(u".jpg", Qt::CaseInsensitive) || pfad.endsWith(u".jpeg", Qt::CaseInsensitive))
        return Ausgabe::Jpeg;
    return Ausgabe::Png;
}

} // namespace

// bild-drehen EIN AUS WINKEL: turns a template image as the rotation dialog does (degrees,
// positive = counter-clockwise) and writes BMP when AUS ends in ".bmp", JPEG for ".jpg" and
// ".jpeg", PNG otherwise. Exit codes: 0 done, 1 reading, turning or writing failed, 2 wrong
// arguments.
int runBildDrehen(const QStringList &args, Streams &io)
{
    if (args.size() != 3) {
        io.err << "Aufruf: quellvantar-cli bild-drehen EIN AUS WINKEL\n";
        return 2;
    }
    QString winkelText = args[2];
    winkelText.replace(u'.', u',');
    const std::optional<double> winkel = parseDecimal(winkelText);
    if (!winkel || !std::isfinite(*winkel)) {
        io.err << "Der Winkel ist keine Zahl: " << args[2] << '\n';
        return 2;
    }

    QImage gedreht;
    {
        // A 24-bit BMP stays in its file's byte order from reading to writing: no conversion
        // on the way. The source is let go before writing.
        const Result<QImage> bild = readTemplateImage24(args[0]);
        if (!bild) {
            io.err << "Das Bild konnte nicht einlgelesen werden.\n" << bild.error() << '\n';
            return 1;
        }
        // What cannot be read again is not written at all.
        const QSize groesse = GedrehtGroesse(bild->size(), *winkel);
        if (!imageSizeAllowed(groesse.width(), groesse.height())) {
            io.err << "Das Bild kann nicht gedreht werden.\n" << imageTooLargeText(groesse.width(), groesse.height()) << '\n';
            return 1;
        }
        gedreht = Gedreht(*bild, *winkel);
    }
    if (gedreht.isNull()) {
        io.err << "Das Bild konnte nicht gedreht werden: Es ist nicht genug Arbeitsspeicher frei.\n";
        return 1;
    }

    Result<void> geschrieben;
    switch (ausgabeFuer(args[1])) {
    case Ausgabe::Bmp:
        geschrieben = writeBmp24(gedreht, args[1]);
        break;
    case Ausgabe::Jpeg: {
        const QByteArray jpeg = encodeJpeg(gedreht);
        geschrieben = jpeg.isEmpty() ? Result<void>(Error{QStringLiteral("Das JPEG-Bild konnte nicht erzeugt werden.")})
                                     : writeFileAtomically(args[1], jpeg);
        break;
    }
    case Ausgabe::Png: {
        QByteArray png;
        QBuffer puffer(&png);
        puffer.open(QIODevice::WriteOnly);
        geschrieben = gedreht.save(&puffer, "PNG") ? writeFileAtomically(args[1], png)
                                                   : Result<void>(Error{QStringLiteral("Das PNG-Bild konnte nicht erzeugt werden.")});
        break;
    }
    }
    if (!geschrieben) {
        io.err << "Das Bild konnte nicht geschrieben werden.\n" << geschrieben.error() << '\n';
        return 1;
    }
    io.out << gedreht.width() << " x " << gedreht.height() << '\n';
    return 0;
}

} // namespace qv::cli
