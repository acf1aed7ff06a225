// A moment of the wall clock as the practice log keeps it: the instant and
// the local time zone's offset from UTC at that instant.  The Clock supplies
// it (clock.h); progress/local_time.h writes it as text.
#pragma once

#include <cstdint>

namespace velmo {

struct LocalTime {
    std::int64_t unixMs = 0;        // milliseconds since 1970-01-01T00:00Z
    std::int32_t offsetMinutes = 0; // local time minus UTC, within +-23:59
    friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

} // namespace velmo
