#include "cli/CliCommand.h"

#include "base/IniFile.h"
#include "config/ArchivEinstellungen.h"
#include "config/TDatamodule_TesBs.h"

#include <QCoreApplication>
#include <QDir>

namespace qv::cli {

namespace {

const char *const kAufruf = "Aufruf: quellvantar-cli kunde-plz PLZ [--datenbank ZIEL]\n"
                            "  ZIEL: eine Datenbankdatei oder eine PostgreSQL-Verbindung (postgresql://... oder service=NAME);\n"
                            "  ohne --datenbank die Einstellung Init/KundenDatenbank in QuellvantarIni.ini beim Programm.\n";

} // namespace

// kunde-plz PLZ [--datenbank ZIEL]: the lookup of the export. Prints the customer's short
// designation (exit 0) or the not-found text (exit 1); when the database could not answer,
// the reason goes to stderr as well.
int runKundePlz(const QStringList &args, Streams &io)
{
    QString plz;
    QString ziel;
    bool plzGesehen = false;
    bool zielGesehen = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == u"--help" || a == u"-h") {
            io.out << kAufruf;
            return 0;
        }
        if (a == u"--datenbank" || a.startsWith(QLatin1String("--datenbank="))) {
            if (zielGesehen || (a == u"--datenbank" && i + 1 >= args.size())) {
                io.err << kAufruf;
                return 2;
            }
            ziel = a == u"--datenbank" ? args[++i] : a.mid(int(sizeof("--datenbank=")) - 1);
            zielGesehen = true;
        } else if (a.startsWith(QLatin1String("--")) || plzGesehen) {
            io.err << kAufruf;
            return 2;
        } else {
            plz = a;
            plzGesehen = true;
        }
    }
    if (!plzGesehen || (zielGesehen && ziel.trimmed().isEmpty())) {
        io.err << kAufruf;
        return 2;
    }
    if (!zielGesehen)
        ziel = kundenDatenbankPfad(IniFile(programFolders().personal(QStringLiteral("QuellvantarIni.ini"))));

    TDatamodule_TesBs modul(ziel);
    const KundenSuche s = modul.KundeZurPLZ(plz);
    if (s.ausgang == KundenSuche::Ausgang::Datenbankfehler)
        io.err << s.grund << '\n';
    if (const QString hinweis = s.hinweis(plz); !hinweis.isEmpty())
        io.err << hinweis << '\n';
    io.out << s.text(plz) << '\n';
    return s.gefunden() ? 0 : 1;
}

} // namespace qv::cli
