// The one seam for time.  Every Platform reads the tick count, the wall
// clock and pauses through a Clock: the program runs on the real one, the
// tests, the replay tool and the window tests on a simulated one whose
// pauses cost nothing and whose wall clock moves only with its ticks.
#pragma once

#include "common/wall_time.h"
#include "velmo_names.h"

#include <cstdint>

namespace velmo {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void Pause(std::uint32_t ms) = 0;
    virtual std::uint32_t Ticks() = 0;
    // The local date and time now, for the practice log only: no trainer
    // reads it.
    virtual LocalTime WallTime() = 0;
};

// Milliseconds since system start (GetTickCount on Windows, CLOCK_BOOTTIME
// elsewhere), wrapping at 2^32; Pause blocks the calling thread, which is the
// one UI thread.
class RealClock : public Clock {
public:
    void Pause(std::uint32_t ms) override;
    std::uint32_t Ticks() override;
    // The system's time and its zone's offset at that moment.
    LocalTime WallTime() override;
};

// The simulated wall clock's start unless set: 2026-01-01T00:00:00.000Z.
inline constexpr std::int64_t kDefaultWallTimeMs = 1767225600000;

// A millisecond counter that only Pause and Advance move, wrapping like the
// real one.  It also sums the pauses, so that tests can tell the time a
// press spent pausing from the time a user waited.
class SimulatedClock : public Clock {
public:
    explicit SimulatedClock(std::uint32_t start = kDefaultStartTick) : tick_(start) {}
    void Pause(std::uint32_t ms) override
    {
        Advance(ms);
        slept_ += ms;
    }
    std::uint32_t Ticks() override { return tick_; }
    // The wall time it was started at plus every millisecond it has moved
    // since, so that the same presses always log the same times.
    LocalTime WallTime() override { return {wallStart_.unixMs + moved_, wallStart_.offsetMinutes}; }

    // Lets time pass without a pause (a user's wait between presses).
    void Advance(std::uint32_t ms)
    {
        tick_ += ms;
        moved_ += ms;
    }
    // Sets the wall time of now, from which it then moves with the ticks.
    void SetWallTime(LocalTime now)
    {
        wallStart_ = now;
        moved_ = 0;
    }
    std::uint32_t sleptMs() const { return slept_; }

private:
    std::uint32_t tick_;
    std::uint32_t slept_ = 0;
    std::int64_t moved_ = 0;
    LocalTime wallStart_{kDefaultWallTimeMs, 0};
};

} // namespace velmo
