#pragma once

#include "base/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace qv {

// Every function here takes names in the form of FileNames.h, so a name that is not UTF-8
// reaches the file system byte for byte, and every message names the file once, in German.

/// Writes a new file in pieces to a temporary file beside the target and renames it over the
/// target only when every byte is on disk: a failed or abandoned write leaves the old file as it
/// was and no temporary file behind. A writer that was killed cannot clean up: the next write
/// of the same target removes the temporary files no running writer holds. A target that exists and is not a regular file (a folder,
/// a device, a FIFO) is refused; a symbolic link is followed and its target replaced. A file
/// that is replaced keeps its permissions.
class AtomicWriter
{
public:
    /// Without syncToDisk the data are not flushed to the disk before the rename (for files that
    /// can be made again, where the flush would cost more than the work).
    explicit AtomicWriter(QString path, bool syncToDisk = true);
    ~AtomicWriter();
    AtomicWriter(const AtomicWriter &) = delete;
    AtomicWriter &operator=(const AtomicWriter &) = delete;

    Result<void> open();
    Result<void> write(QByteArrayView data);
    /// Flushes to disk and renames; after a failure the target is unchanged.
    Result<void> commit();

private:
    void discard();
    void releaseLock();
    Error failure(const QString &what, int errorNumber) const;

    QString m_path;
    QByteArray m_target;    // the file that is replaced, symbolic links resolved
    QByteArray m_temporary; // empty when there is none
    int m_fd = -1;
    int m_lockFd = -1; // holds the temporary file's lock: a running writer's file is never removed
    int m_mode = -1; // permissions of the replaced file, -1 for a new file
    bool m_syncToDisk = true;
};

/// Writes the whole content atomically (see AtomicWriter).
Result<void> writeFileAtomically(const QString &path, QByteArrayView content);

/// Reads a whole regular file: as many bytes as it holds, refusing files larger than maxSize
/// before allocating. A folder, FIFO or device is refused without blocking; running out of
/// memory is an error value, never an abort.
Result<QByteArray> readWholeFile(const QString &path, qint64 maxSize);

/// Opens a regular file for reading, with the checks of readWholeFile; the caller closes the
/// descriptor (QFile::open(fd, …, QFileDevice::AutoCloseHandle) does).
Result<int> openFileForReading(const QString &path);

/// Whether two names (symbolic links followed) are the same existing file: the same file
/// system object, also through hard links, symbolic links or "..".
bool sameFile(const QString &a, const QString &b);

/// What a path names (symbolic links followed): nothing, a regular file, or something else.
enum class PathKind { Missing, RegularFile, Folder, Other };
PathKind pathKind(const QString &path);

} // namespace qv
