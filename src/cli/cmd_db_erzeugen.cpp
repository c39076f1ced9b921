#include "cli/CliCommand.h"

#include "base/AtomicFile.h"
#include "config/Datenbank.h"

namespace qv::cli {

// db-erzeugen SCHEMA.sql [ZEILEN.sql ...] AUS.sqlite: a database file from its schema text and
// the texts of its rows, in this order (used by the build).
int runDbErzeugen(const QStringList &args, Streams &io)
{
    if (args.size() < 2) {
        io.err << "Aufruf: quellvantar-cli db-erzeugen SCHEMA.sql [ZEILEN.sql ...] AUS.sqlite\n";
        return 2;
    }
    QString sql;
    for (qsizetype i = 0; i + 1 < args.size(); ++i) {
        auto text = readWholeFile(args[i], 16 * 1024 * 1024);
        if (!text) {
            io.err << text.error() << '\n';
            return 1;
        }
        sql += QString::fromUtf8(*text) + u'\n';
    }
    if (auto ok = Datenbank::erzeugen(args.last(), sql); !ok) {
        io.err << ok.error() << '\n';
        return 1;
    }
    return 0;
}

} // namespace qv::cli
