#pragma once

#include <QDateTime>

namespace qv {

/// TDateTime: days since 1899-12-30 00:00, the fraction is the time of day
/// (for negative values the fraction still counts forward from midnight).
double toTDateTime(const QDateTime &dt);
QDateTime fromTDateTime(double value);

} // namespace qv
