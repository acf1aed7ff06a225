#include "common/control_ids.h"
#include "common/recording_platform.h"
#include "odds/fold_situation_texts.h"
#include "support/program_fixture.h"
#include "support/trainer_state_access.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <set>
#include <string>
#include <vector>

namespace velmo {
namespace {

// Written out once more here, so that a slip in either copy shows.
const std::array<std::string, 31> kExpectedTexts = {
    "A very tight player,UTG, opens 12x BB. You are UTG +1 with Kh8s.",
    "UTG, a nit, opens 3x BB. CO, skilled Reg, calls. You are SB with As2d.",
    "BU, Reg, opens 2,5 BB. SB (Reg) 3B to 10 BB. You are BB with 6d6c.",
    "Three players plus you call, flop: AdKd9d. They bet/call 50 % pot. You are BU with 7s7c.",
    "Four players plus you call, flop: AhKh3h. They bet/call 75 % pot. You are BU with 8d5h.",
    "A tight player C-bets flop (10sAcAd), pot-sized. You have Kh5h.",
    "You are SB with Ah7d. A strong Reg is in the BB. BU (nit), opens 2x BB.",
    "A skilled player limps from BU. Another skilled player is in BB. You: SB with 5h5s.",
    "A very tight player,UTG, opens 3x BB. You are CO with JhJs.",
    "UTG opens 4x BB. CO and BU call. You are BB with As7d.",
    "A player with 250 BB 2,5x opens from BU. You have 75 BB, in BB with 10c10s.",
    "The flop comes AhAsKd. You check with 7s8s. Villain C-bets 80 % pot.",
    "The flop comes 5s9h5d. You check with 3d3s. Villain C-bets 75 % pot.",
    "You have Kh4h, flop: 9sKc4d. You check-raise, villain calls, then raises turn 9d All-in.",
    "You min bet with AhAd on the 6h3d4s 5c board. Villain (Nit) raises All-in.",
    "You min bet with AhKh on the 10h10sJs Jh board. Villain (Reg) raises All-in.",
    "You bet 20 % pot with 5h5s on the 5c9cKc board. Villain (Reg) raises All-in.",
    "You open BU with 8s9s. BB (Nit) calls. Flop: JhAdJs. Villain bets pot.",
    "You open CO with 8s8h. BB (Reg) calls. Flop: 10hKcQd. Villain check-raises.",
    "You open UTG with 3s4h. BU (Reg) calls. Flop: AdAh10c. Villain raises your minbet.",
    "You are BU with 7c7s. UTG opens All-in, HJ and CO call.",
    "You are BU with 9c10d. UTG opens All-in, HJ, and CO call.",
    "You are SB with JsQh. UTG opens All-in, HJ, CO, and BU call.",
    "A known overfolder limps from BU. A skilled player is in BB. You: SB with Qd9s.",
    "A known overfolder limps from BU. A skilled player is in BB. You: SB with Ks4h.",
    "A very tight player,UTG, opens 10x BB. You are UTG +1 with 8s8d.",
    "A very tight player,UTG, opens 4x BB. You are HJ with 10h9d.",
    "You are UTG (6-max) with 4h4s.",
    "You are UTG (6-max) with Qd3h.",
    "You are UTG (full ring) with 7s8h.",
    "You are UTG (full ring) with 9d9c.",
};

bool IsFoldText(const std::string& text)
{
    return std::find(kExpectedTexts.begin(), kExpectedTexts.end(), text) != kExpectedTexts.end();
}

TEST(FoldSituationTexts, AllThirtyOneInTheirOrder)
{
    ASSERT_EQ(kFoldSituationTexts.size(), kExpectedTexts.size());
    for (std::size_t n = 0; n < kExpectedTexts.size(); ++n)
        EXPECT_EQ(kFoldSituationTexts[n], kExpectedTexts[n]) << "text " << n + 1;
}

class FoldDrillTest : public test::ProgramFixture {
protected:
    std::vector<std::string> BoxWrites(int box, std::size_t from = 0) const
    {
        std::vector<std::string> texts;
        const auto& effects = platform.effects();
        for (std::size_t n = from; n < effects.size(); ++n) {
            if (effects[n].kind == Effect::Kind::Box && effects[n].box == box)
                texts.push_back(effects[n].text);
        }
        return texts;
    }
};

TEST_F(FoldDrillTest, FirstFoldShowsASituationAndScoreOne)
{
    const std::uint32_t slept = platform.sleptMs();
    Press(ids::kFoldFold);
    EXPECT_EQ(platform.sleptMs() - slept, 166u);
    const auto texts = BoxWrites(ids::kFoldTextBox);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "") << "the box is emptied first";
    EXPECT_TRUE(IsFoldText(texts[1])) << texts[1];
    EXPECT_EQ(Box(ids::kFoldScoreBox), "1");
    EXPECT_EQ(trainers.fold.score(), 1);
}

TEST_F(FoldDrillTest, EveryTextShownIsOneOfTheList)
{
    std::set<std::string> seen;
    for (int n = 0; n < 300; ++n) {
        Wait(static_cast<std::uint32_t>((n * 37) % 1009 + 1));
        Press(ids::kFoldFold);
        const std::string shown = Box(ids::kFoldTextBox);
        ASSERT_TRUE(IsFoldText(shown)) << "press " << n << ": " << shown;
        seen.insert(shown);
    }
    EXPECT_GE(seen.size(), 25u);
    EXPECT_EQ(trainers.fold.score(), 300);
    EXPECT_EQ(Box(ids::kFoldScoreBox), "300");
}

// The draw replayed step by step on a copy of the generator: one shuffle,
// pause 33 and reseed, m = rand() % 4 more shuffles (1, 2, 3 or 6), pause 133
// and reseed, then one of the first six places.
TEST_F(FoldDrillTest, DrawFollowsTheShufflesAndTheTwoReseeds)
{
    constexpr int kExtra[] = {1, 2, 3, 6};
    std::set<int> branches;
    for (int n = 0; n < 40; ++n) {
        Wait(static_cast<std::uint32_t>(n * 113 + 7));
        RecordingPlatform replay(platform.Ticks());
        replay.generator() = platform.generator();
        std::vector<std::string> list(kExpectedTexts.begin(), kExpectedTexts.end());
        replay.Shuffle(list);
        replay.PauseAndReseed(33);
        const int m = replay.rand() % 4;
        branches.insert(m);
        for (int k = 0; k < kExtra[m]; ++k)
            replay.Shuffle(list);
        replay.PauseAndReseed(133);
        const int i = replay.rand() % 6;

        Press(ids::kFoldFold);
        ASSERT_EQ(Box(ids::kFoldTextBox), list[static_cast<std::size_t>(i)]) << "press " << n << ", m " << m;
        ASSERT_EQ(platform.Ticks(), replay.Ticks());
    }
    EXPECT_EQ(branches.size(), 4u) << "not every number of shuffles was tried";
}

TEST_F(FoldDrillTest, FoldCallOpenFoldScores)
{
    Press(ids::kFoldFold);
    const std::string situation = Box(ids::kFoldTextBox);
    EXPECT_EQ(Box(ids::kFoldScoreBox), "1");
    const std::size_t before = platform.effects().size();
    Press(ids::kFoldCallOpen);
    EXPECT_EQ(Box(ids::kFoldScoreBox), "-3");
    EXPECT_TRUE(BoxWrites(ids::kFoldTextBox, before).empty()) << "CALL/OPEN leaves the situation on show";
    EXPECT_EQ(Box(ids::kFoldTextBox), situation);
    Press(ids::kFoldFold);
    EXPECT_EQ(Box(ids::kFoldScoreBox), "-2");
    EXPECT_EQ(BoxWrites(ids::kFoldScoreBox), (std::vector<std::string>{"1", "-3", "-2"}));
}

TEST_F(FoldDrillTest, CallOpenFirstCostsFourEachTimeAndShowsNoSituation)
{
    const std::uint32_t slept = platform.sleptMs();
    Press(ids::kFoldCallOpen);
    EXPECT_EQ(Box(ids::kFoldScoreBox), "-4");
    Press(ids::kFoldCallOpen);
    EXPECT_EQ(Box(ids::kFoldScoreBox), "-8");
    EXPECT_EQ(trainers.fold.score(), -8);
    EXPECT_TRUE(BoxWrites(ids::kFoldTextBox).empty());
    EXPECT_EQ(platform.sleptMs(), slept);
}

// The score stops at the 32-bit limits rather than flipping sign.
TEST_F(FoldDrillTest, ScoreStopsAtTheThirtyTwoBitLimits)
{
    std::int32_t& score = TrainerStateAccess::Score(trainers.fold);
    score = std::numeric_limits<std::int32_t>::max();
    Press(ids::kFoldFold);
    EXPECT_EQ(trainers.fold.score(), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(Box(ids::kFoldScoreBox), "2.14748e+009");

    score = std::numeric_limits<std::int32_t>::min() + 3;
    Press(ids::kFoldCallOpen);
    EXPECT_EQ(trainers.fold.score(), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(Box(ids::kFoldScoreBox), "-2.14748e+009");
}

} // namespace
} // namespace velmo
