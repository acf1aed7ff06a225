#include "common/number_to_text.h"
#include "selfcheck/patience_panel.h"
#include "support/highscore_slots.h"
#include "support/program_fixture.h"
#include "support/trainer_state_access.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

namespace velmo::test {
namespace {

constexpr std::uint32_t kPressMs = 2020;
constexpr std::uint32_t kSetbackBandPressMs = 2055;

class PatienceTest : public ProgramFixture {
protected:
    void Hit() { Press(ids::kPatienceHit); }
    float Points() const { return trainers.patience.points(); }

    // Waits until the gain of the next press, drawn 20 ms into it, is `gain`.
    void WaitForGain(int gain)
    {
        while (FirstRand(platform.Ticks() + 20) % 15 + 1 != gain)
            Wait(1);
    }
    // Waits until the next press draws a gain of 8 and, should it draw for a
    // setback 55 ms into it, the 3 that means one.
    void WaitForEightAndASetbackDraw()
    {
        while (FirstRand(platform.Ticks() + 20) % 15 + 1 != 8 || FirstRand(platform.Ticks() + 55) % 100 + 1 != 3)
            Wait(1);
    }

    // Presses HIT until the points lie strictly between lo and hi.
    bool HitUntilBetween(float lo, float hi)
    {
        for (int n = 0; n < 1000; ++n) {
            Hit();
            if (Points() > lo && Points() < hi)
                return true;
        }
        return false;
    }
};

TEST_F(PatienceTest, FirstHitAddsGainOver260)
{
    WaitForGain(8);
    const std::uint32_t slept = platform.sleptMs();
    Hit();
    EXPECT_EQ(Box(ids::kPatiencePointsBox), "0.0307296");
    EXPECT_EQ(platform.sleptMs() - slept, kPressMs);
    EXPECT_EQ(trainers.patience.hitCount(), 1);
}

TEST_F(PatienceTest, FirstHitLiesBetweenOneAndFifteenGains)
{
    for (int start = 0; start < 40; ++start) {
        Press(ids::kPatienceDone);
        Wait(static_cast<std::uint32_t>(start * 7 + 3));
        Hit();
        EXPECT_GE(Points(), 1 / 260.335f);
        EXPECT_LE(Points(), 15 / 260.335f);
    }
}

// What one press with a gain of 8 from 0 points gives in each of the four
// rate bands: 8 / 260.335, 8 / 80.335 less a setback's two thirds (the only
// band that draws for one), 8 / 34.77 and 8 / 4.123, each sum rounded to
// single precision.  Literal, so the test does not share the compiler's
// arithmetic with the program.
struct Band {
    const char* name;
    float points;
    const char* text;
    std::uint32_t pressMs;
};
constexpr Band kSlow{"slow", 0x1.f77972p-6f, "0.0307296", kPressMs};
constexpr Band kSetbackBand{"setback", 0x1.0fed9p-5f, "0.0331943", kSetbackBandPressMs};
constexpr Band kFaster{"faster", 0x1.d735f8p-3f, "0.230083", kPressMs};
constexpr Band kFastest{"fastest", 0x1.f0b9c6p+0f, "1.94033", kPressMs};

// Press `press` with a gain of 8 from 0 points, a setback drawn if the band
// draws for one; the presses on the edge of two bands may take either.
struct BandCase {
    int press;
    Band band;
    std::optional<Band> orBand;
};

void PrintTo(const BandCase& c, std::ostream* os)
{
    *os << "press " << c.press;
}

class PatienceBand : public PatienceTest, public ::testing::WithParamInterface<BandCase> {};

TEST_P(PatienceBand, GainOverTheBandsDivisorAndItsSetback)
{
    const BandCase& c = GetParam();
    TrainerStateAccess::HitCount(trainers.patience) = c.press - 1;
    WaitForEightAndASetbackDraw();
    const std::uint32_t slept = platform.sleptMs();
    Hit();
    const std::uint32_t frozen = platform.sleptMs() - slept;
    const std::string shown = Box(ids::kPatiencePointsBox);
    const auto matches = [&](const Band& band) {
        return Points() == band.points && shown == band.text && frozen == band.pressMs;
    };
    EXPECT_TRUE(matches(c.band) || (c.orBand && matches(*c.orBand)))
        << "press " << c.press << ": " << shown << " after " << frozen << " ms, expected the " << c.band.name << " band"
        << (c.orBand ? std::string(" or the ") + c.orBand->name : std::string());
}

INSTANTIATE_TEST_SUITE_P(Presses, PatienceBand,
                         ::testing::Values(BandCase{1, kSlow, {}}, BandCase{49, kSlow, {}},
                                           BandCase{50, kSlow, kSetbackBand}, BandCase{51, kSetbackBand, {}},
                                           BandCase{199, kSetbackBand, {}}, BandCase{200, kSetbackBand, kFaster},
                                           BandCase{201, kFaster, {}}, BandCase{399, kFaster, {}},
                                           BandCase{400, kFaster, kFastest}, BandCase{401, kFastest, {}},
                                           BandCase{100000, kFastest, {}}),
                         [](const auto& info) { return "Press" + std::to_string(info.param.press); });

TEST_F(PatienceTest, SetbackTakesTwoThirds)
{
    // Press 51 from 3 points, a gain of 8 and a setback: (3 + 8 / 80.335) / 3.
    TrainerStateAccess::HitCount(trainers.patience) = 50;
    TrainerStateAccess::Points(trainers.patience) = 3.0f;
    WaitForEightAndASetbackDraw();
    Hit();
    EXPECT_EQ(Points(), 0x1.087f6cp+0f);
    EXPECT_EQ(Box(ids::kPatiencePointsBox), "1.03319");
}

TEST_F(PatienceTest, FiveQuickPressesFreezeForTenSeconds)
{
    const std::uint32_t slept = platform.sleptMs();
    const std::size_t effects = platform.effects().size();
    float last = 0.0f;
    for (int n = 0; n < 5; ++n) {
        Hit();
        EXPECT_GT(Points(), last);
        last = Points();
    }
    EXPECT_EQ(platform.sleptMs() - slept, 5 * kPressMs);
    EXPECT_EQ(platform.effects().size(), effects + 5);
}

TEST_F(PatienceTest, DoneWithoutPointsBeatsNothing)
{
    Press(ids::kPatienceDone);
    EXPECT_EQ(Box(ids::kPatiencePointsBox), "");
    EXPECT_EQ(ReadFile(kHighscoreFileName), "0 0 0 0 0 0 0 0 0 0 ");
    EXPECT_EQ(platform.MessageCount(), 0);
}

TEST_F(PatienceTest, DoneWithAFractionAgainstZeroStoresZero)
{
    Hit();
    Press(ids::kPatienceDone);
    EXPECT_EQ(Box(ids::kPatiencePointsBox), "Highscore! 0");
    EXPECT_EQ(FileSlots()[slots::kPatience], 0);
    EXPECT_EQ(trainers.patience.hitCount(), 0);
    EXPECT_EQ(Points(), 0.0f);

    const std::uint32_t slept = platform.sleptMs();
    Hit();
    EXPECT_EQ(platform.sleptMs() - slept, kPressMs) << "the count starts again from press 1";
    EXPECT_LE(Points(), 15 / 260.335f);
}

TEST_F(PatienceTest, TwelvePointsSomethingAgainstTwelve)
{
    WriteSlot(slots::kPatience, 12);
    ASSERT_TRUE(HitUntilBetween(12.0f, 13.0f));
    const std::size_t effects = platform.effects().size();
    Press(ids::kPatienceDone);
    ASSERT_GT(platform.effects().size(), effects);
    EXPECT_EQ(platform.effects()[effects].text, "") << "the box is emptied before the offer";
    EXPECT_EQ(Box(ids::kPatiencePointsBox), "Highscore! 12");
    EXPECT_EQ(FileSlots()[slots::kPatience], 12);
    EXPECT_EQ(Points(), 0.0f);
}

TEST_F(PatienceTest, TwelvePointsSomethingAgainstThirteen)
{
    WriteSlot(slots::kPatience, 13);
    ASSERT_TRUE(HitUntilBetween(12.0f, 13.0f));
    Press(ids::kPatienceDone);
    EXPECT_EQ(Box(ids::kPatiencePointsBox), "");
    EXPECT_EQ(FileSlots()[slots::kPatience], 13);
    EXPECT_EQ(trainers.patience.hitCount(), 0);
    EXPECT_EQ(Points(), 0.0f);
}

TEST_F(PatienceTest, MissingFileLosesThePoints)
{
    std::filesystem::remove(kHighscoreFileName);
    Hit();
    Press(ids::kPatienceDone);
    ASSERT_EQ(platform.MessageCount(), 1);
    EXPECT_EQ(platform.LastMessage()->text, "Highscore list gone?");
    EXPECT_EQ(platform.LastMessage()->caption, kApplicationName);
    EXPECT_EQ(Box(ids::kPatiencePointsBox), "");
    EXPECT_EQ(trainers.patience.hitCount(), 0);
    EXPECT_EQ(Points(), 0.0f);
    EXPECT_FALSE(std::filesystem::exists(kHighscoreFileName));
}

TEST_F(PatienceTest, UnwritableFileAnnouncesNoHighscore)
{
    WriteSlot(slots::kPatience, -5);
    Hit();
    files.FailWritesAfter(0);
    Press(ids::kPatienceDone);
    EXPECT_EQ(platform.LastMessage()->text, "Highscore list gone?");
    EXPECT_EQ(Box(ids::kPatiencePointsBox), "");
    EXPECT_EQ(FileSlots()[slots::kPatience], -5);
    EXPECT_EQ(Points(), 0.0f);
}

// The count stops at the limit and stays in the fastest band.
TEST_F(PatienceTest, HitCountStopsAtTheThirtyTwoBitLimit)
{
    TrainerStateAccess::HitCount(trainers.patience) = std::numeric_limits<std::int32_t>::max();
    Hit();
    EXPECT_EQ(trainers.patience.hitCount(), std::numeric_limits<std::int32_t>::max());
    EXPECT_GE(Points(), 1.0f / 4.123f);
}

} // namespace
} // namespace velmo::test
