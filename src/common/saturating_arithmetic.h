// Score and counter arithmetic that stays defined at the 32-bit limits.  A
// running score or a press counter that would pass a limit stops there, so a
// player who presses long enough sees the largest number rather than its
// opposite, and a counter never wraps back into the range that reopens an
// answer gate or restarts a session.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace velmo {

// A wider integer brought into the 32-bit range: the nearest limit where it
// does not fit.
inline std::int32_t ClampToInt32(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

inline std::int32_t SaturatingAdd(std::int32_t a, std::int32_t b)
{
    return ClampToInt32(std::int64_t{a} + std::int64_t{b});
}

// A real number truncated toward zero, as a conversion to an integer does;
// values beyond the 32-bit range give the nearest limit, and NaN gives the
// lowest value, which beats no stored score.
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
