#pragma once

#include "base/Result.h"
#include "dicom/ExternalProgram.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace qv {

/// dcmdump from the program folder if it lies there, else from PATH; empty if there is none.
QString FindDcmdump(const QString &programFolder);

/// What dcmdump gave for one file: the text a run of its own would have printed, or why there
/// is none.
struct FileDump
{
    enum class Failure {
        None,
        Unreadable,  ///< dcmdump printed nothing for it (not a DICOM file, damaged, gone)
        TooLarge,    ///< its dump alone is larger than the limit of text held at once
        Stalled,     ///< dcmdump stopped printing while reading it
        Crashed,     ///< dcmdump died while reading it
        OutOfMemory, ///< its dump did not fit into memory
    };
    Failure failure = Failure::None;
    QByteArray dump;
};

/// German reason why `file` gave no dump ("Die Datei … "), for the list of files left out.
QString DumpFehlerText(FileDump::Failure failure, const QString &file, qint64 maxDumpBytes);

/// Makes the text dumps of DICOM files with dcmdump. dcmdump is always asked to quote control
/// characters and markup in values (+Qn): every element is then exactly one line, and no value
/// can print a line that reads as an element, an item or a file header.
///
/// Many files share one run: +F prints a header "# dcmdump (i/n): NAME" before each file, which
/// splits the output again, so each file gets exactly the text that a run of its own would have
/// printed. The output is read as it arrives; only the dumps of two files are held at once. A
/// run that is cut (too much text held, stalled, crashed) or whose headers are not exactly the
/// expected ones is never trusted for the files it was printing: they are dumped again one file
/// per run, without headers, and only such a run decides that a file gives no dump.
class DcmdumpRunner
{
public:
    using Sink = std::function<void(qsizetype index, FileDump dump)>;

    DcmdumpRunner(ExternalProgram &program, QString dcmdump, RunLimits limits = {});

    /// Dumps each file with the given options (e.g. "+L") and hands every file's result to
    /// `sink` once, in the order of `files`, as soon as it is known. Fails only when dcmdump
    /// cannot be started. `progress` is told how many files are done after each run.
    [[nodiscard]] Result<void> DumpEach(const QStringList &files, const QStringList &options, const Sink &sink,
                                        const std::function<void(qsizetype)> &progress = {});

    /// Largest number of files and of argument bytes in one run.
    void setChunkLimits(qsizetype files, qsizetype bytes);

    /// Largest amount of dump text held at once (the dumps of the file being printed and of the
    /// one before it); one file's dump beyond it is left out.
    void setMaxDumpBytes(qint64 bytes);
    qint64 maxDumpBytes() const { return m_maxDumpBytes; }

private:
    ExternalProgram &m_program;
    QString m_dcmdump;
    RunLimits m_limits;
    qsizetype m_chunkFiles = 500;
    qsizetype m_chunkBytes = 96 * 1024;
    qint64 m_maxDumpBytes = qint64(512) << 20;
};

} // namespace qv
