// The one seam for time.  Every Platform reads the tick count and pauses
// through a Clock: the program runs on the real one, the tests, the replay
// tool and the window tests on a simulated one whose pauses cost nothing.
#pragma once

#include "velmo_names.h"

#include <cstdint>

namespace velmo {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void Pause(std::uint32_t ms) = 0;
    virtual std::uint32_t Ticks() = 0;
};

// Milliseconds since system start (GetTickCount on Windows, CLOCK_BOOTTIME
// elsewhere), wrapping at 2^32; Pause blocks the calling thread, which is the
// one UI thread.
class RealClock : public Clock {
public:
    void Pause(std::uint32_t ms) override;
    std::uint32_t Ticks() override;
};

// A millisecond counter that only Pause and Advance move, wrapping like the
// real one.  It also sums the pauses, so that tests can tell the time a
// press spent pausing from the time a user waited.
class SimulatedClock : public Clock {
public:
    explicit SimulatedClock(std::uint32_t start = kDefaultStartTick) : tick_(start) {}
    void Pause(std::uint32_t ms) override
    {
        tick_ += ms;
        slept_ += ms;
    }
    std::uint32_t Ticks() override { return tick_; }

    // Lets time pass without a pause (a user's wait between presses).
    void Advance(std::uint32_t ms) { tick_ += ms; }
    std::uint32_t sleptMs() const { return slept_; }

private:
    std::uint32_t tick_;
    std::uint32_t slept_ = 0;
};

} // namespace velmo
