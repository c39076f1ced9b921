#include "base/image/BmpEncoder.h"

#include "base/AtomicWriter.h"
#include "base/image/LittleEndian.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace qv {

namespace {

constexpr qint64 kKopfGroesse = 54;
// Rows are written in pieces of about this size: few system calls, and no second copy of a
// 50 MB image in memory.
constexpr qint64 kStueckGroesse = 1024 * 1024;

// Sizes of the file; gesamt is 0 when the image is too large for the format's 32-bit fields.
struct Aufbau
{
    qint64 breite, hoehe, zeile, gesamt;
};

Aufbau aufbau(const QImage &bild)
{
    Aufbau a;
    a.breite = bild.width();
    a.hoehe = bild.height();
    a.zeile = (a.breite * 3 + 3) / 4 * 4;
    a.gesamt = kKopfGroesse + a.zeile * a.hoehe;
    if (a.gesamt > std::numeric_limits<quint32>::max())
        a.gesamt = 0;
    return a;
}

// Both 24-bit byte orders are written as they are; anything else becomes RGB888 first.
QImage vierundzwanzigBit(const QImage &bild)
{
    if (bild.format() == QImage::Format_RGB888 || bild.format() == QImage::Format_BGR888)
        return bild;
    return bild.convertToFormat(QImage::Format_RGB888);
}

void kopfSchreiben(uchar *p, const Aufbau &a)
{
    std::memset(p, 0, kKopfGroesse);
    p[0] = 'B';
    p[1] = 'M';
    schreibeU32(p + 2, quint32(a.gesamt));
    schreibeU32(p + 10, kKopfGroesse);
    schreibeU32(p + 14, 40);
    schreibeU32(p + 18, quint32(a.breite));
    schreibeU32(p + 22, quint32(a.hoehe)); // positive height: rows from the bottom up
    schreibeU16(p + 26, 1);
    schreibeU16(p + 28, 24);
    schreibeU32(p + 34, quint32(a.zeile * a.hoehe));
    schreibeU32(p + 38, 2835); // 72 dpi
    schreibeU32(p + 42, 2835);
}

// The n-th row of the file (counted from the bottom of the image): blue, green, red, then zero
// padding to a multiple of four bytes.
void zeileSchreiben(const QImage &bild, const Aufbau &a, qint64 n, uchar *z)
{
    const uchar *q = bild.constScanLine(int(a.hoehe - 1 - n));
    if (bild.format() == QImage::Format_BGR888) {
        std::memcpy(z, q, size_t(a.breite * 3));
    } else {
        for (qint64 x = 0; x < a.breite; ++x) {
            z[3 * x] = q[3 * x + 2];
            z[3 * x + 1] = q[3 * x + 1];
            z[3 * x + 2] = q[3 * x];
        }
    }
    std::memset(z + a.breite * 3, 0, size_t(a.zeile - a.breite * 3));
}

} // namespace

QByteArray encodeBmp24(const QImage &bildIn)
{
    if (bildIn.isNull())
        return {};
    const QImage bild = vierundzwanzigBit(bildIn);
    const Aufbau a = aufbau(bild);
    if (a.gesamt == 0)
        return {};
    QByteArray out(a.gesamt, Qt::Uninitialized);
    auto *p = reinterpret_cast<uchar *>(out.data());
    kopfSchreiben(p, a);
    for (qint64 n = 0; n < a.hoehe; ++n)
        zeileSchreiben(bild, a, n, p + kKopfGroesse + n * a.zeile);
    return out;
}

Result<void> writeBmp24(const QImage &bildIn, const QString &path)
{
    const QImage bild = bildIn.isNull() ? QImage() : vierundzwanzigBit(bildIn);
    const Aufbau a = aufbau(bild);
    if (bild.isNull() || a.gesamt == 0)
        return Error{QStringLiteral("Das Bild ist zu groß für eine BMP-Datei.")};
    AtomicWriter datei(path, false);
    if (auto ok = datei.open(); !ok)
        return ok;

    // The file is built piece by piece, never as a whole in memory.
    const qint64 zeilenJeStueck = std::max<qint64>(1, kStueckGroesse / a.zeile);
    QByteArray stueck(kKopfGroesse + zeilenJeStueck * a.zeile, Qt::Uninitialized);
    auto *p = reinterpret_cast<uchar *>(stueck.data());
    kopfSchreiben(p, a);
    qint64 belegt = kKopfGroesse;
    for (qint64 n = 0; n < a.hoehe; ++n) {
        zeileSchreiben(bild, a, n, p + belegt);
        belegt += a.zeile;
        if (n + 1 == a.hoehe || belegt + a.zeile > stueck.size()) {
            if (auto ok = datei.write(QByteArrayView(stueck.constData(), belegt)); !ok)
                return ok;
            belegt = 0;
        }
    }
    return datei.commit();
}

} // namespace qv
