#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace qv {

/// Parses a number typed with the decimal comma ("1,5", "-0,4", "12", ",5").
/// Leading and trailing blanks are ignored; a point, a thousands separator, an exponent,
/// an empty text or anything else is not a number.
std::optional<double> parseDecimal(QStringView text);

/// Formats in the shortest form with the decimal comma: 12.5 -> "12,5", 100 -> "100".
/// At most 15 significant digits, so 0.1 + 0.2 shows as "0,3".
QString formatDecimal(double value);

/// Parses a whole number ("42", "-7", "+3"); blanks around it are ignored.
std::optional<qint64> parseInteger(QStringView text);
/// Like parseInteger, and the value must fit into 32 bits.
std::optional<qint32> parseInt32(QStringView text);

/// Rounds to nearest with halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
/// Values beyond the range of qint64 saturate; NaN gives 0 (also for truncTowardZero).
qint64 roundHalfEven(double value);
/// Cuts the fraction off toward zero (-2.7 -> -2).
qint64 truncTowardZero(double value);

} // namespace qv
