#pragma once

#include "base/Result.h"
#include "dicom/ExternalProgram.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace qv {

/// dcmdump from the program folder if it lies there, else from PATH; empty if there is none.
QString FindDcmdump(const QString &programFolder);

/// Makes the text dumps of DICOM files with dcmdump. Many files share one run: +F prints a
/// header "# dcmdump (i/n): NAME" before each file, which splits the output again, so each file
/// gets exactly the text that a run of its own would have printed.
class DcmdumpRunner
{
public:
    DcmdumpRunner(ExternalProgram &program, QString dcmdump, RunLimits limits = {});

    /// The dump of each file with the given options (e.g. "+L"); a file that dcmdump cannot read,
    /// or that stalls or floods its run, gives no dump. Fails only when dcmdump cannot be started.
    /// `progress` is told how many files are done after each run.
    Result<QList<std::optional<QByteArray>>> DumpEach(const QStringList &files, const QStringList &options,
                                                      const std::function<void(qsizetype)> &progress = {});

    /// Largest number of files and of argument bytes in one run.
    void setChunkLimits(qsizetype files, qsizetype bytes);

private:
    ExternalProgram &m_program;
    QString m_dcmdump;
    RunLimits m_limits;
    qsizetype m_chunkFiles = 500;
    qsizetype m_chunkBytes = 96 * 1024;
};

} // namespace qv
