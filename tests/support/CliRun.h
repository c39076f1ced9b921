#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

class QProcess;

namespace qv::test {

/// What a finished run of a program gave back: its exit code and both output streams as bytes.
struct CliRun
{
    /// How to start the program, beyond its arguments.
    struct Options
    {
        QString workingDirectory;                       ///< empty: the test's own
        std::optional<QProcessEnvironment> environment; ///< unset: the test's own
        QByteArray input;                               ///< given on standard input, which then ends

        static Options inFolder(const QString &folder)
        {
            Options o;
            o.workingDirectory = folder;
            return o;
        }
        static Options withEnvironment(const QProcessEnvironment &environment)
        {
            Options o;
            o.environment = environment;
            return o;
        }
        static Options withInput(const QByteArray &input)
        {
            Options o;
            o.input = input;
            return o;
        }
    };

    /// The program's exit code; -1 when it did not end by itself (a crash, a timeout, no start).
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    QString outText() const { return QString::fromUtf8(out); }
    QString errText() const { return QString::fromUtf8(err); }
    /// Standard output read as one JSON object (empty when it is none).
    QJsonObject json() const;
};

/// The command-line tool in the build folder.
QString cliPath();

/// Runs the command-line tool with these arguments and waits for it.
CliRun runCli(const QStringList &args, const CliRun::Options &options = {});

/// Runs any program (a shell around the tool, a copy of it elsewhere) and waits for it. A program
/// that cannot start, is still running after two minutes (it is killed), or crashes fails the test.
CliRun runProgram(const QString &program, const QStringList &args, const CliRun::Options &options = {});

/// Waits for a program a test started itself (to run several side by side) and collects what
/// it gave back, failing the test as runProgram does.
CliRun finishRun(QProcess &process);

} // namespace qv::test
