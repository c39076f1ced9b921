#include "base/Extended80.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace qv {

std::array<std::uint8_t, 10> doubleToExtended(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const bool negative = (bits >> 63) != 0;
    const int exp = int((bits >> 52) & 0x7FF);
    std::uint64_t frac = bits & ((std::uint64_t(1) << 52) - 1);

    std::uint64_t mantissa = 0;
    int e = 0;
    if (exp == 0 && frac == 0) {
        e = 0;
    } else if (exp == 0x7FF) {
        e = 0x7FFF;
        mantissa = (std::uint64_t(1) << 63) | (frac << 11);
    } else if (exp == 0) {
        // Subnormal double: normalise, the extended range holds it as a normal number.
        int shift = 0;
        while ((frac & (std::uint64_t(1) << 52)) == 0) {
            frac <<= 1;
            ++shift;
        }
        e = 1 - 1023 - shift + 16383;
        mantissa = frac << 11;
    } else {
        e = exp - 1023 + 16383;
        mantissa = (std::uint64_t(1) << 63) | (frac << 11);
    }
    std::array<std::uint8_t, 10> out{};
    for (int i = 0; i < 8; ++i)
        out[size_t(i)] = std::uint8_t(mantissa >> (8 * i));
    const unsigned top = unsigned(e) | (negative ? 0x8000u : 0u);
    out[8] = std::uint8_t(top);
    out[9] = std::uint8_t(top >> 8);
    return out;
}

double extendedToDouble(const std::uint8_t *bytes)
{
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | bytes[i];
    const unsigned top = unsigned(bytes[8]) | unsigned(bytes[9]) << 8;
    const bool negative = (top & 0x8000u) != 0;
    const int e = int(top & 0x7FFFu);
    double v;
    if (e == 0x7FFF) {
        v = (mantissa << 1) == 0 ? std::numeric_limits<double>::infinity()
                                 : std::numeric_limits<double>::quiet_NaN();
    } else if (mantissa == 0) {
        v = 0.0;
    } else {
        v = std::ldexp(double(mantissa), (e == 0 ? 1 : e) - 16383 - 63);
    }
    return negative ? -v : v;
}

} // namespace qv
