#include "cli/CliCommand.h"

#include "base/AtomicFile.h"
#include "base/Numbers.h"
#include "base/image/ImageIO.h"
#include "workspace/Bilddrehung.h"
#include "workspace/BmpSchreiber.h"

#include <QBuffer>
#include <QImage>

#include <cmath>

namespace qv::cli {

// bild-drehen EIN AUS WINKEL: turns a template image as the rotation dialog does (degrees,
// positive = counter-clockwise) and writes BMP when AUS ends in ".bmp", PNG otherwise.
// Exit codes: 0 done, 1 reading, turning or writing failed, 2 wrong arguments.
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
            io.err << "Das Bild konnte nicht einlgelesen werden. " << args[0] << ": " << bild.error() << '\n';
            return 1;
        }
        gedreht = Gedreht(*bild, *winkel);
    }
    if (gedreht.isNull()) {
        io.err << "Das Bild konnte nicht gedreht werden (zu wenig Speicher).\n";
        return 1;
    }

    Result<void> geschrieben;
    if (args[1].endsWith(u".bmp", Qt::CaseInsensitive)) {
        geschrieben = writeBmp24(gedreht, args[1]);
    } else {
        QByteArray png;
        QBuffer puffer(&png);
        puffer.open(QIODevice::WriteOnly);
        if (!gedreht.save(&puffer, "PNG"))
            geschrieben = Error{QStringLiteral("PNG konnte nicht erzeugt werden.")};
        else
            geschrieben = writeFileAtomically(args[1], png);
    }
    if (!geschrieben) {
        io.err << "Das Bild konnte nicht geschrieben werden: " << args[1] << ": " << geschrieben.error() << '\n';
        return 1;
    }
    io.out << gedreht.width() << " x " << gedreht.height() << '\n';
    return 0;
}

} // namespace qv::cli
