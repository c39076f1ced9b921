#include "base/AtomicWriter.h"

#include "base/FileNames.h"

#include <QList>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <new>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qv {

namespace {

QString shown(const QString &path)
{
    return fileNameForDisplay(path);
}

// What a non-regular file is, for "… ist keine normale Datei, sondern …".
QString kindText(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("ein Ordner");
    if (S_ISFIFO(mode))
        return QStringLiteral("eine Pipe (FIFO)");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("ein Gerät");
    if (S_ISSOCK(mode))
        return QStringLiteral("ein Socket");
    return QStringLiteral("kein Dateiinhalt");
}

QString notRegularText(const QString &path, mode_t mode)
{
    return QStringLiteral("\"%1\" ist keine normale Datei, sondern %2.").arg(shown(path), kindText(mode));
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

// Follows symbolic links to the file they finally name (which need not exist yet).
Result<QByteArray> resolveLinks(const QString &path, QByteArray target)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(target.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return target;
        QByteArray link(PATH_MAX, Qt::Uninitialized);
        const ssize_t n = ::readlink(target.constData(), link.data(), size_t(link.size()));
        if (n < 0 || n >= link.size())
            break;
        link.truncate(n);
        target = link.startsWith('/') ? link : folderOf(target) + '/' + link;
    }
    return Error{QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden. %2")
                     .arg(shown(path), systemErrorText(ELOOP))};
}

ssize_t readSome(int fd, char *buffer, size_t size)
{
    ssize_t n;
    do
        n = ::read(fd, buffer, size);
    while (n < 0 && errno == EINTR);
    return n;
}

// Temporary files are named "<target>.~qv<letters>.tmp", and their writer holds an exclusive
// lock on them for as long as it runs; the lock ends with the process, also after kill -9.
constexpr char kTemporaryMark[] = ".~qv";

bool isOurTemporary(const QByteArray &name, const QByteArray &targetName)
{
    const QByteArray prefix = targetName + kTemporaryMark;
    if (!name.startsWith(prefix) || !name.endsWith(".tmp"))
        return false;
    const QByteArray middle = name.mid(prefix.size(), name.size() - prefix.size() - 4);
    if (middle.isEmpty() || middle.size() > 13)
        return false;
    for (char c : middle) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z')))
            return false;
    }
    return true;
}

// Removes the temporary files of earlier writes of target that no running writer holds: their
// writers ended (crashed, killed, or the disk filled) before they could clean up.
void removeStaleTemporaries(const QByteArray &target)
{
    const QByteArray folder = folderOf(target);
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray targetName = slash < 0 ? target : target.mid(slash + 1);
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    QList<QByteArray> stale;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (isOurTemporary(name, targetName))
            stale.append(folder + '/' + name);
    }
    ::closedir(dir);
    for (const QByteArray &path : std::as_const(stale)) {
        const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY);
        if (fd < 0)
            continue;
        struct stat st;
        // Only while holding its lock: a writer that still runs holds it and keeps its file.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode))
            ::unlink(path.constData());
        ::close(fd);
    }
}

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

AtomicWriter::AtomicWriter(QString path, bool syncToDisk) : m_path(std::move(path)), m_syncToDisk(syncToDisk) {}

AtomicWriter::~AtomicWriter()
{
    discard();
}

Error AtomicWriter::failure(const QString &what, int errorNumber) const
{
    return Error{QStringLiteral("Die Datei \"%1\" %2. %3").arg(shown(m_path), what, systemErrorText(errorNumber))};
}

void AtomicWriter::discard()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporary.isEmpty())
        ::unlink(m_temporary.constData());
    m_temporary.clear();
    releaseLock();
}

void AtomicWriter::releaseLock()
{
    if (m_lockFd >= 0)
        ::close(m_lockFd);
    m_lockFd = -1;
}

Result<void> AtomicWriter::open()
{
    discard();
    if (m_path.isEmpty())
        return Error{QStringLiteral("Es wurde kein Dateiname angegeben.")};
    auto target = resolveLinks(m_path, encodeFileName(m_path));
    if (!target)
        return Error{target.error()};
    m_target = *target;

    struct stat st;
    if (::stat(m_target.constData(), &st) == 0) {
        // Renaming over a device or FIFO would replace it with a regular file.
        if (!S_ISREG(st.st_mode))
            return Error{notRegularText(m_path, st.st_mode) + QStringLiteral(" Sie wird nicht überschrieben.")};
        m_mode = int(st.st_mode & 07777);
    } else if (errno != ENOENT) {
        return failure(QStringLiteral("kann nicht geschrieben werden"), errno);
    }

    removeStaleTemporaries(m_target);

    // A name of our own in the target's folder (rename only works within one file system);
    // 0666 lets the umask decide the permissions of a new file, as for any other.
    const QByteArray base = m_target + kTemporaryMark;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray candidate = base + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        const int fd = ::open(candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return failure(QStringLiteral("kann nicht geschrieben werden"), errno);
        // The lock lives on a descriptor of its own, so it is held until the rename is done,
        // after the data descriptor has been closed.
        const int lockFd = ::open(candidate.constData(), O_RDONLY | O_CLOEXEC);
        struct stat own;
        if (lockFd < 0 || ::flock(lockFd, LOCK_EX) != 0 || ::fstat(lockFd, &own) != 0 || own.st_nlink == 0) {
            // Another write's clean-up took the file between its creation and the lock.
            const int e = lockFd < 0 ? errno : 0;
            if (lockFd >= 0)
                ::close(lockFd);
            ::close(fd);
            if (e != 0) {
                ::unlink(candidate.constData());
                return failure(QStringLiteral("kann nicht geschrieben werden"), e);
            }
            continue;
        }
        m_fd = fd;
        m_lockFd = lockFd;
        m_temporary = candidate;
        break;
    }
    if (m_fd < 0)
        return failure(QStringLiteral("kann nicht geschrieben werden"), EEXIST);
    if (m_mode >= 0 && ::fchmod(m_fd, mode_t(m_mode)) != 0) {
        const int e = errno;
        discard();
        return failure(QStringLiteral("kann nicht geschrieben werden"), e);
    }
    return {};
}

Result<void> AtomicWriter::write(QByteArrayView data)
{
    if (m_fd < 0)
        return Error{QStringLiteral("Die Datei \"%1\" ist nicht zum Schreiben geöffnet.").arg(shown(m_path))};
    const char *p = data.data();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(m_fd, p, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int e = n < 0 ? errno : EIO;
            discard();
            return failure(QStringLiteral("konnte nicht vollständig geschrieben werden"), e);
        }
        p += n;
        left -= n;
    }
    return {};
}

Result<void> AtomicWriter::commit()
{
    if (m_fd < 0)
        return Error{QStringLiteral("Die Datei \"%1\" ist nicht zum Schreiben geöffnet.").arg(shown(m_path))};
    // Some file systems report a full disk only here.
    if (m_syncToDisk && ::fsync(m_fd) != 0 && errno != EINVAL) {
        const int e = errno;
        discard();
        return failure(QStringLiteral("konnte nicht vollständig geschrieben werden"), e);
    }
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) {
        const int e = errno;
        discard();
        return failure(QStringLiteral("konnte nicht vollständig geschrieben werden"), e);
    }
    if (::rename(m_temporary.constData(), m_target.constData()) != 0) {
        const int e = errno;
        discard();
        return failure(QStringLiteral("konnte nicht gespeichert werden"), e);
    }
    m_temporary.clear();
    releaseLock();
    return {};
}

bool sameFile(const QString &a, const QString &b)
{
    struct stat sa;
    struct stat sb;
    if (a.isEmpty() || b.isEmpty() || ::stat(encodeFileName(a).constData(), &sa) != 0 ||
        ::stat(encodeFileName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

Result<void> writeFileAtomically(const QString &path, QByteArrayView content)
{
    AtomicWriter writer(path);
    if (auto ok = writer.open(); !ok)
        return ok;
    if (auto ok = writer.write(content); !ok)
        return ok;
    return writer.commit();
}

namespace {

Error cannotRead(const QString &path, int errorNumber)
{
    if (errorNumber == ENOENT)
        return Error{QStringLiteral("Die Datei \"%1\" wurde nicht gefunden.").arg(shown(path))};
    return Error{QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden. %2").arg(shown(path), systemErrorText(errorNumber))};
}

} // namespace

Result<int> openFileForReading(const QString &path)
{
    if (path.isEmpty())
        return Error{QStringLiteral("Es wurde kein Dateiname angegeben.")};
    const QByteArray name = encodeFileName(path);
    // Asked before opening: opening a FIFO would wait for a writer, opening a device may act.
    struct stat st;
    if (::stat(name.constData(), &st) != 0)
        return cannotRead(path, errno);
    if (!S_ISREG(st.st_mode))
        return Error{notRegularText(path, st.st_mode)};
    // Non-blocking in case it was swapped for a FIFO in between; checked again below.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return cannotRead(path, errno);
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const Error e = S_ISREG(st.st_mode) ? cannotRead(path, errno) : Error{notRegularText(path, st.st_mode)};
        ::close(fd);
        return e;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

Result<QByteArray> readWholeFile(const QString &path, qint64 maxSize)
{
    auto opened = openFileForReading(path);
    if (!opened)
        return Error{opened.error()};
    const FileDescriptor fd(*opened);
    struct stat st;
    if (::fstat(fd.get(), &st) != 0)
        return cannotRead(path, errno);
    const auto tooLarge = [&](qint64 size) {
        return Error{QStringLiteral("Die Datei \"%1\" ist zu groß (%2 Bytes, höchstens %3).").arg(shown(path)).arg(size).arg(maxSize)};
    };
    if (st.st_size > maxSize)
        return tooLarge(st.st_size);

    try {
        // Only what the file holds; it may still grow or shrink while it is read.
        QByteArray data(qsizetype(st.st_size), Qt::Uninitialized);
        qsizetype got = 0;
        while (got < data.size()) {
            const ssize_t n = readSome(fd.get(), data.data() + got, size_t(data.size() - got));
            if (n < 0)
                return cannotRead(path, errno);
            if (n == 0)
                break;
            got += n;
        }
        if (got == data.size()) {
            char more[64 * 1024];
            while (true) {
                const ssize_t n = readSome(fd.get(), more, sizeof more);
                if (n < 0)
                    return cannotRead(path, errno);
                if (n == 0)
                    break;
                if (got + n > maxSize)
                    return tooLarge(got + n);
                data.append(more, n);
                got += n;
            }
        }
        data.truncate(got);
        return data;
    } catch (const std::bad_alloc &) {
        return Error{QStringLiteral("Für die Datei \"%1\" (%2 Bytes) ist nicht genug Arbeitsspeicher frei.")
                         .arg(shown(path))
                         .arg(st.st_size)};
    }
}

PathKind pathKind(const QString &path)
{
    struct stat st;
    if (path.isEmpty() || ::stat(encodeFileName(path).constData(), &st) != 0)
        return PathKind::Missing;
    if (S_ISREG(st.st_mode))
        return PathKind::RegularFile;
    return S_ISDIR(st.st_mode) ? PathKind::Folder : PathKind::Other;
}

} // namespace qv
