#include "base/Cp1252.h"

#include <algorithm>

namespace qv {

namespace {

// 0x80..0x9F; the undefined bytes keep their own value as C1 control characters.
constexpr char16_t kHighBlock[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char encodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i) {
        if (kHighBlock[i] == c)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

QString fromCp1252(QByteArrayView bytes)
{
    QString out;
    out.resize(bytes.size());
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        d[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHighBlock[b - 0x80]) : QChar(char16_t(b));
    }
    return out;
}

QByteArray toCp1252(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // one character outside the code page, one '?'
        out.append(encodeChar(c.unicode()));
    }
    return out;
}

QByteArray encodeShortString(QStringView text, int capacity)
{
    // One length byte cannot count more than 255 characters.
    Q_ASSERT(capacity >= 0 && capacity <= 255);
    capacity = std::clamp(capacity, 0, 255);
    QByteArray bytes = toCp1252(text);
    const int len = int(std::min<qsizetype>(bytes.size(), capacity));
    QByteArray out(capacity + 1, '\0');
    out[0] = char(len);
    std::copy_n(bytes.constData(), len, out.data() + 1);
    return out;
}

QString decodeShortString(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return {};
    const qsizetype capacity = bytes.size() - 1;
    const qsizetype len = std::min<qsizetype>(static_cast<unsigned char>(bytes[0]), capacity);
    return fromCp1252(bytes.sliced(1, len));
}

} // namespace qv
