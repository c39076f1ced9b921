#pragma once

#include <QString>
#include <QtGlobal>

namespace qv {

/// The direction in which the tray or frame is pushed into the accelerator, as the order file
/// stores it (one byte). Reading a file, a byte outside 1-4 leaves the order's direction as
/// it was (the read result keeps the byte).
enum class TEinschubrichtung : quint8 {
    Links = 1,
    Rechts = 2,
    Oben = 3,
    Unten = 4,
};

/// One of the four known codes.
inline bool istBekannteEinschubrichtung(TEinschubrichtung r)
{
    return r >= TEinschubrichtung::Links && r <= TEinschubrichtung::Unten;
}

} // namespace qv
