#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>

namespace qv::test {

TempProgramFolder::TempProgramFolder() = default;

QString TempProgramFolder::file(const QString &name) const
{
    return QDir(m_dir.path()).filePath(name);
}

QString TempProgramFolder::write(const QString &name, const QByteArray &bytes) const
{
    const QString p = file(name);
    QFile f(p);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return p;
}

QByteArray TempProgramFolder::read(const QString &name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace qv::test
