#pragma once

#include "export/ExportQuelle.h"

#include <QString>

#include <optional>

namespace qv {

/// The farthest a contour point or field corner may lie from the isocentre, in millimetres of
/// the isocentre plane. No accelerator's field comes near it; a point beyond it comes from a
/// scale or a file that cannot be right.
inline constexpr double kMaxAbstandVomIsozentrumMM = 500.0;

/// The range of the FFA the customer settings accept, in cm.
inline constexpr double kMinFFA = 20.0;
inline constexpr double kMaxFFA = 200.0;

/// Why the order cannot be measured for a production file or printout (an FFA outside its
/// range, a scale that is missing, of distance 0 or less, or of two identical points, a point
/// that lies farther from the isocentre than any field reaches), naming the value; nullopt when
/// it can. Every production output asks this before it writes anything.
std::optional<QString> NichtMessbar(const ExportQuelle &quelle);

} // namespace qv
