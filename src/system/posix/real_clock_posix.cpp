#include "common/clock.h"
#include "system/posix/local_wall_time.h"

#include <cerrno>
#include <ctime>

namespace velmo {

void RealClock::Pause(std::uint32_t ms)
{
    // An absolute deadline, so that a signal cannot stretch the pause.
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += static_cast<time_t>(ms / 1000);
    deadline.tv_nsec += static_cast<long>(ms % 1000) * 1000000L;
    if (deadline.tv_nsec >= 1000000000L) {
        deadline.tv_sec += 1;
        deadline.tv_nsec -= 1000000000L;
    }
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
}

std::uint32_t RealClock::Ticks()
{
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(ms); // wraps like the 32-bit tick count
}

LocalTime RealClock::WallTime()
{
    return LocalWallTime();
}

LocalTime LocalWallTime()
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    const bool zoned = localtime_r(&now.tv_sec, &local) != nullptr;
    return {static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000,
            zoned ? static_cast<std::int32_t>(local.tm_gmtoff / 60) : 0};
}

} // namespace velmo
