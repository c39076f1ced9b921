#pragma once

#include "base/Clock.h"

namespace qv::test {

class FixedClock final : public Clock
{
public:
    explicit FixedClock(QDateTime t) : m_now(std::move(t)) {}
    QDateTime now() const override { return m_now; }
    void set(QDateTime t) { m_now = std::move(t); }

private:
    QDateTime m_now;
};

} // namespace qv::test
