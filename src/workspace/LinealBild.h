#pragma once

#include <QImage>

namespace qv {

/// The workspace background when there is no picture: a 40 x 40 cm field at 3 pixels per
/// millimetre (1200 x 1200 pixels), isocentre in the middle, with a centimetre ruler along the
/// top and the left edge and arrow heads at the ends of the two central axes.
QImage LinealBild();

} // namespace qv
