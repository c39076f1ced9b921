#pragma once

#include <QList>
#include <QPoint>

namespace qv {

/// Points of a plan in tenths of a millimetre (x, y as 32-bit integers).
using TPointArray = QList<QPoint>;
/// Whole numbers of a plan, e.g. leaf boundaries in tenths of a millimetre.
using TIntegerArray = QList<qint32>;

} // namespace qv
