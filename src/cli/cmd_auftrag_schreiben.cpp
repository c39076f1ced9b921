#include "cli/CliAuftrag.h"
#include "cli/CliCommand.h"

#include "base/AtomicWriter.h"
#include "base/UtilsUnit.h"
#include "base/image/ImageIO.h"
#include "order/AuftragAusJson.h"
#include "order/OrderFile.h"
#include "order/TAuftrag.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonParseError>

namespace qv::cli {

namespace {
// A JSON summary of an order is a few megabytes at most (11 contours of 10001 points).
constexpr qint64 kMaxJsonGroesse = 64 * 1024 * 1024;
} // namespace

// auftrag-schreiben EIN.json BILD AUS.ORv: an order file from the JSON that "info" prints and a
// template image; "info" on the result prints every given value back.
int runAuftragSchreiben(const QStringList &args, Streams &io)
{
    const char *aufruf = "Aufruf: quellvantar-cli auftrag-schreiben EIN.json BILD AUS.ORv\n";
    if (HilfeGewuenscht(args)) {
        io.out << aufruf;
        return 0;
    }
    QStringList dateien, optionen;
    if (!TrenneArgumente(args, {}, dateien, optionen) || dateien.size() != 3) {
        io.err << aufruf;
        return 2;
    }
    const QString &jsonPfad = dateien[0];
    const QString &bildPfad = dateien[1];
    const QString &ausPfad = dateien[2];

    if (AusgabeIstEingabe(ausPfad, {jsonPfad, bildPfad}, io))
        return 1;

    const Result<QByteArray> text = readWholeFile(jsonPfad, kMaxJsonGroesse);
    if (!text) {
        io.err << text.error() << '\n';
        return 1;
    }
    QJsonParseError fehler;
    const QJsonDocument json = QJsonDocument::fromJson(*text, &fehler);
    if (!json.isObject()) {
        io.err << "Die Datei " << QDir::toNativeSeparators(jsonPfad) << " enthält kein JSON-Objekt"
               << (fehler.error != QJsonParseError::NoError ? QStringLiteral(": ") + fehler.errorString() : QString())
               << '\n';
        return 1;
    }
    TAuftrag auftrag;
    if (const Result<void> r = AuftragAusJson(json.object(), auftrag); !r) {
        io.err << r.error() << '\n';
        return 1;
    }

    Result<QImage> bild = readTemplateImage(bildPfad);
    if (!bild) {
        io.err << "Das Bild " << QDir::toNativeSeparators(bildPfad) << " kann nicht gelesen werden: " << bild.error()
               << '\n';
        return 1;
    }
    auftrag.Vorlage = std::move(*bild);

    const Result<QByteArray> datei = encodeOrderFile(auftrag, VersionsText());
    if (!datei) {
        io.err << datei.error() << '\n';
        return 1;
    }
    // A target that is not a regular file is refused; a symbolic link is replaced at its target.
    if (const Result<void> r = writeFileAtomically(ausPfad, *datei); !r) {
        io.err << r.error() << '\n';
        return 1;
    }
    return 0;
}

} // namespace qv::cli
