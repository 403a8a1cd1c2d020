#pragma once
#include <cmath>
#include <cstdint>
#include <limits>

namespace tramel {

// Rounds to the nearest 32-bit integer, halves to the even neighbour, as every
// draw operation rounds its device coordinates. Values beyond the 32-bit range
// saturate and NaN gives 0, so no conversion ever overflows.
inline std::int32_t clng(double v)
{
    if (std::isnan(v))
        return 0;
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    const double r = std::nearbyint(v); // the default rounding mode is to nearest, ties to even
    if (r <= lo)
        return std::numeric_limits<std::int32_t>::min();
    if (r >= hi)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(r);
}

// The same rounding into a 16-bit integer, saturated.
inline std::int16_t cint(double v)
{
    const std::int32_t r = clng(v);
    if (r < std::numeric_limits<std::int16_t>::min())
        return std::numeric_limits<std::int16_t>::min();
    if (r > std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(r);
}

} // namespace tramel
