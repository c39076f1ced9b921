#pragma once

#include <array>
#include <cstdint>

namespace qv {

/// The 80-bit extended float of the customer block, converted by hand so the format does not
/// depend on what long double is: 64-bit mantissa with explicit integer bit (bytes 0..7),
/// then sign and 15-bit exponent with bias 16383 (bytes 8..9), little-endian.
std::array<std::uint8_t, 10> doubleToExtended(double value);
double extendedToDouble(const std::uint8_t *bytes);

} // namespace qv
