#include "dicom/DcmdumpRunner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <new>

namespace qv {

QString FindDcmdump(const QString &programFolder)
{
    const QFileInfo beside(QDir(programFolder).filePath(QStringLiteral("dcmdump")));
    if (beside.isFile() && beside.isExecutable())
        return beside.absoluteFilePath();
    return QStandardPaths::findExecutable(QStringLiteral("dcmdump"));
}

QString DumpFehlerText(FileDump::Failure failure, const QString &file, qint64 maxDumpBytes)
{
    const QString name = QDir::toNativeSeparators(file);
    switch (failure) {
    case FileDump::Failure::None:
        break;
    case FileDump::Failure::Unreadable:
        return QStringLiteral("Die Datei %1 kann nicht als DICOM-Datei gelesen werden.").arg(name);
    case FileDump::Failure::TooLarge: {
        const QString grenze = maxDumpBytes % (1 << 20) == 0 ? QStringLiteral("%1 MB").arg(maxDumpBytes >> 20)
                                                             : QStringLiteral("%1 KB").arg(maxDumpBytes >> 10);
        return QStringLiteral("Die Datei %1 ergibt mit dcmdump mehr als %2 Text und wird nicht gelesen.").arg(name, grenze);
    }
    case FileDump::Failure::Stalled:
        return QStringLiteral("dcmdump hat beim Lesen der Datei %1 nichts mehr ausgegeben und wurde beendet.").arg(name);
    case FileDump::Failure::Crashed:
        return QStringLiteral("dcmdump ist beim Lesen der Datei %1 abgestürzt.").arg(name);
    case FileDump::Failure::OutOfMemory:
        return QStringLiteral("Für die Datei %1 reicht der Arbeitsspeicher nicht aus.").arg(name);
    }
    return {};
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

void DcmdumpRunner::setMaxDumpBytes(qint64 bytes)
{
    m_maxDumpBytes = std::max<qint64>(1, bytes);
}

namespace {

/// Control characters, non-ASCII bytes and the markup characters of values are printed as
/// entities ("&#13;", "&amp;"): a value never breaks its line.
const QStringList kQuoted{QStringLiteral("+Qn")};

/// The start of every header line that dcmdump +F prints, with the line feed before it.
const QByteArray kHeaderStart = "\n# dcmdump (";

/// The header line that dcmdump +F prints before the file at `position` (from 1) of `count`,
/// with the line feed that ends the text before it.
QByteArray fileHeader(qsizetype position, qsizetype count, const QString &file)
{
    return "\n# dcmdump (" + QByteArray::number(position) + '/' + QByteArray::number(count) + "): " +
           QFile::encodeName(file) + '\n';
}

FileDump dumpOrUnreadable(QByteArray text)
{
    FileDump d;
    if (text.isEmpty())
        d.failure = FileDump::Failure::Unreadable;
    else
        d.dump = std::move(text);
    return d;
}

FileDump failed(FileDump::Failure failure)
{
    FileDump d;
    d.failure = failure;
    return d;
}

/// Reads the output of one run as it arrives. With headers, a file's text is handed out only
/// once the next file's header has come and its text held no stray header line either: a file
/// is held until then. Without headers the run printed one file, all of its output.
class RunReader
{
public:
    using Deliver = std::function<void(qsizetype, FileDump)>;

    RunReader(const QStringList &files, bool headers, qint64 maxHeld, Deliver deliver)
        : m_files(files), m_headers(headers), m_maxHeld(maxHeld), m_deliver(std::move(deliver))
    {
        if (m_headers)
            m_text = "\n"; // the first header then starts like every other
        else
            m_current = 0;
    }

    /// The sink of the run: false ends it.
    bool take(QByteArrayView piece)
    {
        if (m_stop)
            return false;
        try {
            m_text.append(piece);
            if (m_headers && !findHeaders())
                m_stop = true;
            else if (m_held.size() + m_text.size() > m_maxHeld)
                m_full = m_stop = true;
        } catch (const std::bad_alloc &) {
            m_outOfMemory = true;
            m_stop = true;
        }
        return !m_stop;
    }

    /// Decides what the run gave once it has ended.
    void finish(ProgramOutput::Status status)
    {
        if (!m_headers) {
            m_decided = 1;
            if (m_outOfMemory)
                m_deliver(0, failed(FileDump::Failure::OutOfMemory));
            else if (m_full || status == ProgramOutput::Status::TooMuchOutput)
                m_deliver(0, failed(FileDump::Failure::TooLarge));
            else if (status == ProgramOutput::Status::TimedOut)
                m_deliver(0, failed(FileDump::Failure::Stalled));
            else if (status == ProgramOutput::Status::Crashed)
                m_deliver(0, failed(FileDump::Failure::Crashed));
            else
                m_deliver(0, dumpOrUnreadable(std::move(m_text)));
            return;
        }
        // A header line cut off at the very end is a header that never came whole.
        if (!m_stop && m_text.indexOf(kHeaderStart, m_scan) >= 0)
            m_untrusted = true;
        // Text where no header came at all: the headers were not the expected ones.
        if (!m_stop && m_current < 0 && m_text != "\n" && !m_text.isEmpty())
            m_untrusted = true;
        const bool clean = status == ProgramOutput::Status::Finished && !m_stop && !m_untrusted;
        if (clean) {
            if (m_current >= 0) {
                hold(m_current, std::move(m_text));
                m_deliver(m_heldIndex, dumpOrUnreadable(std::move(m_held)));
            }
            // dcmdump printed no header for these.
            for (qsizetype k = m_current + 1; k < m_files.size(); ++k)
                m_deliver(k, failed(FileDump::Failure::Unreadable));
            m_decided = m_files.size();
            return;
        }
        // Nothing is trusted from the held file on: a stray header may have cut it, and a cut
        // run may have stopped in the middle of the file it was printing.
        m_decided = m_heldIndex >= 0 ? m_heldIndex : std::max<qsizetype>(m_current, 0);
        if (m_untrusted)
            m_redoUntil = m_files.size();
        else
            m_redoUntil = std::max(m_current + 1, m_decided + 1);
    }

    /// Files of the run that are decided, from the first.
    qsizetype decided() const { return m_decided; }
    /// The files from decided() up to this one are to be dumped again, one file per run.
    qsizetype redoUntil() const { return m_redoUntil; }

private:
    /// Splits off the text of each file whose next header has come. False when a header line
    /// is not exactly the one expected next (untrusted) or a file's text does not fit (full).
    bool findHeaders()
    {
        for (;;) {
            const qsizetype at = m_text.indexOf(kHeaderStart, m_scan);
            if (at < 0) {
                m_scan = std::max<qsizetype>(m_scan, m_text.size() - (kHeaderStart.size() - 1));
                return true;
            }
            const qsizetype next = m_current + 1;
            if (next >= m_files.size()) {
                m_untrusted = true;
                return false;
            }
            const QByteArray expected = fileHeader(next + 1, m_files.size(), m_files[next]);
            const QByteArrayView seen = QByteArrayView(m_text).sliced(at);
            if (seen.size() < expected.size()) {
                if (!QByteArrayView(expected).startsWith(seen)) {
                    m_untrusted = true;
                    return false;
                }
                m_scan = at; // the rest of the header is still to come
                return true;
            }
            if (!seen.startsWith(expected)) {
                m_untrusted = true;
                return false;
            }
            if (m_current < 0 && at > 0) {
                m_untrusted = true; // text before the first header
                return false;
            }
            if (m_held.size() + at > m_maxHeld) {
                m_full = true;
                return false;
            }
            QByteArray before = m_text.left(at);
            m_text.remove(0, at + expected.size());
            m_scan = 0;
            if (m_current >= 0)
                hold(m_current, std::move(before));
            m_current = next;
        }
    }

    void hold(qsizetype index, QByteArray text)
    {
        if (m_heldIndex >= 0)
            m_deliver(m_heldIndex, dumpOrUnreadable(std::move(m_held)));
        m_heldIndex = index;
        m_held = std::move(text);
    }

    const QStringList &m_files;
    const bool m_headers;
    const qint64 m_maxHeld;
    Deliver m_deliver;
    QByteArray m_text;    ///< the text of the file being printed, from after its header
    qsizetype m_scan = 0; ///< where in m_text the search for header lines goes on
    qsizetype m_current = -1;
    qsizetype m_heldIndex = -1;
    QByteArray m_held;
    bool m_stop = false;
    bool m_untrusted = false;
    bool m_full = false;
    bool m_outOfMemory = false;
    qsizetype m_decided = 0;
    qsizetype m_redoUntil = 0;
};

} // namespace

Result<void> DcmdumpRunner::DumpEach(const QStringList &files, const QStringList &options, const Sink &sink,
                                     const std::function<void(qsizetype)> &progress)
{
    qsizetype next = 0;
    qsizetype singleUntil = 0;
    while (next < files.size()) {
        const bool single = next < singleUntil;
        QStringList chunk;
        if (single) {
            chunk.append(files[next]);
        } else {
            // One chunk: as many files as the limits allow, at least one.
            qsizetype bytes = 0;
            while (next + chunk.size() < files.size() && chunk.size() < m_chunkFiles) {
                const QString &file = files[next + chunk.size()];
                bytes += QFile::encodeName(file).size() + 1;
                if (!chunk.isEmpty() && bytes > m_chunkBytes)
                    break;
                chunk.append(file);
            }
        }
        const QStringList arguments = (single ? QStringList() : QStringList{QStringLiteral("+F")}) + kQuoted + options + chunk;
        const qsizetype first = next;
        RunReader reader(chunk, !single, m_maxDumpBytes,
                         [&](qsizetype k, FileDump dump) { sink(first + k, std::move(dump)); });
        const ProgramOutput run =
            m_program.run(m_dcmdump, arguments, m_limits, [&](QByteArrayView piece) { return reader.take(piece); });
        if (run.status == ProgramOutput::Status::NotStarted)
            return Error{QStringLiteral("dcmdump konnte nicht gestartet werden (%1): %2")
                             .arg(QDir::toNativeSeparators(m_dcmdump), run.message)};
        reader.finish(run.status);
        if (reader.redoUntil() > reader.decided())
            singleUntil = first + reader.redoUntil();
        next = first + reader.decided();
        if (progress)
            progress(next);
    }
    return {};
}

} // namespace qv
