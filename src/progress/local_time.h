// Local wall-clock time as the practice log writes it: ISO 8601 with the
// milliseconds and the offset from UTC, e.g. 2026-12-09T14:03:27.412+01:00.
// The caller reads the clock and the time zone; this unit only turns the
// plain value into text and back, so the log's lines are reproducible.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmo {

struct LocalTime {
    std::int64_t unixMs = 0;        // milliseconds since 1970-01-01T00:00Z
    std::int32_t offsetMinutes = 0; // local time minus UTC, within +-23:59
    friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

// The text for years 0000 to 9999, which is what ParseLocalTime reads back.
std::string FormatLocalTime(LocalTime time);

// The time in exactly FormatLocalTime's form; nothing for any other text or
// a date that does not exist.
std::optional<LocalTime> ParseLocalTime(std::string_view text);

} // namespace velmo
