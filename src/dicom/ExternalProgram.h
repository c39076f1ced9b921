#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <functional>

namespace qv {

/// Limits of one run of an outside program.
struct RunLimits
{
    /// A run that prints nothing on its standard output for this long is ended.
    int idleTimeoutMs = 30000;
    /// A run whose standard output, kept in ProgramOutput::out, grows beyond this is ended.
    /// Output handed to a sink is not kept and not counted: the sink decides how much it takes.
    qint64 maxOutputBytes = qint64(512) << 20;
};

/// Takes the standard output of a run piece by piece as it arrives; returning false ends the run.
using OutputSink = std::function<bool(QByteArrayView piece)>;

/// What one run of an outside program gave.
struct ProgramOutput
{
    enum class Status {
        Finished,      ///< ended by itself (any exit code)
        Crashed,       ///< ended by a signal
        TimedOut,      ///< ended by us after RunLimits::idleTimeoutMs without output
        TooMuchOutput, ///< ended by us at RunLimits::maxOutputBytes
        Stopped,       ///< ended by us because the sink asked for it
        NotStarted,    ///< could not be started; `message` says why
    };
    Status status = Status::NotStarted;
    int exitCode = 0;
    QByteArray out; ///< standard output up to the end of the run, unless a sink took it
    QByteArray err; ///< standard error, kept apart (the start of it)
    QString message;
};

/// The seam to outside programs: started directly with an argument list (no shell, no batch
/// file, no work files). Standard output goes to the sink when one is given, else it is kept in
/// memory. Tests put a fake behind it.
class ExternalProgram
{
public:
    virtual ~ExternalProgram() = default;
    virtual ProgramOutput run(const QString &program, const QStringList &arguments, const RunLimits &limits,
                              const OutputSink &sink = {}) = 0;
};

} // namespace qv
