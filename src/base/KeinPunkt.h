#pragma once

#include <QPoint>

namespace qv {

/// Marks an unset point (X, and Y where a whole point is reset). Order files store it as is.
inline constexpr int KeinPunktWert = 999999;
inline constexpr QPoint KeinPunkt{KeinPunktWert, KeinPunktWert};

/// A point whose X is KeinPunktWert is unset.
inline bool istGesetzt(const QPoint &p) { return p.x() != KeinPunktWert; }

} // namespace qv
