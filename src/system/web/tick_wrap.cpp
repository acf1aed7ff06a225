#include "system/web/web_clock.h"

#include <cmath>

namespace velmo {

std::uint32_t WrapTicks(double ms)
{
    constexpr double kWrap = 4294967296.0;
    const double wrapped = std::fmod(std::floor(ms), kWrap);
    return static_cast<std::uint32_t>(wrapped < 0 ? wrapped + kWrap : wrapped);
}

} // namespace velmo
