#include "workspace/BmpSchreiber.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QtEndian>

#include <cstdio>

#include <cstring>
#include <limits>

namespace qv {

namespace {

void u16(uchar *p, quint16 v) { qToLittleEndian(v, p); }
void u32(uchar *p, quint32 v) { qToLittleEndian(v, p); }

} // namespace

QByteArray encodeBmp24(const QImage &bildIn)
{
    if (bildIn.isNull())
        return {};
    const QImage bild = bildIn.format() == QImage::Format_RGB888 ? bildIn : bildIn.convertToFormat(QImage::Format_RGB888);
    const qint64 w = bild.width();
    const qint64 h = bild.height();
    const qint64 zeile = (w * 3 + 3) / 4 * 4;
    const qint64 gesamt = 54 + zeile * h;
    if (gesamt > std::numeric_limits<quint32>::max())
        return {};

    QByteArray out(gesamt, Qt::Uninitialized);
    auto *p = reinterpret_cast<uchar *>(out.data());
    std::memset(p, 0, 54);
    p[0] = 'B';
    p[1] = 'M';
    u32(p + 2, quint32(gesamt));
    u32(p + 10, 54);
    u32(p + 14, 40);
    u32(p + 18, quint32(w));
    u32(p + 22, quint32(h)); // positive height: rows from the bottom up
    u16(p + 26, 1);
    u16(p + 28, 24);
    u32(p + 34, quint32(zeile * h));
    u32(p + 38, 2835); // 72 dpi
    u32(p + 42, 2835);

    for (qint64 y = 0; y < h; ++y) {
        const uchar *q = bild.constScanLine(int(h - 1 - y));
        uchar *z = p + 54 + y * zeile;
        for (qint64 x = 0; x < w; ++x, q += 3, z += 3) {
            z[0] = q[2];
            z[1] = q[1];
            z[2] = q[0];
        }
        std::memset(z, 0, size_t(zeile - w * 3));
    }
    return out;
}

Result<void> writeBmp24(const QImage &bild, const QString &path)
{
    const QByteArray bytes = encodeBmp24(bild);
    if (bytes.isEmpty())
        return Error{QStringLiteral("Das Bild ist zu groß für eine BMP-Datei.")};
    const QString ziel = QFileInfo(path).absoluteFilePath();
    QTemporaryFile tmp(ziel + QStringLiteral(".XXXXXX"));
    if (!tmp.open())
        return Error{QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2")
                         .arg(QDir::toNativeSeparators(path), tmp.errorString())};
    if (tmp.write(bytes) != bytes.size() || !tmp.flush())
        return Error{QStringLiteral("Die Datei \"%1\" konnte nicht vollständig geschrieben werden: %2")
                         .arg(QDir::toNativeSeparators(path), tmp.errorString())};
    tmp.close();
    // rename() replaces an existing file in one step.
    if (std::rename(QFile::encodeName(tmp.fileName()).constData(), QFile::encodeName(ziel).constData()) != 0)
        return Error{QStringLiteral("Die Datei \"%1\" konnte nicht gespeichert werden.").arg(QDir::toNativeSeparators(path))};
    tmp.setAutoRemove(false);
    QFile::setPermissions(ziel, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                    | QFileDevice::ReadOther);
    return {};
}

} // namespace qv
