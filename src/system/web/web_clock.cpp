#include "system/web/web_clock.h"

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

} // namespace velmo
