#include "dicom/ProcessProgram.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <exception>

namespace qv {

namespace {

constexpr qsizetype kMaxErrorBytes = 64 * 1024;

// Why a program did not start, in words the person can act on (Qt's own text is English).
QString startFehler(const QString &program)
{
    const QString pfad = program.contains(u'/') ? program : QStandardPaths::findExecutable(program);
    const QFileInfo info(pfad);
    if (pfad.isEmpty() || !info.exists())
        return QStringLiteral("Das Programm wurde nicht gefunden.");
    if (!info.isFile() || !info.isExecutable())
        return QStringLiteral("Die Datei ist kein ausführbares Programm.");
    return QStringLiteral("Das System hat den Start abgelehnt.");
}

} // namespace

ProgramOutput ProcessProgram::run(const QString &program, const QStringList &arguments, const RunLimits &limits,
                                  const OutputSink &sink)
{
    ProgramOutput result;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setInputChannelMode(QProcess::ManagedInputChannel);

    QEventLoop loop;
    QTimer idle;
    idle.setSingleShot(true);
    idle.setInterval(limits.idleTimeoutMs);
    bool timedOut = false;
    bool tooMuch = false;
    bool stopped = false;
    bool failedToStart = false;
    // Nothing may be thrown through Qt's event loop: a failure while taking the output (the
    // sink's, or memory running out) ends the run and is thrown again after it.
    std::exception_ptr failure;

    auto takeOutput = [&] {
        try {
            const QByteArray piece = process.readAllStandardOutput();
            if (stopped || tooMuch || failure)
                return; // the run is being ended: what it still prints is not wanted
            if (sink) {
                if (!piece.isEmpty() && !sink(piece)) {
                    stopped = true;
                    process.kill();
                }
                return;
            }
            if (result.out.size() + piece.size() > limits.maxOutputBytes) {
                tooMuch = true;
                process.kill();
                return;
            }
            result.out += piece;
        } catch (...) {
            failure = std::current_exception();
            process.kill();
        }
    };
    auto takeError = [&] {
        const QByteArray more = process.readAllStandardError();
        if (result.err.size() < kMaxErrorBytes)
            result.err += more.left(kMaxErrorBytes - result.err.size());
    };
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &loop, [&] {
        takeOutput();
        idle.start();
    });
    QObject::connect(&process, &QProcess::readyReadStandardError, &loop, takeError);
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            failedToStart = true;
            loop.quit();
        }
    });
    QObject::connect(&idle, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        process.kill();
    });

    process.start(program, arguments, QIODevice::ReadOnly);
    if (!failedToStart) {
        process.closeWriteChannel();
        idle.start();
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (failedToStart) {
        result.status = ProgramOutput::Status::NotStarted;
        result.message = startFehler(program);
        return result;
    }
    takeOutput();
    takeError();
    if (failure)
        std::rethrow_exception(failure);
    result.exitCode = process.exitCode();
    if (stopped)
        result.status = ProgramOutput::Status::Stopped;
    else if (tooMuch)
        result.status = ProgramOutput::Status::TooMuchOutput;
    else if (timedOut)
        result.status = ProgramOutput::Status::TimedOut;
    else if (process.exitStatus() == QProcess::CrashExit)
        result.status = ProgramOutput::Status::Crashed;
    else
        result.status = ProgramOutput::Status::Finished;
    return result;
}

} // namespace qv
