#include "progress/local_time.h"

#include <gtest/gtest.h>

namespace velmo {
namespace {

TEST(LocalTime, FormatsAndParsesBack)
{
    // Unix milliseconds computed independently (Python's datetime).
    const std::pair<LocalTime, const char*> cases[] = {
        {{0, 0}, "1970-01-01T00:00:00.000+00:00"},
        {{1796821407412, 60}, "2026-12-09T14:03:27.412+01:00"},
        {{-1, 0}, "1969-12-31T23:59:59.999+00:00"},
        {{1709249400000, 60}, "2024-03-01T00:30:00.000+01:00"}, // from a leap day, east of UTC
        {{1709249400000, -570}, "2024-02-29T14:00:00.000-09:30"},
    };
    for (const auto& [time, text] : cases) {
        EXPECT_EQ(FormatLocalTime(time), text);
        EXPECT_EQ(ParseLocalTime(text), time) << text;
    }
}

TEST(LocalTime, ParseRejectsOtherForms)
{
    for (const char* text :
         {"2026-02-30T10:00:00.000+01:00", "2025-02-29T10:00:00.000+01:00", "2026-12-09T24:00:00.000+01:00",
          "2026-12-09T14:60:00.000+01:00", "2026-12-09T14:03:27+01:00", "2026-12-09T14:03:27.412Z",
          "2026-12-09 14:03:27.412+01:00", "2026-12-09T14:03:27.412+01:60", "2026-12-09T14:03:27.412+01:00x",
          "2026-12-09T14:03:27.4-2+01:00", "+026-12-09T14:03:27.412+01:00", ""})
        EXPECT_EQ(ParseLocalTime(text), std::nullopt) << text;
}

} // namespace
} // namespace velmo
