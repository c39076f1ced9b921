#include "cli/CliAuftrag.h"
#include "cli/CliCommand.h"

#include "base/AtomicWriter.h"
#include "base/FileNames.h"
#include "base/IniFile.h"
#include "config/TKonfiguration.h"
#include "order/OrderDocument.h"
#include "workspace/AuftragsVorschau.h"

#include <QBuffer>

#include <sys/stat.h>

namespace qv::cli {

namespace {

const char *const kAufruf = "Aufruf: quellvantar-cli vorschau AUFTRAG.ORv AUS.png [GROESSE]\n";

// A configuration file is a few kilobytes; anything near this is not one.
constexpr qint64 kMaxKonfigGroesse = 16 * 1024 * 1024;

// Whether both names lead to the same file (links and "..", not the spelling, decide).
bool dieselbeDatei(const QString &a, const QString &b)
{
    struct stat sa {};
    struct stat sb {};
    return ::stat(encodeFileName(a).constData(), &sa) == 0 && ::stat(encodeFileName(b).constData(), &sb) == 0
           && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

std::optional<TKonfiguration> konfigurationLesen(Streams &io)
{
    const QString pfad = programFolders().personalCopyOrShipped(QStringLiteral("QuellvantarConfig.cfg"));
    const Result<QByteArray> inhalt = readWholeFile(pfad, kMaxKonfigGroesse);
    if (!inhalt) {
        io.err << "Die Konfigurationsdatei " << fileNameForDisplay(pfad) << " konnte nicht gelesen werden\n"
               << inhalt.error() << '\n';
        return std::nullopt;
    }
    IniFile ini{QString()};
    ini.parse(*inhalt);
    TKonfiguration konfig;
    konfig.Laden(ini);
    return konfig;
}

} // namespace

// vorschau AUFTRAG.ORv AUS.png [GROESSE]: the order as the workspace paints it, as a PNG that
// fits into GROESSE × GROESSE pixels (256 when not given); the desktop's thumbnailer runs it.
int runVorschau(const QStringList &args, Streams &io)
{
    if (HilfeGewuenscht(args)) {
        io.out << kAufruf;
        return 0;
    }
    QStringList dateien, optionen;
    if (!TrenneArgumente(args, {}, dateien, optionen) || dateien.size() < 2 || dateien.size() > 3) {
        io.err << kAufruf;
        return 2;
    }
    int groesse = 256;
    if (dateien.size() == 3) {
        bool ok = false;
        groesse = dateien[2].toInt(&ok);
        if (!ok || groesse < 1 || groesse > kVorschauMaxGroesse) {
            io.err << "Die Größe " << dateien[2] << " ist keine ganze Zahl von 1 bis " << kVorschauMaxGroesse << ".\n"
                   << kAufruf;
            return 2;
        }
    }
    const QString &ein = dateien[0];
    const QString &aus = dateien[1];
    if (dieselbeDatei(ein, aus)) {
        io.err << "Die Vorschau kann nicht in die Auftragsdatei " << fileNameForDisplay(ein)
               << " selbst geschrieben werden.\n";
        return 1;
    }

    const std::unique_ptr<OrderDocument> doc = LadeAuftrag(ein, io);
    if (!doc)
        return 1;
    const TAuftrag &auftrag = doc->Auftrag;
    std::optional<TRahmenUeberlagerung> rahmen;
    if (istElektronenAuftrag(auftrag.Auftragsart)) {
        const std::optional<TKonfiguration> konfig = konfigurationLesen(io);
        if (!konfig)
            return 1;
        rahmen = VorschauRahmen(auftrag, *konfig);
    }
    const QImage bild = AuftragsVorschau(auftrag, rahmen, groesse);
    QByteArray png;
    QBuffer puffer(&png);
    puffer.open(QIODevice::WriteOnly);
    if (bild.isNull() || !bild.save(&puffer, "PNG")) {
        io.err << "Die Vorschau konnte nicht erzeugt werden.\n";
        return 1;
    }
    if (const Result<void> r = writeFileAtomically(aus, png); !r) {
        io.err << "Die Vorschau konnte nicht geschrieben werden.\n" << r.error() << '\n';
        return 1;
    }
    return 0;
}

} // namespace qv::cli
