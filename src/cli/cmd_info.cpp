#include "cli/CliCommand.h"

namespace qv::cli {

int runInfo(const QStringList &, Streams &io)
{
    io.err << "info: noch nicht verfügbar\n";
    return 1;
}

} // namespace qv::cli
