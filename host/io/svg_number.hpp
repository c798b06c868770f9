// Numbers in SVG files: the shortest spelling of a float that reads back as
// that float, and the range of numbers read back.
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "host/io/float_text.hpp"

namespace tovrins::host {

inline std::string shortest(float v)
{
    if (!std::isfinite(v))
        v = 0;
    char buf[kFloatRoom];
    return std::string(buf, spellFloat(buf, v));
}

// The document holds single-precision numbers, and export writes any of
// them, up to the largest ("3.4028235e+38"). Every number that rounds to a
// finite float reads back: those below the largest float plus half a unit
// in its last place. Beyond that a number is out of range.
inline constexpr double kMaxSvgNumber = static_cast<double>(std::numeric_limits<float>::max()) + 0x1p103;

inline bool fitsFloat(double v) { return std::fabs(v) < kMaxSvgNumber; } // false for NaN

// The float nearest to v; infinite (or NaN) when v is out of range, for the
// caller's finiteness checks to catch, without an out-of-range conversion.
inline float toFloat(double v)
{
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    constexpr double kMax = std::numeric_limits<float>::max();
    if (!fitsFloat(v))
        return v > 0 ? kInfinity : v < 0 ? -kInfinity : std::numeric_limits<float>::quiet_NaN();
    return static_cast<float>(std::clamp(v, -kMax, kMax));
}

} // namespace tovrins::host
