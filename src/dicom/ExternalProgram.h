#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace qv {

/// Limits of one run of an outside program.
struct RunLimits
{
    /// A run that prints nothing on its standard output for this long is ended.
    int idleTimeoutMs = 30000;
    /// A run whose standard output grows beyond this is ended.
    qint64 maxOutputBytes = qint64(512) << 20;
};

/// What one run of an outside program gave.
struct ProgramOutput
{
    enum class Status {
        Finished,      ///< ended by itself (any exit code)
        Crashed,       ///< ended by a signal
        TimedOut,      ///< ended by us after RunLimits::idleTimeoutMs without output
        TooMuchOutput, ///< ended by us at RunLimits::maxOutputBytes
        NotStarted,    ///< could not be started; `message` says why
    };
    Status status = Status::NotStarted;
    int exitCode = 0;
    QByteArray out; ///< standard output, complete up to the end of the run
    QByteArray err; ///< standard error, kept apart (the start of it)
    QString message;
};

/// The seam to outside programs: started directly with an argument list (no shell, no batch
/// file, no work files), standard output captured in memory. Tests put a fake behind it.
class ExternalProgram
{
public:
    virtual ~ExternalProgram() = default;
    virtual ProgramOutput run(const QString &program, const QStringList &arguments, const RunLimits &limits) = 0;
};

} // namespace qv
