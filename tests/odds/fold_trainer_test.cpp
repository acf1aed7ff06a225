#include "common/recording_platform.h"
#include "odds/fold_panel.h"
#include "odds/fold_situation_texts.h"
#include "support/program_fixture.h"
#include "support/trainer_state_access.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace velmo {
namespace {

bool IsFoldText(const std::string& text)
{
    return std::find(kFoldSituationTexts.begin(), kFoldSituationTexts.end(), text) != kFoldSituationTexts.end();
}

// A few texts word for word, their oddities included ("player,UTG", "2,5",
// "UTG +1", "6h3d4s 5c", a ten written "10"), and what all of them share:
// one blank between words, a full stop at the end, no text twice.
TEST(FoldSituationTexts, ThirtyOneTextsAsWritten)
{
    ASSERT_EQ(kFoldSituationTexts.size(), 31u);
    EXPECT_EQ(kFoldSituationTexts[0], "A very tight player,UTG, opens 12x BB. You are UTG +1 with Kh8s.");
    EXPECT_EQ(kFoldSituationTexts[2], "BU, Reg, opens 2,5 BB. SB (Reg) 3B to 10 BB. You are BB with 6d6c.");
    EXPECT_EQ(kFoldSituationTexts[10], "A player with 250 BB 2,5x opens from BU. You have 75 BB, in BB with 10c10s.");
    EXPECT_EQ(kFoldSituationTexts[14], "You min bet with AhAd on the 6h3d4s 5c board. Villain (Nit) raises All-in.");
    EXPECT_EQ(kFoldSituationTexts[21], "You are BU with 9c10d. UTG opens All-in, HJ, and CO call.");
    EXPECT_EQ(kFoldSituationTexts[30], "You are UTG (full ring) with 9d9c.");
    const std::set<std::string_view> distinct(kFoldSituationTexts.begin(), kFoldSituationTexts.end());
    EXPECT_EQ(distinct.size(), 31u);
    for (std::string_view text : kFoldSituationTexts) {
        EXPECT_TRUE(text.ends_with('.')) << text;
        EXPECT_EQ(text.find("  "), std::string_view::npos) << text;
    }
}

class FoldTrainerTest : public test::ProgramFixture {
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

TEST_F(FoldTrainerTest, FirstFoldShowsASituationAndScoreOne)
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

TEST_F(FoldTrainerTest, EveryTextShownIsOneOfTheList)
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
TEST_F(FoldTrainerTest, DrawFollowsTheShufflesAndTheTwoReseeds)
{
    constexpr int kExtra[] = {1, 2, 3, 6};
    std::set<int> branches;
    for (int n = 0; n < 40; ++n) {
        Wait(static_cast<std::uint32_t>(n * 113 + 7));
        RecordingPlatform replay(platform.Ticks());
        replay.generator() = platform.generator();
        std::vector<std::string> list(kFoldSituationTexts.begin(), kFoldSituationTexts.end());
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

TEST_F(FoldTrainerTest, FoldCallOpenFoldScores)
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

TEST_F(FoldTrainerTest, CallOpenFirstCostsFourEachTimeAndShowsNoSituation)
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
TEST_F(FoldTrainerTest, ScoreStopsAtTheThirtyTwoBitLimits)
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
