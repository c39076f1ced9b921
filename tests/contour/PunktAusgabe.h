#pragma once

#include <QPoint>

#include <ostream>

// Readable points in failure messages.
inline void PrintTo(const QPoint &p, std::ostream *os)
{
    *os << "(" << p.x() << ", " << p.y() << ")";
}
