#include "common/generator.h"
#include "common/recording_platform.h"
#include "odds/odds_trainer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace velmo {
namespace {

// The rows the panel's own description names: a third of the pot needs 20 %,
// 5 and 12 pots need 50, rows 8 and 9 share 40, row 12 holds 0.67.
TEST(BetSizeTable, RowsNamedInWords)
{
    EXPECT_EQ(BetFractionForRow(4), 0.33f);
    EXPECT_EQ(RequiredEquityForFraction(0.33f), 20);
    EXPECT_EQ(BetFractionForRow(10), 5.0f);
    EXPECT_EQ(BetFractionForRow(11), 12.0f);
    EXPECT_EQ(RequiredEquityForFraction(5.0f), 50);
    EXPECT_EQ(RequiredEquityForFraction(12.0f), 50);
    EXPECT_EQ(BetFractionForRow(12), 0.67f);
    EXPECT_EQ(RequiredEquityForFraction(0.67f), 29);
    EXPECT_NE(BetFractionForRow(8), BetFractionForRow(9));
    EXPECT_EQ(RequiredEquityForFraction(BetFractionForRow(8)), 40);
    EXPECT_EQ(RequiredEquityForFraction(BetFractionForRow(9)), 40);
    EXPECT_EQ(OddsBetAmount(1234, BetFractionForRow(4)), 407);
}

// Twelve different bets, from a tenth of the pot to twelve pots; a larger
// bet never needs less equity, and none needs more than half.
TEST(BetSizeTable, LargerBetsNeedAtLeastAsMuchEquity)
{
    std::map<float, int> equityByFraction;
    for (int row = 1; row <= 12; ++row)
        equityByFraction[BetFractionForRow(row)] = RequiredEquityForFraction(BetFractionForRow(row));
    ASSERT_EQ(equityByFraction.size(), 12u);
    EXPECT_EQ(equityByFraction.begin()->first, 0.1f);
    EXPECT_EQ(equityByFraction.rbegin()->first, 12.0f);
    int previous = 1;
    for (const auto& [fraction, equity] : equityByFraction) {
        EXPECT_GE(equity, previous) << "a bet of " << fraction << " pots";
        EXPECT_LE(equity, 50) << "a bet of " << fraction << " pots";
        previous = equity;
    }
}

TEST(BetSizeTable, OutsideTheTable)
{
    for (int row : {0, 13, -1, 100})
        EXPECT_EQ(BetFractionForRow(row), 0.0f) << "row " << row;
    EXPECT_EQ(RequiredEquityForFraction(0.0f), 0) << "no situation dealt yet";
}

// The bet shown is the whole part of pot times the decimal fraction, for
// every pot that can be drawn.
class BetAmountTest : public ::testing::TestWithParam<int> {};

TEST_P(BetAmountTest, WholePartOfTheDecimalProductForEveryPot)
{
    const float fraction = BetFractionForRow(GetParam());
    const auto hundredths = static_cast<std::int32_t>(std::lround(fraction * 100.0));
    int mismatches = 0;
    for (std::int32_t pot = 10; pot <= 5009; ++pot) {
        const std::int32_t expected = pot * hundredths / 100;
        if (OddsBetAmount(pot, fraction) != expected && ++mismatches <= 5)
            ADD_FAILURE() << "pot " << pot << " at " << fraction << ": " << OddsBetAmount(pot, fraction)
                          << " instead of " << expected;
    }
    EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, BetAmountTest, ::testing::Range(1, 13),
                         [](const auto& info) { return "Row" + std::to_string(info.param); });

struct JudgeCase {
    const char* name;
    std::int32_t outs;
    std::int32_t streets;
    int row;
    bool call;
};

void PrintTo(const JudgeCase& c, std::ostream* os)
{
    *os << c.outs << " outs, " << c.streets << " streets against row " << c.row << (c.call ? ": call" : ": fold");
}

class OddsCallExpectedTest : public ::testing::TestWithParam<JudgeCase> {};

TEST_P(OddsCallExpectedTest, EqualEquityMeansCall)
{
    const JudgeCase& c = GetParam();
    EXPECT_EQ(OddsCallExpected(c.outs, c.streets, BetFractionForRow(c.row)), c.call);
}

INSTANTIATE_TEST_SUITE_P(Edges, OddsCallExpectedTest,
                         ::testing::Values(JudgeCase{"TenOutsOneStreetAgainstThird", 10, 1, 4, true},
                                           JudgeCase{"NineOutsOneStreetAgainstThird", 9, 1, 4, false},
                                           JudgeCase{"FiveOutsTwoStreetsAgainstThird", 5, 2, 4, true},
                                           JudgeCase{"FourOutsTwoStreetsAgainstThird", 4, 2, 4, false},
                                           JudgeCase{"TwelveOutsTwoStreetsAgainstFivePots", 12, 2, 10, false},
                                           JudgeCase{"ThirteenOutsTwoStreetsAgainstFivePots", 13, 2, 10, true},
                                           JudgeCase{"TwentyOneOutsOneStreetAgainstFivePots", 21, 1, 10, false},
                                           JudgeCase{"TwelveOutsTwoStreetsAgainstTwelvePots", 12, 2, 11, false},
                                           JudgeCase{"ThirteenOutsTwoStreetsAgainstTwelvePots", 13, 2, 11, true},
                                           JudgeCase{"TenOutsTwoStreetsAgainstPotAndHalf", 10, 2, 9, true},
                                           JudgeCase{"TwentyOutsOneStreetAgainstSixFifths", 20, 1, 8, true},
                                           JudgeCase{"NineteenOutsOneStreetAgainstSixFifths", 19, 1, 8, false},
                                           JudgeCase{"SevenOutsTwoStreetsAgainstTwoThirds", 7, 2, 12, false},
                                           JudgeCase{"FifteenOutsOneStreetAgainstTwoThirds", 15, 1, 12, true},
                                           JudgeCase{"SevenOutsOneStreetAgainstFifth", 7, 1, 2, true},
                                           JudgeCase{"SixOutsOneStreetAgainstFifth", 6, 1, 2, false},
                                           JudgeCase{"FifteenOutsOneStreetAgainstThreeQuarters", 15, 1, 6, true},
                                           JudgeCase{"FourOutsOneStreetAgainstTenth", 4, 1, 1, false},
                                           JudgeCase{"NoSituationYet", 0, 0, 0, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// Each value: its pause, and the least and most it can be.
struct DrawCase {
    const char* name;
    OddsValue value;
    std::uint32_t pauseMs;
    int least;
    int most;
};

void PrintTo(const DrawCase& c, std::ostream* os)
{
    *os << c.name << ": pause " << c.pauseMs << " ms, " << c.least << " to " << c.most;
}

class DrawOddsValueTest : public ::testing::TestWithParam<DrawCase> {};

// The value depends on the clock after the pause alone, whatever the
// generator held before; the generator is left seeded from that tick with
// one value taken.
TEST_P(DrawOddsValueTest, PausesThenDrawsFromTheClockAlone)
{
    const DrawCase& c = GetParam();
    for (std::uint32_t start : {100000u, 123457u, 4000000000u, 4294967290u}) {
        RecordingPlatform platform(start);
        RecordingPlatform other(start);
        other.srand(start * 7919u);
        const int value = DrawOddsValue(platform, c.value);
        EXPECT_EQ(DrawOddsValue(other, c.value), value) << "start " << start;
        EXPECT_EQ(platform.sleptMs(), c.pauseMs);
        EXPECT_EQ(platform.Ticks(), start + c.pauseMs);
        Generator expected;
        expected.srand(start + c.pauseMs);
        expected.rand();
        EXPECT_EQ(platform.rand(), expected.rand()) << "start " << start;
    }
}

TEST_P(DrawOddsValueTest, CoversItsWholeRange)
{
    const DrawCase& c = GetParam();
    const int range = c.most - c.least + 1;
    RecordingPlatform platform(100000);
    std::vector<int> seen(static_cast<std::size_t>(range), 0);
    for (int n = 0; n < range * 40; ++n) {
        platform.Advance(static_cast<std::uint32_t>(n % 7));
        const int value = DrawOddsValue(platform, c.value);
        ASSERT_GE(value, c.least);
        ASSERT_LE(value, c.most);
        ++seen[static_cast<std::size_t>(value - c.least)];
    }
    EXPECT_GT(seen.front(), 0) << c.least << " never drawn";
    EXPECT_GT(seen.back(), 0) << c.most << " never drawn";
    if (range <= 20) {
        for (int v = 0; v < range; ++v)
            EXPECT_GT(seen[static_cast<std::size_t>(v)], 0) << "value " << v + c.least << " never drawn";
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, DrawOddsValueTest,
                         ::testing::Values(DrawCase{"PotSize", OddsValue::PotSize, 155, 10, 5009},
                                           DrawCase{"BetRow", OddsValue::BetRow, 13, 1, 12},
                                           DrawCase{"Outs", OddsValue::Outs, 213, 2, 21},
                                           DrawCase{"StreetsLeft", OddsValue::StreetsLeft, 133, 1, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DrawOddsValue, OtherKindsGiveZeroWithoutPauseOrDraw)
{
    for (int kind : {0, 5, -1, 1000}) {
        RecordingPlatform platform(100000);
        EXPECT_EQ(DrawOddsValue(platform, static_cast<OddsValue>(kind)), 0) << "kind " << kind;
        EXPECT_EQ(platform.sleptMs(), 0u);
        Generator untouched;
        EXPECT_EQ(platform.rand(), untouched.rand()) << "kind " << kind << " drew from the generator";
    }
}

} // namespace
} // namespace velmo
