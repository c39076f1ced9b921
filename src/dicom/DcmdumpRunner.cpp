#include "dicom/DcmdumpRunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace qv {

QString FindDcmdump(const QString &programFolder)
{
    const QFileInfo beside(QDir(programFolder).filePath(QStringLiteral("dcmdump")));
    if (beside.isFile() && beside.isExecutable())
        return beside.absoluteFilePath();
    return QStandardPaths::findExecutable(QStringLiteral("dcmdump"));
}

DcmdumpRunner::DcmdumpRunner(ExternalProgram &program, QString dcmdump, RunLimits limits)
    : m_program(program), m_dcmdump(std::move(dcmdump)), m_limits(limits)
{
}

void DcmdumpRunner::setChunkLimits(qsizetype files, qsizetype bytes)
{
    m_chunkFiles = std::max<qsizetype>(1, files);
    m_chunkBytes = std::max<qsizetype>(1, bytes);
}

namespace {

/// The header line that dcmdump +F prints before the file at `position` (from 1) of `count`.
QByteArray fileHeader(qsizetype position, qsizetype count, const QString &file)
{
    return "\n# dcmdump (" + QByteArray::number(position) + '/' + QByteArray::number(count) + "): " +
           QFile::encodeName(file) + '\n';
}

} // namespace

Result<QList<std::optional<QByteArray>>> DcmdumpRunner::DumpEach(const QStringList &files, const QStringList &options,
                                                                 const std::function<void(qsizetype)> &progress)
{
    QList<std::optional<QByteArray>> dumps(files.size());
    qsizetype next = 0;
    while (next < files.size()) {
        // One chunk: as many files as the limits allow, at least one.
        QStringList chunk;
        qsizetype bytes = 0;
        while (next + chunk.size() < files.size() && chunk.size() < m_chunkFiles) {
            const QString &file = files[next + chunk.size()];
            bytes += QFile::encodeName(file).size() + 1;
            if (!chunk.isEmpty() && bytes > m_chunkBytes)
                break;
            chunk.append(file);
        }
        const QStringList arguments = QStringList{QStringLiteral("+F")} + options + chunk;
        const ProgramOutput run = m_program.run(m_dcmdump, arguments, m_limits);
        if (run.status == ProgramOutput::Status::NotStarted)
            return Error{QStringLiteral("dcmdump konnte nicht gestartet werden (%1): %2")
                             .arg(QDir::toNativeSeparators(m_dcmdump), run.message)};

        // Find the headers from the back: a header text inside a file's values can then only
        // disturb that file's own dump. The leading line feed anchors each header at a line start.
        const QByteArray output = '\n' + run.out;
        const qsizetype n = chunk.size();
        QList<qsizetype> start(n, -1);
        QList<qsizetype> end(n, -1);
        qsizetype bound = output.size();
        for (qsizetype k = n - 1; k >= 0; --k) {
            const QByteArray header = fileHeader(k + 1, n, chunk[k]);
            const qsizetype from = bound - header.size();
            const qsizetype at = from >= 0 ? output.lastIndexOf(header, from) : -1;
            if (at < 0)
                continue;
            start[k] = at + header.size();
            end[k] = bound;
            bound = at;
        }
        // A run that ended normally has printed every file. Otherwise the last file whose header
        // appeared was being read when the run stopped: it counts as unreadable, and the files
        // after it run again.
        const bool complete = run.status == ProgramOutput::Status::Finished;
        qsizetype current = -1;
        for (qsizetype k = 0; k < n; ++k) {
            if (start[k] >= 0)
                current = k;
        }
        qsizetype done = n;
        if (!complete)
            done = current >= 0 ? current + 1 : 1;
        for (qsizetype k = 0; k < done; ++k) {
            if (start[k] >= 0 && (complete || k != current))
                dumps[next + k] = output.mid(start[k], end[k] - start[k]);
        }
        next += done;
        if (progress)
            progress(next);
    }
    return dumps;
}

} // namespace qv
