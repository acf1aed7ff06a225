#include "common/clock.h"

#include "system/windows/windows_api.h"

namespace velmo {

void RealClock::Pause(std::uint32_t ms)
{
    ::Sleep(ms);
}

std::uint32_t RealClock::Ticks()
{
    // The 32-bit tick count itself, wrap after 49.7 days included.
    return ::GetTickCount();
}

} // namespace velmo
