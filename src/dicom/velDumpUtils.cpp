#include "dicom/velDumpUtils.h"

#include "base/Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace qv {

namespace {

bool isBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

QString shown(QByteArrayView item)
{
    return QString::fromLatin1(item.first(std::min<qsizetype>(item.size(), 40)));
}

} // namespace

QByteArrayView GetDumpValue(QByteArrayView line)
{
    quint32 tag = 0;
    qsizetype p = 0;
    if (!parseDumpTag(line, tag, p))
        return {};
    // The value representation follows the tag after one blank.
    while (p < line.size() && line[p] == ' ')
        ++p;
    while (p < line.size() && line[p] != ' ')
        ++p;
    while (p < line.size() && line[p] == ' ')
        ++p;
    if (p >= line.size() || line[p] != '[')
        return {};
    const qsizetype open = p;
    qsizetype comment = line.lastIndexOf(QByteArrayView(" #"));
    if (comment <= open)
        comment = line.size();
    const qsizetype close = line.first(comment).lastIndexOf(']');
    if (close <= open)
        return line.sliced(open + 1, comment - open - 1);
    return line.sliced(open + 1, close - open - 1);
}

QByteArray UnquoteDumpValue(QByteArrayView printed)
{
    if (!printed.contains('&'))
        return printed.toByteArray();
    static const struct
    {
        QByteArrayView entity;
        char byte;
    } kNamed[] = {{"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}, {"&quot;", '"'}, {"&apos;", '\''}};
    QByteArray bytes;
    bytes.reserve(printed.size());
    qsizetype p = 0;
    while (p < printed.size()) {
        const char c = printed[p];
        if (c != '&') {
            bytes += c;
            ++p;
            continue;
        }
        const QByteArrayView rest = printed.sliced(p);
        bool done = false;
        for (const auto &named : kNamed) {
            if (rest.startsWith(named.entity)) {
                bytes += named.byte;
                p += named.entity.size();
                done = true;
                break;
            }
        }
        if (done)
            continue;
        // "&#" one to three digits ";" for one byte.
        if (rest.size() >= 4 && rest[1] == '#') {
            int value = 0;
            qsizetype q = 2;
            while (q < rest.size() && q < 5 && rest[q] >= '0' && rest[q] <= '9')
                value = value * 10 + (rest[q++] - '0');
            if (q > 2 && q < rest.size() && rest[q] == ';' && value <= 255) {
                bytes += char(value);
                p += q + 1;
                continue;
            }
        }
        bytes += c;
        ++p;
    }
    return bytes;
}

QByteArray DumpValue(QByteArrayView line)
{
    return UnquoteDumpValue(GetDumpValue(line));
}

QByteArrayList SplitDumpItems(QByteArrayView value)
{
    QByteArrayList items;
    const qsizetype n = value.size();
    qsizetype p = 0;
    while (p < n && isBlankOrControl(value[p]))
        ++p;
    while (p < n) {
        if (value[p] == '"') {
            QByteArray item;
            ++p;
            while (p < n) {
                if (value[p] == '"') {
                    if (p + 1 < n && value[p + 1] == '"') {
                        item += '"';
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item += value[p++];
            }
            items.append(item);
        } else {
            const qsizetype start = p;
            while (p < n && !isBlankOrControl(value[p]) && value[p] != '\\')
                ++p;
            items.append(value.sliced(start, p - start).toByteArray());
        }
        while (p < n && isBlankOrControl(value[p]))
            ++p;
        if (p < n && value[p] == '\\') {
            if (p + 1 == n)
                items.append(QByteArray());
            do
                ++p;
            while (p < n && isBlankOrControl(value[p]));
        }
    }
    return items;
}

std::optional<double> ParseDicomDecimal(QByteArrayView text)
{
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && text[b] == ' ')
        ++b;
    while (e > b && text[e - 1] == ' ')
        --e;
    const QByteArrayView t = text.sliced(b, e - b);
    // Check the whole grammar first; from_chars alone would accept "inf", "nan" and hex forms
    // and stop early on trailing garbage.
    qsizetype p = 0;
    bool negative = false;
    if (p < t.size() && (t[p] == '+' || t[p] == '-')) {
        negative = t[p] == '-';
        ++p;
    }
    const qsizetype numberStart = p;
    qsizetype digits = 0;
    while (p < t.size() && t[p] >= '0' && t[p] <= '9') {
        ++p;
        ++digits;
    }
    if (p < t.size() && t[p] == '.') {
        ++p;
        while (p < t.size() && t[p] >= '0' && t[p] <= '9') {
            ++p;
            ++digits;
        }
    }
    if (digits == 0)
        return std::nullopt;
    const qsizetype mantissaEnd = p;
    bool negativeExponent = false;
    if (p < t.size() && (t[p] == 'e' || t[p] == 'E')) {
        ++p;
        if (p < t.size() && (t[p] == '+' || t[p] == '-'))
            negativeExponent = t[p++] == '-';
        qsizetype expDigits = 0;
        while (p < t.size() && t[p] >= '0' && t[p] <= '9') {
            ++p;
            ++expDigits;
        }
        if (expDigits == 0)
            return std::nullopt;
    }
    if (p != t.size())
        return std::nullopt;
    double value = 0;
    const char *first = t.data() + numberStart;
    const char *last = t.data() + t.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        // Too small for a double reads as zero; too large is not a usable number.
        const QByteArrayView mantissa = t.sliced(numberStart, mantissaEnd - numberStart);
        const qsizetype point = mantissa.indexOf('.');
        const QByteArrayView whole = point >= 0 ? mantissa.first(point) : mantissa;
        bool wholeIsZero = true;
        for (char c : whole)
            wholeIsZero = wholeIsZero && c == '0';
        if (!negativeExponent && !wholeIsZero)
            return std::nullopt;
        value = 0;
    } else if (ec != std::errc() || ptr != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

Result<qint32> DumpTenths(QByteArrayView item)
{
    const std::optional<double> v = ParseDicomDecimal(item);
    if (!v)
        return Error{QStringLiteral("\"%1\" ist keine gültige Zahl.").arg(shown(item))};
    const double tenths = *v * 10.0;
    if (!(std::fabs(tenths) < 2147483647.0))
        return Error{QStringLiteral("Der Wert %1 liegt außerhalb des lesbaren Bereichs.").arg(shown(item))};
    return qint32(roundHalfEven(tenths));
}

Result<void> GetDumpPoints(QByteArrayView line, TPointArray &points)
{
    const QByteArrayList items = SplitDumpItems(DumpValue(line));
    if (items.size() % 2 != 0)
        return Error{QStringLiteral("Ungerade Anzahl von Koordinaten (%1): zum letzten Wert fehlt der zweite.")
                         .arg(items.size())};
    TPointArray read;
    read.reserve(items.size() / 2);
    for (qsizetype k = 0; k + 1 < items.size(); k += 2) {
        auto x = DumpTenths(items[k]);
        if (!x)
            return Error{x.error()};
        auto y = DumpTenths(items[k + 1]);
        if (!y)
            return Error{y.error()};
        read.append(QPoint(*x, *y));
    }
    points.append(read);
    return {};
}

Result<QPoint> GetDumpPoint(QByteArrayView line)
{
    const QByteArrayList items = SplitDumpItems(DumpValue(line));
    if (items.size() < 2)
        return Error{QStringLiteral("Für einen Punkt werden zwei Werte gebraucht, gefunden: %1.").arg(items.size())};
    auto x = DumpTenths(items[0]);
    if (!x)
        return Error{x.error()};
    auto y = DumpTenths(items[1]);
    if (!y)
        return Error{y.error()};
    return QPoint(*x, *y);
}

Result<void> GetDumpIntegers(QByteArrayView line, TIntegerArray &values)
{
    const QByteArrayList items = SplitDumpItems(DumpValue(line));
    TIntegerArray read;
    read.reserve(items.size());
    for (const QByteArray &item : items) {
        auto v = DumpTenths(item);
        if (!v)
            return Error{v.error()};
        read.append(*v);
    }
    values.append(read);
    return {};
}

Result<void> SkipDumpItem(const DumpLines &lines, qsizetype &index)
{
    // Counted by depth: every item start opens one level, every item end closes one.
    int open = 1;
    for (qsizetype i = index + 1; i < lines.size(); ++i) {
        const quint32 tag = lines[i].tag;
        if (tag == kItemStart) {
            ++open;
        } else if (tag == kItemEnd) {
            if (--open == 0) {
                index = i;
                return {};
            }
        }
    }
    return Error{QStringLiteral("Der Dump endet innerhalb eines Sequenz-Eintrags (Zeile %1).").arg(index + 1)};
}

} // namespace qv
