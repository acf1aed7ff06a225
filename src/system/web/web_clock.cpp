#include "system/web/web_clock.h"

#include "system/posix/local_wall_time.h"
#include "system/web/page_imports.h"

namespace velmo {

void WebClock::Pause(std::uint32_t ms)
{
    velmo_pause(ms);
}

std::uint32_t WebClock::Ticks()
{
    return WrapTicks(velmo_now_ms());
}

// The C library asks the browser for the time and the zone's offset.
LocalTime WebClock::WallTime()
{
    return LocalWallTime();
}

} // namespace velmo
