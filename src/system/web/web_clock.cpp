#include "system/web/web_clock.h"

#include "system/web/page_imports.h"

#include <ctime>

namespace velmo {

void WebClock::Pause(std::uint32_t ms)
{
    velmo_pause(ms);
}

std::uint32_t WebClock::Ticks()
{
    return WrapTicks(velmo_now_ms());
}

LocalTime WebClock::WallTime()
{
    // The C library asks the browser for the time and the zone's offset.
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    const bool zoned = localtime_r(&now.tv_sec, &local) != nullptr;
    return {static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000,
            zoned ? static_cast<std::int32_t>(local.tm_gmtoff / 60) : 0};
}

} // namespace velmo
