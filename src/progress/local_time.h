// Local wall-clock time as the practice log writes it: ISO 8601 with the
// milliseconds and the offset from UTC, e.g. 2026-12-09T14:03:27.412+01:00.
// The caller reads the clock and the time zone; this unit only turns the
// plain value into text and back, so the log's lines are reproducible.
#pragma once

#include "common/wall_time.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmo {

// The text for years 0000 to 9999, which is what ParseLocalTime reads back.
std::string FormatLocalTime(LocalTime time);

// The time in exactly FormatLocalTime's form; nothing for any other text or
// a date that does not exist.
std::optional<LocalTime> ParseLocalTime(std::string_view text);

} // namespace velmo
