#include "base/ProgramFolders.h"

#include "base/AtomicWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace qv {

namespace {

QString cleanAbsolute(const QString &folder)
{
    return QDir::cleanPath(QDir(folder).absolutePath());
}

// <prefix>/share/quellvantar for an executable in <prefix>/bin, empty for any other folder.
QString installedDataFolder(const QString &executableFolder)
{
    if (QFileInfo(executableFolder).fileName() != u"bin")
        return {};
    const QString data = QDir::cleanPath(executableFolder + QStringLiteral("/../share/quellvantar"));
    return pathKind(data) == PathKind::Folder ? data : QString();
}

} // namespace

QString ProgramFolders::userConfigFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Quellvantar"));
}

ProgramFolders ProgramFolders::decide(const QString &executableFolder, bool executableFolderWritable,
                                      const QString &userConfigFolder)
{
    ProgramFolders f;
    const QString exe = cleanAbsolute(executableFolder);
    const QString installed = installedDataFolder(exe);
    if (!installed.isEmpty()) {
        // Installed: the person's files never go into the shipped folder, not even for root.
        f.m_layout = Layout::Installed;
        f.m_shipped = installed;
        f.m_personal = cleanAbsolute(userConfigFolder);
    } else if (executableFolderWritable) {
        f.m_layout = Layout::Portable;
        f.m_shipped = exe;
        f.m_personal = exe;
    } else {
        f.m_layout = Layout::PortableReadOnly;
        f.m_shipped = exe;
        f.m_personal = cleanAbsolute(userConfigFolder);
    }
    return f;
}

ProgramFolders ProgramFolders::forExecutableFolder(const QString &executableFolder)
{
    const bool writable = ::access(QFile::encodeName(executableFolder).constData(), W_OK) == 0;
    return decide(executableFolder, writable, userConfigFolder());
}

QString ProgramFolders::shipped(const QString &fileName) const
{
    return QDir(m_shipped).filePath(fileName);
}

QString ProgramFolders::personal(const QString &fileName) const
{
    return QDir(m_personal).filePath(fileName);
}

QString ProgramFolders::personalCopyOrShipped(const QString &fileName) const
{
    const QString own = personal(fileName);
    return pathKind(own) != PathKind::Missing ? own : shipped(fileName);
}

} // namespace qv
