#include "base/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace qv {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

std::optional<double> parseDecimal(QStringView text)
{
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    std::string ascii;
    ascii.reserve(size_t(t.size()));
    qsizetype i = 0;
    if (t[0] == u'-' || t[0] == u'+') {
        ascii.push_back(char(t[0].unicode()));
        ++i;
    }
    int digits = 0;
    bool comma = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (isDigit(c)) {
            ascii.push_back(char(c.unicode()));
            ++digits;
        } else if (c == u',' && !comma) {
            comma = true;
            ascii.push_back('.');
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0)
        return std::nullopt;
    // strtod reads the point in the "C" locale, which Qt applications keep for LC_NUMERIC.
    char *end = nullptr;
    const double v = std::strtod(ascii.c_str(), &end);
    if (end != ascii.c_str() + ascii.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString formatDecimal(double value)
{
    if (!std::isfinite(value))
        return QString::number(value);
    if (value == 0.0)
        return QStringLiteral("0");
    // 15 significant digits, as many decimals as that leaves, trailing zeros dropped.
    const int intDigits = int(std::floor(std::log10(std::fabs(value)))) + 1;
    const int decimals = std::clamp(15 - intDigits, 0, 20);
    QString s = QString::number(value, 'f', decimals);
    if (s.contains(u'.')) {
        while (s.endsWith(u'0'))
            s.chop(1);
        if (s.endsWith(u'.'))
            s.chop(1);
    }
    if (s == u"-0")
        s = QStringLiteral("0");
    s.replace(u'.', u',');
    return s;
}

std::optional<qint64> parseInteger(QStringView text)
{
    const QStringView t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    qsizetype i = 0;
    bool negative = false;
    if (t[0] == u'-' || t[0] == u'+') {
        negative = t[0] == u'-';
        ++i;
    }
    if (i == t.size())
        return std::nullopt;
    // The magnitude may reach 2^63 only for a negative number.
    const quint64 limit = quint64(std::numeric_limits<qint64>::max()) + (negative ? 1 : 0);
    quint64 v = 0;
    for (; i < t.size(); ++i) {
        if (!isDigit(t[i]))
            return std::nullopt;
        const quint64 digit = quint64(t[i].unicode() - u'0');
        // Checked before multiplying, so v * 10 cannot wrap around.
        if (v > (limit - digit) / 10)
            return std::nullopt;
        v = v * 10 + digit;
    }
    return negative ? qint64(0 - v) : qint64(v);
}

std::optional<qint32> parseInt32(QStringView text)
{
    const auto v = parseInteger(text);
    if (!v || *v < std::numeric_limits<qint32>::min() || *v > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(*v);
}

namespace {

// Converting a double outside the range of qint64 (or NaN) is undefined: saturate instead.
qint64 toInt64Saturated(double integral)
{
    if (std::isnan(integral))
        return 0;
    if (integral >= 9223372036854775808.0)
        return std::numeric_limits<qint64>::max();
    if (integral < -9223372036854775808.0)
        return std::numeric_limits<qint64>::min();
    return qint64(integral);
}

} // namespace

qint64 roundHalfEven(double value)
{
    // nearbyint honours the current rounding mode, which is round-to-nearest-even by default.
    return toInt64Saturated(std::nearbyint(value));
}

qint64 truncTowardZero(double value)
{
    return toInt64Saturated(std::trunc(value));
}

} // namespace qv
