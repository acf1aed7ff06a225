#include "common/recording_platform.h"
#include "scores/highscore_file.h"
#include "selfcheck/patience_panel.h"
#include "selfcheck/range_panel.h"
#include "support/faulty_file_system.h"
#include "support/temp_work_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <sstream>
#include <string>

namespace velmo::test {
namespace {

// Patience points offered to slot 3: compared as real numbers, stored
// truncated toward zero, and never beyond what a 32-bit slot holds.
struct PointsCase {
    const char* name;
    std::int32_t slot;
    float points;
    HighscoreOutcome outcome;
    std::int32_t stored; // the slot afterwards
};

void PrintTo(const PointsCase& c, std::ostream* os)
{
    *os << c.name;
}

class HighscorePoints : public ::testing::TestWithParam<PointsCase> {
protected:
    HighscorePoints() : platform(files, 100000) {}

    TempWorkDir dir;
    FaultyFileSystem files;
    RecordingPlatform platform;
};

TEST_P(HighscorePoints, ComparedAsRealsStoredTruncated)
{
    HighscoreSlots slots{};
    slots[slots::kPatience] = GetParam().slot;
    slots[slots::kRange] = 7;
    WriteFile(kHighscoreFileName, FormatHighscoreValues(slots));

    const HighscoreResult result = UpdateHighscore(platform, slots::kPatience, GetParam().points);

    EXPECT_EQ(result.outcome, GetParam().outcome);
    std::istringstream in(ReadFile(kHighscoreFileName));
    const HighscoreSlots after = ParseHighscoreValues(in).slots;
    EXPECT_EQ(after[slots::kPatience], GetParam().stored);
    EXPECT_EQ(after[slots::kRange], 7);
    if (GetParam().outcome == HighscoreOutcome::NewHighscore) {
        EXPECT_EQ(result.stored, GetParam().stored);
    }
    EXPECT_EQ(platform.MessageCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Points, HighscorePoints,
    ::testing::Values(PointsCase{"FractionOverZero", 0, 0.5f, HighscoreOutcome::NewHighscore, 0},
                      PointsCase{"JustAboveTheSlot", 12, 12.0001f, HighscoreOutcome::NewHighscore, 12},
                      PointsCase{"EqualIsNotBeaten", 12, 12.0f, HighscoreOutcome::NotBeaten, 12},
                      PointsCase{"NegativeFractionTruncatesUp", -1, -0.5f, HighscoreOutcome::NewHighscore, 0},
                      PointsCase{"NegativeBelowTheSlot", -1, -1.5f, HighscoreOutcome::NotBeaten, -1},
                      PointsCase{"BeyondThirtyTwoBits", 0, 3e9f, HighscoreOutcome::NewHighscore, 2147483647},
                      PointsCase{"FloatJustAboveTheLargestSlot", 2147483647, 2147483647.0f,
                                 HighscoreOutcome::NewHighscore, 2147483647}),
    [](const ::testing::TestParamInfo<PointsCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace velmo::test
