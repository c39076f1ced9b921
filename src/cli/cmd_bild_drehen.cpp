#include "cli/CliCommand.h"

namespace qv::cli {

int runBildDrehen(const QStringList &, Streams &io)
{
    io.err << "bild-drehen: noch nicht verfügbar\n";
    return 1;
}

} // namespace qv::cli
