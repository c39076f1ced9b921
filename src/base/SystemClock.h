#pragma once

#include "base/Clock.h"

#include <QDateTime>

namespace qv {

/// The computer's own clock.
class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace qv
