#include "app/SingleInstanceLock.h"

#include "base/Logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <unistd.h>

namespace qv {

SingleInstanceLock::SingleInstanceLock(const QString &name, const QString &folder)
    : m_path(QDir(folder.isEmpty() ? defaultFolder() : folder).filePath(name + QStringLiteral(".lock")))
    , m_lock(std::make_unique<QLockFile>(m_path))
{
    // A living holder is recognised by its pid, so age alone must never make a lock stale.
    m_lock->setStaleLockTime(0);
}

SingleInstanceLock::~SingleInstanceLock() = default;

SingleInstanceLock::Outcome SingleInstanceLock::tryLock()
{
    if (m_lock->isLocked() || m_lock->tryLock(0))
        return Outcome::Acquired;
    if (m_lock->error() == QLockFile::LockFailedError)
        return Outcome::HeldByOther;
    // Refusing to start because of an unwritable folder would lock the person out entirely.
    qCWarning(lcDatei).noquote() << QStringLiteral("Sperrdatei %1 kann nicht angelegt werden (Fehler %2); "
                                                   "die Prüfung auf eine zweite Programmkopie entfällt.")
                                        .arg(m_path)
                                        .arg(int(m_lock->error()));
    return Outcome::Unavailable;
}

QString SingleInstanceLock::defaultFolder()
{
    // Without XDG_RUNTIME_DIR Qt would warn and pick a folder of its own; a per-user folder
    // in the temporary folder keeps users on one machine apart just as well.
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (!folder.isEmpty() && QDir().mkpath(folder))
            return folder;
    }
    const QString folder = QDir(QDir::tempPath()).filePath(QStringLiteral("quellvantar-%1").arg(::getuid()));
    QDir().mkpath(folder);
    const QFileInfo info(folder);
    if (info.isDir() && !info.isSymLink() && info.ownerId() == ::getuid()) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return folder;
    }
    // Someone else made that folder: do not trust it.
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

} // namespace qv
