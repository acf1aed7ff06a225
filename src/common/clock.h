// Time for the window: the real clock and pause in the program, a simulated
// one in the window tests, so that the same dialog runs on either.
#pragma once

#include <cstdint>

namespace velmo {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void Sleep(std::uint32_t ms) = 0;
    virtual std::uint32_t GetTickCount() = 0;
};

// Milliseconds since system start (GetTickCount on Windows, CLOCK_BOOTTIME
// elsewhere), wrapping at 2^32; Sleep blocks the calling thread, which is the
// one UI thread.
class RealClock : public Clock {
public:
    void Sleep(std::uint32_t ms) override;
    std::uint32_t GetTickCount() override;
};

class SimulatedClock : public Clock {
public:
    explicit SimulatedClock(std::uint32_t start = 100000) : tick_(start) {}
    void Sleep(std::uint32_t ms) override { tick_ += ms; }
    std::uint32_t GetTickCount() override { return tick_; }
    void Advance(std::uint32_t ms) { tick_ += ms; }

private:
    std::uint32_t tick_;
};

} // namespace velmo
