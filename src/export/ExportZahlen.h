#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace qv {

// Number conversions of the production files. Numbers there use the decimal point.

/// A workspace coordinate in tenths of a millimetre at the isocentre plane:
/// p := Round(v × 100 / FFA), then Round(p × 10 / PixelProMM); 0 while no scale is set.
/// Multiplying before dividing keeps exact halves exact. Round is half-to-even.
qint64 IsoZehntel(qint32 v, double ffa, double pixelProMM);

/// Tenths of a millimetre as centimetres with two decimals: 1235 → "12.35", -40 → "-0.40".
QString CmText(qint64 zehntel);

/// A value with two decimals, rounded from its exact binary value with exact ties away from
/// zero (0.125 → "0.13"); a value that rounds to zero is "0.00", never "-0.00".
QString ZweiDezimalen(double wert);

/// A jaw position: (t / D × 100) / 100 in this order, written with ZweiDezimalen;
/// nullopt when the value is not finite (D is 0 or too small).
std::optional<QString> JawText(qint64 zehntel, double d);

/// A text with decimal comma as a number with two decimals ("12,5" → "12.50");
/// "0" when the text is not a number.
QString NumText(QStringView text);

} // namespace qv
