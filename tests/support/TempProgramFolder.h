#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace qv::test {

/// A fresh folder that plays the program folder in a test; removed afterwards.
class TempProgramFolder
{
public:
    TempProgramFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const;
    /// Writes a file (bytes as given) and returns its full path.
    QString write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

} // namespace qv::test
