// Whole numbers of the stirrup and bar-set layouts: counts cut toward zero and lengths rounded half up.
#pragma once

#include <cmath>

namespace CapBeamBarCounts {

// Largest count a layout takes as a number; beyond it a value is not a count of bars.
inline constexpr double kCountLimit = 1e9;

// v cut toward zero as an int count. A value beyond +-kCountLimit is held at the limit and a value
// that is not a number gives 0, so that no conversion leaves the int range.
inline int TruncCount(double v)
{
    if (std::isnan(v)) return 0;
    if (v > kCountLimit) return static_cast<int>(kCountLimit);
    if (v < -kCountLimit) return -static_cast<int>(kCountLimit);
    return static_cast<int>(std::trunc(v));
}

// A length rounded to the nearest whole unit the way bar schedules round it: v + 0.5 cut toward zero.
inline double RoundLength(double v)
{
    return std::trunc(v + 0.5);
}

} // namespace CapBeamBarCounts
