#include "cli/CliCommand.h"

#include "config/Datenbank.h"
#include "config/MdbDatei.h"
#include "config/MdbImport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qv::cli {

// mdb-import EIN.mdb ZIEL: copies the tables the program knows from an Access file into a
// database file or a PostgreSQL database (ZIEL is then a connection text).
int runMdbImport(const QStringList &args, Streams &io)
{
    if (args.size() != 2) {
        io.err << "Aufruf: quellvantar-cli mdb-import EIN.mdb ZIEL\n";
        return 2;
    }
    MdbDatei mdb;
    if (auto ok = mdb.oeffnen(args[0]); !ok) {
        io.err << ok.error() << '\n';
        return 1;
    }
    auto vorhanden = mdb.tabellen();
    if (!vorhanden) {
        io.err << vorhanden.error() << '\n';
        return 1;
    }
    QStringList zuKopieren;
    for (const QString &t : bekannteTabellen()) {
        if (vorhanden->contains(t))
            zuKopieren << t;
    }
    if (zuKopieren.isEmpty()) {
        io.err << "Die Access-Datei " << QDir::toNativeSeparators(args[0]) << " enthält keine der Tabellen "
               << bekannteTabellen().join(QStringLiteral(", ")) << " (vorhanden: " << vorhanden->join(QStringLiteral(", "))
               << ").\n";
        return 1;
    }

    // A new database file gets all tables; a server database, which must exist, gets the
    // imported tables it lacks. Everything is imported in one transaction.
    const bool server = Datenbank::istServerVerbindung(args[1]);
    const QString schema = datenbankSchema(QStringLiteral("BPRdb.sql")) + u'\n' + datenbankSchema(QStringLiteral("TesBS.sql"));
    const bool neu = !server && !QFileInfo::exists(args[1]);
    if (neu) {
        if (auto ok = Datenbank::erzeugen(args[1], schema); !ok) {
            io.err << ok.error() << '\n';
            return 1;
        }
    }
    Datenbank ziel;
    if (auto ok = ziel.oeffnen(args[1]); !ok) {
        io.err << ok.error() << '\n';
        return 1;
    }
    for (const QString &t : bekannteTabellen()) {
        if (!zuKopieren.contains(t))
            io.err << "Hinweis: Die Tabelle " << t << " fehlt in der Access-Datei; sie bleibt unverändert.\n";
    }
    auto anzahlen = importiere(mdb, zuKopieren, ziel, schema);
    if (!anzahlen) {
        io.err << anzahlen.error() << '\n';
        ziel.schliessen();
        if (neu)
            QFile::remove(args[1]);
        return 1;
    }
    for (const auto &[tabelle, anzahl] : *anzahlen)
        io.out << "Tabelle " << tabelle << ": " << anzahl << " Zeilen übernommen\n";
    return 0;
}

} // namespace qv::cli
