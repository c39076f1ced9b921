#include "base/DelphiDateTime.h"

#include <cmath>

namespace qv {

namespace {
const QDate kEpoch(1899, 12, 30);
constexpr double kMsPerDay = 86400000.0;
} // namespace

double toTDateTime(const QDateTime &dt)
{
    const double days = double(kEpoch.daysTo(dt.date()));
    const double frac = double(dt.time().msecsSinceStartOfDay()) / kMsPerDay;
    // Before the epoch the integral part is negative while the time still counts forward.
    return days >= 0 ? days + frac : days - frac;
}

QDateTime fromTDateTime(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > 3.0e6)
        return {};
    const double whole = std::trunc(value);
    const double frac = std::fabs(value - whole);
    qint64 ms = qint64(std::llround(frac * kMsPerDay));
    qint64 days = qint64(whole);
    if (ms >= qint64(kMsPerDay)) {
        ms -= qint64(kMsPerDay);
        days += value >= 0 ? 1 : -1;
    }
    return QDateTime(kEpoch.addDays(days), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

} // namespace qv
