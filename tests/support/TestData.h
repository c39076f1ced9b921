#pragma once

#include <QDir>
#include <QString>

namespace qv::test {

/// A file under tests/data.
inline QString testDataPath(const QString &name)
{
    return QDir(QStringLiteral(QV_TEST_DATA_DIR)).filePath(name);
}

/// The build folder that holds the executables and the shipped data.
inline QString buildDir()
{
    return QStringLiteral(QV_BUILD_DIR);
}

} // namespace qv::test
