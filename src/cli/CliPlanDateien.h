#pragma once

#include "cli/CliCommand.h"
#include "planimport/BPRDatei.h"

#include <QString>

#include <optional>

namespace qv {
class TBPRDM;
} // namespace qv

namespace qv::cli {

/// Opens the format database of the program folder and reads the planning-system file with
/// it. nullopt after a message on io.err (exit 1): the database cannot be opened, the file
/// cannot be read, or it belongs to no known planning system.
std::optional<BPRDateiInhalt> BPRDateiLesen(const QString &datei, const ProgramFolders &ordner, TBPRDM &dm, Streams &io);

/// dcmdump from the program folder or the search path; empty after a message on io.err (exit 1).
QString DcmdumpSuchen(Streams &io);

} // namespace qv::cli
