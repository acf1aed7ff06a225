// Turning the trainers' real-valued scores into the 32-bit integers the
// highscore file stores.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace velmo {

// `value` truncated toward zero.  A value that no signed 32-bit integer holds
// is clamped (NaN to the lowest) rather than left undefined.
inline std::int32_t TruncateToInt32(double value)
{
    constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
    const double truncated = std::trunc(value);
    if (!(truncated >= kLowest))
        return std::numeric_limits<std::int32_t>::min();
    if (truncated > kHighest)
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(truncated);
}

} // namespace velmo
