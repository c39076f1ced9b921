#include "cli/CliCommand.h"

#include "base/FileNames.h"
#include "base/UtilsUnit.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QTextStream>

#include <cstdio>
#include <memory>
#include <new>

namespace qv {
namespace {

struct Command
{
    const char *name;
    const char *usage;
    qv::cli::CommandFn run;
};

// Subcommands, one function each.
constexpr Command kCommands[] = {
    {"info", "info DATEI.ORv", qv::cli::runInfo},
    {"auftrag-schreiben", "auftrag-schreiben EIN.json BILD AUS.ORv", qv::cli::runAuftragSchreiben},
    {"kunde", "kunde [DATEI]", qv::cli::runKunde},
    {"mdb-import", "mdb-import EIN.mdb ZIEL", qv::cli::runMdbImport},
    {"bild-drehen", "bild-drehen EIN AUS WINKEL", qv::cli::runBildDrehen},
    {"kunde-schreiben", "kunde-schreiben EIN.json AUS.cfg", qv::cli::runKundeSchreiben},
    {"db-erzeugen", "db-erzeugen [--ersetzen] SCHEMA.sql [ZEILEN.sql ...] AUS.sqlite", qv::cli::runDbErzeugen},
    {"export-cif", "export-cif AUFTRAG.ORv AUS.cif [--ja]", qv::cli::runExportCif},
    {"export-ply", "export-ply AUFTRAG.ORv AUS.ply", qv::cli::runExportPly},
    {"dicom", "dicom VERZEICHNIS", qv::cli::runDicom},
    {"drucken", "drucken auftrag AUFTRAG.ORv AUS.pdf | drucken kunde (Kunde.cfg | AUFTRAG.ORv) AUS.pdf", qv::cli::runDrucken},
    {"bpr", "bpr DATEI [--bpr-konfig N] [--kunde Kunde.cfg]", qv::cli::runBpr},
    {"kunde-plz", "kunde-plz PLZ [--datenbank ZIEL]", qv::cli::runKundePlz},
    {"rahmen", "rahmen [--konfiguration CFG] AUFTRAG.ORv", qv::cli::runRahmen},
    {"dicom-auftrag", "dicom-auftrag PLAN.dcm BEAMINDEX AUS.ORv [--art photonen|elektronen] [--kunde Kunde.cfg]",
     qv::cli::runDicomAuftrag},
    {"bpr-auftrag", "bpr-auftrag DATEI POSITION AUS.ORv [--bpr-konfig N] [--art photonen|elektronen] [--kunde Kunde.cfg]",
     qv::cli::runBprAuftrag},
    {"struktur", "struktur PLAN.dcm BEAMINDEX STRUKTURSET.dcm ROINAME [--rand MM]", qv::cli::runStruktur},
    {"struktur-auftrag",
     "struktur-auftrag PLAN.dcm BEAMINDEX STRUKTURSET.dcm ROINAME AUS.ORv [--rand MM] [--art photonen|elektronen] "
     "[--kunde Kunde.cfg]",
     qv::cli::runStrukturAuftrag},
    {"vorschau", "vorschau AUFTRAG.ORv AUS.png [GROESSE]", qv::cli::runVorschau},
};

void usage(QTextStream &to)
{
    to << "Aufruf: quellvantar-cli --version\n"
       << "       quellvantar-cli --help\n";
    for (const Command &c : kCommands) {
        if (c.name)
            to << "       quellvantar-cli " << c.usage << '\n';
    }
}

} // namespace
} // namespace qv

qv::ProgramFolders qv::cli::programFolders()
{
    return qv::ProgramFolders::forExecutableFolder(QCoreApplication::applicationDirPath());
}

int main(int argc, char *argv[])
{
    using namespace qv;
    // Printing lays out text, which needs the font database of a GUI application; without a
    // display it renders offscreen.
    // The imports draw the ruler image with its labels.
    const bool mitSchriften = argc > 1 && (qstrcmp(argv[1], "drucken") == 0 || qstrcmp(argv[1], "dicom-auftrag") == 0
                                           || qstrcmp(argv[1], "bpr-auftrag") == 0
                                           || qstrcmp(argv[1], "struktur-auftrag") == 0
                                           || qstrcmp(argv[1], "vorschau") == 0);
    if (mitSchriften) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Standard error carries the command's own verdict, not Qt's notes about the session.
        QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false"));
    }
    const std::unique_ptr<QCoreApplication> app =
        mitSchriften ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);

    // File names reach the file system byte for byte, whatever the locale: straight from argv.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << qv::decodeFileName(QByteArray(argv[i]));
    if (args.isEmpty()) {
        usage(err);
        return 2;
    }
    const QString name = args.takeFirst();
    if (name == u"--version" || name == u"-v") {
        out << "quellvantar-cli " << qv::VersionsText() << '\n';
        return 0;
    }
    if (name == u"--help" || name == u"-h") {
        usage(out);
        return 0;
    }
    qv::cli::Streams io{out, err};
    for (const Command &c : kCommands) {
        if (c.name && name == QLatin1String(c.name)) {
            if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
                out << "Aufruf: quellvantar-cli " << c.usage << '\n';
                return 0;
            }
            try {
                return c.run(args, io);
            } catch (const std::bad_alloc &) {
                // Whatever a reader or decoder did not catch itself: a message, never an abort.
                err << "Nicht genug Arbeitsspeicher frei.\n";
                return 1;
            }
        }
    }
    err << "Unbekannter Befehl: " << qv::fileNameForDisplay(name) << '\n';
    usage(err);
    return 2;
}
