#pragma once

#include <QDateTime>

namespace qv {

/// "Now", replaceable in tests.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

} // namespace qv
