#include "support/CliRun.h"

#include "support/TestData.h"
#include "support/TestFailure.h"

#include <QDir>
#include <QJsonDocument>
#include <QProcess>

namespace qv::test {

namespace {

// Generous: the slowest runs take seconds, and several times that under the sanitizers.
constexpr int kTimeoutMs = 120'000;

QString commandLine(const QProcess &process)
{
    return (QStringList{process.program()} + process.arguments()).join(u' ');
}

} // namespace

QJsonObject CliRun::json() const
{
    return QJsonDocument::fromJson(out).object();
}

QString cliPath()
{
    return QDir(buildDir()).filePath(QStringLiteral("quellvantar-cli"));
}

CliRun runCli(const QStringList &args, const CliRun::Options &options)
{
    return runProgram(cliPath(), args, options);
}

CliRun runProgram(const QString &program, const QStringList &args, const CliRun::Options &options)
{
    QProcess process;
    if (!options.workingDirectory.isEmpty())
        process.setWorkingDirectory(options.workingDirectory);
    if (options.environment)
        process.setProcessEnvironment(*options.environment);
    process.start(program, args);
    if (process.waitForStarted(kTimeoutMs)) {
        if (!options.input.isEmpty())
            process.write(options.input);
        process.closeWriteChannel();
    }
    return finishRun(process);
}

CliRun finishRun(QProcess &process)
{
    if (process.state() != QProcess::NotRunning && !process.waitForFinished(kTimeoutMs)
        && process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        failCurrentTest(QStringLiteral("still running after %1 s, killed: %2").arg(kTimeoutMs / 1000).arg(commandLine(process)));
        return {-1, process.readAllStandardOutput(), process.readAllStandardError()};
    }
    if (process.error() == QProcess::FailedToStart) {
        failCurrentTest(QStringLiteral("could not start %1: %2").arg(commandLine(process), process.errorString()));
        return {};
    }
    CliRun run{-1, process.readAllStandardOutput(), process.readAllStandardError()};
    if (process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    else
        failCurrentTest(QStringLiteral("crashed (signal %1): %2\n%3").arg(process.exitCode()).arg(commandLine(process), run.errText()));
    return run;
}

} // namespace qv::test
