#include "system/web/web_clock.h"

extern "C" {
// page_imports.js: the time origin plus the time since it, and a pause that
// suspends the program until a timer fires.
double velmo_now_ms();
void velmo_pause(std::uint32_t ms);
}

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
