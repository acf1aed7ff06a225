#include "progress/local_time.h"

#include <gtest/gtest.h>

#include <string>

namespace velmo {
namespace {

struct TimeCase {
    const char* name;
    LocalTime time;
    std::string text;
};

void PrintTo(const TimeCase& c, std::ostream* os)
{
    *os << c.name;
}

class LocalTimeText : public testing::TestWithParam<TimeCase> {};

TEST_P(LocalTimeText, FormatsAndParsesBack)
{
    EXPECT_EQ(FormatLocalTime(GetParam().time), GetParam().text);
    EXPECT_EQ(ParseLocalTime(GetParam().text), GetParam().time);
}

// Unix milliseconds computed independently (Python's datetime).
INSTANTIATE_TEST_SUITE_P(
    Times, LocalTimeText,
    testing::Values(TimeCase{"epoch", {0, 0}, "1970-01-01T00:00:00.000+00:00"},
                    TimeCase{"central_europe", {1796821407412, 60}, "2026-12-09T14:03:27.412+01:00"},
                    TimeCase{"before_epoch", {-1, 0}, "1969-12-31T23:59:59.999+00:00"},
                    TimeCase{"into_leap_day_east", {1709249400000, 60}, "2024-03-01T00:30:00.000+01:00"},
                    TimeCase{"half_hour_west", {1709249400000, -570}, "2024-02-29T14:00:00.000-09:30"}),
    [](const testing::TestParamInfo<TimeCase>& info) { return std::string(info.param.name); });

TEST(LocalTimeParse, RejectsOtherForms)
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
