#include "cli/CliCommand.h"

#include "config/Datenbank.h"
#include "config/MdbDatei.h"
#include "config/MdbImport.h"

#include <QDir>
#include <QFileInfo>

namespace qv::cli {

// mdb-import EIN.mdb AUS.sqlite: copies the tables the program knows from an Access file.
// A missing AUS.sqlite is created with all known tables first.
int runMdbImport(const QStringList &args, Streams &io)
{
    if (args.size() != 2) {
        io.err << "Aufruf: quellvantar-cli mdb-import EIN.mdb AUS.sqlite\n";
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

    if (!QFileInfo::exists(args[1])) {
        const QString schema = datenbankSchema(QStringLiteral("BPRdb.sql")) + u'\n' + datenbankSchema(QStringLiteral("TesBS.sql"));
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
    int fehler = 0;
    for (const QString &t : bekannteTabellen()) {
        if (!zuKopieren.contains(t)) {
            io.err << "Hinweis: Die Tabelle " << t << " fehlt in der Access-Datei; sie bleibt unverändert.\n";
            continue;
        }
        auto tabelle = mdb.lesen(t);
        if (!tabelle) {
            io.err << tabelle.error() << '\n';
            ++fehler;
            continue;
        }
        auto anzahl = kopiereTabelle(*tabelle, ziel, t);
        if (!anzahl) {
            io.err << anzahl.error() << '\n';
            ++fehler;
            continue;
        }
        io.out << "Tabelle " << t << ": " << *anzahl << " Zeilen übernommen\n";
    }
    return fehler ? 1 : 0;
}

} // namespace qv::cli
