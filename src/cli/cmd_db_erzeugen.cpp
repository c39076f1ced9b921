#include "cli/CliCommand.h"

#include "base/AtomicFile.h"
#include "config/Datenbank.h"

namespace qv::cli {

// db-erzeugen SCHEMA.sql AUS.sqlite: a database file from its schema text (used by the build).
int runDbErzeugen(const QStringList &args, Streams &io)
{
    if (args.size() != 2) {
        io.err << "Aufruf: quellvantar-cli db-erzeugen SCHEMA.sql AUS.sqlite\n";
        return 2;
    }
    auto schema = readWholeFile(args[0], 16 * 1024 * 1024);
    if (!schema) {
        io.err << schema.error() << '\n';
        return 1;
    }
    if (auto ok = Datenbank::erzeugen(args[1], QString::fromUtf8(*schema)); !ok) {
        io.err << ok.error() << '\n';
        return 1;
    }
    return 0;
}

} // namespace qv::cli
