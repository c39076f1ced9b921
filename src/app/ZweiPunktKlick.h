#pragma once

#include <QPoint>

#include <optional>

namespace qv {

/// Two-click inputs (scale points, field corners): which of the two points a click sets.
/// For the scale the second point is constrained by Shift/Ctrl with the first as reference.
struct ZweiPunktKlick
{
    int punkt = 0; // 1 or 2; 0 when both are set already
    QPoint wert;
};
ZweiPunktKlick massstabKlick(std::optional<QPoint> punkt1, std::optional<QPoint> punkt2, QPoint p,
                             bool shift, bool ctrl);
ZweiPunktKlick feldKlick(std::optional<QPoint> ecke1, std::optional<QPoint> ecke2, QPoint p);

/// Shift keeps the y of the reference point (a horizontal line), Ctrl its x (a vertical line),
/// both give the reference point itself. Without a reference point the keys do nothing.
QPoint zwangAnwenden(QPoint p, std::optional<QPoint> bezug, bool shift, bool ctrl);

} // namespace qv
