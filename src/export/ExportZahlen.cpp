#include "export/ExportZahlen.h"

#include "base/Numbers.h"

#include <cmath>
#include <cstdio>

namespace qv {

qint64 IsoZehntel(qint32 v, double ffa, double pixelProMM)
{
    const qint64 p = roundHalfEven(double(v) * 100.0 / ffa);
    if (pixelProMM == 0.0)
        return 0;
    return roundHalfEven(double(p) * 10.0 / pixelProMM);
}

namespace {

// Hundredths as "[-]units.hh"; no sign for zero.
QString hundertstelText(bool negativ, quint64 hundertstel)
{
    QString s = QString::number(hundertstel / 100) + u'.' + QStringLiteral("%1").arg(hundertstel % 100, 2, 10, QChar(u'0'));
    if (negativ && hundertstel != 0)
        s.prepend(u'-');
    return s;
}

} // namespace

QString CmText(qint64 zehntel)
{
    const bool negativ = zehntel < 0;
    // Through unsigned arithmetic so that the smallest qint64 has a magnitude too.
    const quint64 betrag = negativ ? quint64(0) - quint64(zehntel) : quint64(zehntel);
    return hundertstelText(negativ, betrag);
}

QString ZweiDezimalen(double wert)
{
    if (std::isnan(wert))
        return QStringLiteral("0.00");
    const bool negativ = std::signbit(wert);
    const double betrag = std::fabs(wert);
    if (std::isinf(betrag))
        return negativ ? QStringLiteral("-inf") : QStringLiteral("inf");
    if (betrag >= 4503599627370496.0) { // 2^52: every such double is a whole number
        char buffer[400];
        std::snprintf(buffer, sizeof buffer, "%.0f", betrag); // exact digits
        return (negativ ? QStringLiteral("-") : QString()) + QString::fromLatin1(buffer) + QStringLiteral(".00");
    }
    // betrag = m × 2^e exactly, with m a 53-bit integer and e < 0 here (or the value is 0).
    int exponent = 0;
    const double bruch = std::frexp(betrag, &exponent); // betrag = bruch × 2^exponent, bruch in [0.5, 1)
    const auto mantisse = quint64(std::ldexp(bruch, 53));
    const int schieben = 53 - exponent; // betrag = mantisse / 2^schieben, schieben >= 1
    // betrag × 100 = mantisse × 100 / 2^schieben; round the quotient, exact ties away from zero.
    const unsigned __int128 zaehler = (unsigned __int128)mantisse * 100u;
    quint64 hundertstel = 0;
    if (schieben < 126) {
        const unsigned __int128 eins = (unsigned __int128)1 << schieben;
        const unsigned __int128 quotient = zaehler >> schieben;
        const unsigned __int128 rest = zaehler & (eins - 1);
        hundertstel = quint64(quotient) + (rest >= (eins >> 1) ? 1u : 0u);
    }
    return hundertstelText(negativ, hundertstel);
}

std::optional<QString> JawText(qint64 zehntel, double d)
{
    const double j = (double(zehntel) / d * 100.0) / 100.0;
    if (!std::isfinite(j))
        return std::nullopt;
    return ZweiDezimalen(j);
}

QString NumText(QStringView text)
{
    const std::optional<double> wert = parseDecimal(text);
    if (!wert)
        return QStringLiteral("0");
    return ZweiDezimalen(*wert);
}

} // namespace qv
