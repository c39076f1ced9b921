#include "cli/CliCommand.h"

namespace qv::cli {

int runMdbImport(const QStringList &, Streams &io)
{
    io.err << "mdb-import: noch nicht verfügbar\n";
    return 1;
}

} // namespace qv::cli
