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

LocalTime RealClock::WallTime()
{
    // FILETIME counts 100 ns from 1601-01-01; the local offset is the local
    // FILETIME's distance from it, taken at that very moment.
    FILETIME utc{};
    ::GetSystemTimeAsFileTime(&utc);
    FILETIME local{};
    const auto ticks = [](const FILETIME& time) {
        return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    };
    constexpr std::int64_t kUnixEpoch = 116444736000000000; // 1970-01-01 in FILETIME units
    const std::int64_t offsetTicks = ::FileTimeToLocalFileTime(&utc, &local) ? ticks(local) - ticks(utc) : 0;
    return {(ticks(utc) - kUnixEpoch) / 10000, static_cast<std::int32_t>(offsetTicks / 600000000)};
}

} // namespace velmo
