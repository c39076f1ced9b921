#include "base/AtomicWriter.h"

#include "base/FileNames.h"

#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <new>
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

    // A name of our own in the target's folder (rename only works within one file system);
    // 0666 lets the umask decide the permissions of a new file, as for any other.
    const QByteArray base = m_target + '.';
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray candidate = base + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        const int fd = ::open(candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            m_fd = fd;
            m_temporary = candidate;
            break;
        }
        if (errno != EEXIST)
            return failure(QStringLiteral("kann nicht geschrieben werden"), errno);
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
    return {};
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
