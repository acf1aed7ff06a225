#include "common/recording_platform.h"
#include "odds/equity_trainer.h"
#include "support/odds_draws.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace velmo {
namespace {

struct BetRowCase {
    int row;
    float fraction;
    int hundredths; // the fraction as a decimal, in hundredths of the pot
    int requiredEquity;
};

void PrintTo(const BetRowCase& c, std::ostream* os)
{
    *os << "row " << c.row << ": " << c.hundredths << " % of the pot, " << c.requiredEquity << " % equity";
}

// Row 12 holds 0.67; rows 8 and 9 share 40, rows 10 and 11 share 50.
constexpr BetRowCase kBetRows[] = {
    {1, 0.1f, 10, 9},   {2, 0.2f, 20, 14},   {3, 0.25f, 25, 17},    {4, 0.33f, 33, 20},
    {5, 0.5f, 50, 25},  {6, 0.75f, 75, 30},  {7, 1.0f, 100, 33},    {8, 1.2f, 120, 40},
    {9, 1.5f, 150, 40}, {10, 5.0f, 500, 50}, {11, 12.0f, 1200, 50}, {12, 0.67f, 67, 29},
};

class BetSizeRowTest : public ::testing::TestWithParam<BetRowCase> {};

TEST_P(BetSizeRowTest, FractionAndRequiredEquity)
{
    const BetRowCase& c = GetParam();
    EXPECT_EQ(BetFractionForRow(c.row), c.fraction);
    EXPECT_EQ(RequiredEquityForFraction(c.fraction), c.requiredEquity);
}

// The bet shown is the whole part of pot times the decimal fraction, for
// every pot that can be drawn.
TEST_P(BetSizeRowTest, BetAmountIsWholePartOfDecimalProductForEveryPot)
{
    const BetRowCase& c = GetParam();
    const float fraction = BetFractionForRow(c.row);
    int mismatches = 0;
    for (std::int32_t pot = 10; pot <= 5009; ++pot) {
        const std::int32_t expected = pot * c.hundredths / 100;
        if (OddsBetAmount(pot, fraction) != expected && ++mismatches <= 5)
            ADD_FAILURE() << "pot " << pot << " row " << c.row << ": " << OddsBetAmount(pot, fraction) << " instead of "
                          << expected;
    }
    EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, BetSizeRowTest, ::testing::ValuesIn(kBetRows),
                         [](const auto& info) { return "Row" + std::to_string(info.param.row); });

TEST(BetSizeTable, RowsOutsideTheTableGiveZero)
{
    for (int row : {0, 13, -1, 100})
        EXPECT_EQ(BetFractionForRow(row), 0.0f) << "row " << row;
}

TEST(BetSizeTable, NoSituationYetRequiresNoEquity)
{
    EXPECT_EQ(RequiredEquityForFraction(0.0f), 0);
}

TEST(BetSizeTable, ExampleBet)
{
    EXPECT_EQ(OddsBetAmount(1234, BetFractionForRow(4)), 407);
}

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

struct DrawCase {
    const char* name;
    int kind;
    std::uint32_t sleepMs;
    int range;
    int offset;
};

void PrintTo(const DrawCase& c, std::ostream* os)
{
    *os << "draw " << c.kind << ": pause " << c.sleepMs << " ms, rand() % " << c.range << " + " << c.offset;
}

class DrawOddsValueTest : public ::testing::TestWithParam<DrawCase> {};

TEST_P(DrawOddsValueTest, SleepsReseedsAndDrawsInRange)
{
    const DrawCase& c = GetParam();
    for (std::uint32_t start : {100000u, 123457u, 4000000000u, 4294967290u}) {
        RecordingPlatform platform(start);
        const int value = DrawOddsValue(platform, c.kind);
        EXPECT_EQ(platform.sleptMs(), c.sleepMs);
        EXPECT_EQ(platform.Ticks(), start + c.sleepMs);
        EXPECT_EQ(value, test::FirstRand(start + c.sleepMs) % c.range + c.offset) << "start " << start;
    }
}

TEST_P(DrawOddsValueTest, CoversItsWholeRange)
{
    const DrawCase& c = GetParam();
    RecordingPlatform platform(100000);
    std::vector<int> seen(static_cast<std::size_t>(c.range), 0);
    for (int n = 0; n < c.range * 40; ++n) {
        platform.Advance(static_cast<std::uint32_t>(n % 7));
        const int value = DrawOddsValue(platform, c.kind);
        ASSERT_GE(value, c.offset);
        ASSERT_LT(value, c.offset + c.range);
        ++seen[static_cast<std::size_t>(value - c.offset)];
    }
    if (c.range <= 20) {
        for (int v = 0; v < c.range; ++v)
            EXPECT_GT(seen[static_cast<std::size_t>(v)], 0) << "value " << v + c.offset << " never drawn";
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, DrawOddsValueTest,
                         ::testing::Values(DrawCase{"PotSize", 1, 155, 5000, 10}, DrawCase{"BetRow", 2, 13, 12, 1},
                                           DrawCase{"Outs", 3, 213, 20, 2}, DrawCase{"StreetsLeft", 4, 133, 2, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DrawOddsValue, OtherKindsGiveZeroWithoutPauseOrDraw)
{
    for (int kind : {0, 5, -1, 1000}) {
        RecordingPlatform platform(100000);
        EXPECT_EQ(DrawOddsValue(platform, kind), 0) << "kind " << kind;
        EXPECT_EQ(platform.sleptMs(), 0u);
        Generator untouched;
        EXPECT_EQ(platform.rand(), untouched.rand()) << "kind " << kind << " drew from the generator";
    }
}

} // namespace
} // namespace velmo
