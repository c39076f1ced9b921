#pragma once

#include "dicom/ExternalProgram.h"

namespace qv {

/// Runs outside programs with QProcess. While a run lasts, the calling thread's events are
/// processed (the window stays painted); a caller with a window must lock it against re-entry.
/// An exception thrown by the sink ends the run and is thrown again once the program has ended,
/// never through the event loop.
class ProcessProgram final : public ExternalProgram
{
public:
    ProgramOutput run(const QString &program, const QStringList &arguments, const RunLimits &limits,
                      const OutputSink &sink = {}) override;
};

} // namespace qv
