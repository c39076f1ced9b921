#include "base/ByteReader.h"

#include "base/Cp1252.h"
#include "base/Extended80.h"

#include <cstring>

namespace qv {

bool ByteReader::need(qsizetype n, const char *what)
{
    if (!m_ok)
        return false;
    if (n < 0 || n > m_data.size() - m_pos) {
        fail(QStringLiteral("Unerwartetes Dateiende beim Lesen von %1: %2 %3 benötigt, %4 vorhanden (Position %5)")
                 .arg(QString::fromUtf8(what))
                 .arg(n)
                 .arg(n == 1 ? QStringLiteral("Byte") : QStringLiteral("Bytes"))
                 .arg(m_data.size() - m_pos)
                 .arg(m_pos));
        return false;
    }
    return true;
}

void ByteReader::fail(const QString &message)
{
    if (!m_ok)
        return;
    m_ok = false;
    m_error = message;
}

const char *ByteReader::take(qsizetype n, const char *what)
{
    if (!need(n, what))
        return nullptr;
    const char *p = m_data.data() + m_pos;
    m_pos += n;
    return p;
}

qint32 ByteReader::int32(const char *what)
{
    const char *p = take(4, what);
    if (!p)
        return 0;
    const auto *u = reinterpret_cast<const unsigned char *>(p);
    return qint32(quint32(u[0]) | quint32(u[1]) << 8 | quint32(u[2]) << 16 | quint32(u[3]) << 24);
}

quint8 ByteReader::byte(const char *what)
{
    const char *p = take(1, what);
    return p ? quint8(*p) : 0;
}

bool ByteReader::boolean(const char *what)
{
    return byte(what) != 0;
}

double ByteReader::float64(const char *what)
{
    const char *p = take(8, what);
    if (!p)
        return 0.0;
    quint64 bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | static_cast<unsigned char>(p[i]);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

double ByteReader::extended(const char *what)
{
    const char *p = take(10, what);
    return p ? extendedToDouble(reinterpret_cast<const unsigned char *>(p)) : 0.0;
}

QString ByteReader::shortString(int capacity, const char *what)
{
    const char *p = take(capacity + 1, what);
    return p ? decodeShortString(QByteArrayView(p, capacity + 1)) : QString();
}

QByteArray ByteReader::bytes(qsizetype n, const char *what)
{
    const char *p = take(n, what);
    return p ? QByteArray(p, n) : QByteArray();
}

QByteArrayView ByteReader::view(qsizetype n, const char *what)
{
    const char *p = take(n, what);
    return p ? QByteArrayView(p, n) : QByteArrayView();
}

void ByteReader::skip(qsizetype n, const char *what)
{
    take(n, what);
}

} // namespace qv
