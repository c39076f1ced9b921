#include "cli/CliCommand.h"

namespace qv::cli {

int runKunde(const QStringList &, Streams &io)
{
    io.err << "kunde: noch nicht verfügbar\n";
    return 1;
}

} // namespace qv::cli
