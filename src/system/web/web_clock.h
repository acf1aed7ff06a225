// The page's clock: milliseconds from the browser's high-resolution time,
// wrapping at 32 bits like the desktop's tick count, and a pause that leaves
// the page painted and responsive while the trainers wait (the page's
// clicks queue up and are handled after it, in order).
#pragma once

#include "common/clock.h"

#include <cstdint>

namespace velmo {

// A millisecond time of any size as the 32-bit tick count shows it.
std::uint32_t WrapTicks(double ms);

class WebClock : public Clock {
public:
    void Pause(std::uint32_t ms) override;
    std::uint32_t Ticks() override;
    LocalTime WallTime() override;
};

} // namespace velmo
