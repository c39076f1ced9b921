#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace qv {

/// Only one copy of the program runs per user: a lock file in the user's runtime folder
/// (a per-user folder in the temporary folder when there is none). The lock of a process that ended without
/// releasing it (killed, crashed) counts as stale and is taken over.
class SingleInstanceLock
{
public:
    /// name becomes the lock file's base name; folder empty = the user's runtime folder.
    explicit SingleInstanceLock(const QString &name = QStringLiteral("Quellvantar"), const QString &folder = {});
    ~SingleInstanceLock();

    SingleInstanceLock(const SingleInstanceLock &) = delete;
    SingleInstanceLock &operator=(const SingleInstanceLock &) = delete;

    enum class Outcome {
        Acquired,     ///< this process holds the lock
        HeldByOther,  ///< another running copy holds it
        Unavailable,  ///< the lock file cannot be made (folder not writable): the check is skipped
    };
    /// Never waits.
    Outcome tryLock();
    const QString &path() const { return m_path; }

    /// The user's runtime folder, or a per-user folder in the temporary folder.
    static QString defaultFolder();

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace qv
