#include "base/ByteWriter.h"

#include "base/Cp1252.h"
#include "base/Extended80.h"

#include <cstring>

namespace qv {

void ByteWriter::int32(qint32 v)
{
    const quint32 u = quint32(v);
    const char b[4] = {char(u), char(u >> 8), char(u >> 16), char(u >> 24)};
    m_data.append(b, 4);
}

void ByteWriter::byte(quint8 v)
{
    m_data.append(char(v));
}

void ByteWriter::boolean(bool v)
{
    byte(v ? 1 : 0);
}

void ByteWriter::float64(double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    char b[8];
    for (int i = 0; i < 8; ++i)
        b[i] = char(bits >> (8 * i));
    m_data.append(b, 8);
}

void ByteWriter::extended(double v)
{
    const auto b = doubleToExtended(v);
    m_data.append(reinterpret_cast<const char *>(b.data()), qsizetype(b.size()));
}

void ByteWriter::shortString(QStringView text, int capacity)
{
    m_data.append(encodeShortString(text, capacity));
}

void ByteWriter::bytes(QByteArrayView data)
{
    m_data.append(data.data(), data.size());
}

} // namespace qv
