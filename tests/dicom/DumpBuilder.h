#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qv::test {

/// The shipped test files (copies of public DICOM files, see their SOURCES.md).
inline QString dicomData(const QString &name = {})
{
    const QString dir = QStringLiteral(QV_DICOM_DATA_DIR);
    return name.isEmpty() ? dir : QDir(dir).filePath(name);
}

/// A text of the built file replaced by bytes of the same length, for values a dump text
/// cannot hold (line breaks): the file's lengths stay right.
struct BytePatch
{
    QByteArray placeholder;
    QByteArray bytes;
};

/// Builds a DICOM file from a dump text with DCMTK's dump2dcm (the text is given as the bytes
/// the file shall hold, e.g. Latin-1), then applies the patches (each placeholder must occur
/// exactly once in the file). Returns false and records a test failure otherwise.
inline bool buildDicom(const QByteArray &dump, const QString &target, const QList<BytePatch> &patches = {})
{
    QTemporaryDir work;
    const QString text = QDir(work.path()).filePath(QStringLiteral("plan.dump"));
    QFile f(text);
    if (!f.open(QIODevice::WriteOnly) || f.write(dump) != dump.size())
        return false;
    f.close();
    QProcess p;
    p.start(QStringLiteral("dump2dcm"), {QStringLiteral("-q"), QStringLiteral("+l"), QStringLiteral("100000000"), text, target});
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        ADD_FAILURE() << "dump2dcm: " << p.readAllStandardError().toStdString();
        return false;
    }
    if (patches.isEmpty())
        return true;
    QFile built(target);
    if (!built.open(QIODevice::ReadWrite)) {
        ADD_FAILURE() << "cannot open " << target.toStdString();
        return false;
    }
    QByteArray bytes = built.readAll();
    for (const BytePatch &patch : patches) {
        const qsizetype at = bytes.indexOf(patch.placeholder);
        if (patch.placeholder.size() != patch.bytes.size() || at < 0 || bytes.indexOf(patch.placeholder, at + 1) >= 0) {
            ADD_FAILURE() << "placeholder not once in the file or of another length: " << patch.placeholder.toStdString();
            return false;
        }
        bytes.replace(at, patch.bytes.size(), patch.bytes);
    }
    return built.seek(0) && built.write(bytes) == bytes.size();
}

/// The start of an RT Plan dump for dump2dcm: class, instance and patient.
inline QByteArray planHeader(const QByteArray &patientName, const QByteArray &patientId, const QByteArray &charset = "ISO_IR 100")
{
    return "(0008,0005) CS [" + charset + "]\n"
           "(0008,0016) UI [1.2.840.10008.5.1.4.1.1.481.5]\n"
           "(0008,0018) UI [1.2.826.0.1.3680043.2.1143.1]\n"
           "(0008,0060) CS [RTPLAN]\n"
           "(0008,0070) LO [Test]\n"
           "(0010,0010) PN [" + patientName + "]\n"
           "(0010,0020) LO [" + patientId + "]\n";
}

} // namespace qv::test
