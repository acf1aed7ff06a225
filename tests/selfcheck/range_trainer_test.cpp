#include "common/recording_platform.h"
#include "scores/highscore_file.h"
#include "selfcheck/range_panel.h"
#include "selfcheck/range_trainer.h"
#include "support/cards.h"
#include "support/highscore_slots.h"
#include "support/program_fixture.h"
#include "support/trainer_state_access.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace velmo::test {
namespace {

constexpr std::uint32_t kDealMs = 454;

using SuitLists = std::array<std::vector<std::string>, 4>;

// The four suits as they come out of their shuffles, from the generator state
// the deal starts with.
SuitLists ShuffledSuits(const Generator& state)
{
    RecordingPlatform shadow;
    shadow.generator() = state;
    SuitLists lists;
    for (std::size_t s = 0; s < lists.size(); ++s) {
        for (char rank : kRanks)
            lists[s].push_back(std::string{rank, kSuits[s]});
        shadow.Shuffle(lists[s]);
    }
    return lists;
}

// A clock like the real one, whose pauses overrun by a few milliseconds.
// On an exact clock the seeds of one deal lie at fixed distances, and the
// first try of the second suit never equals the first suit; with the overrun
// of a real pause the second card can repeat the first.
class JitteryClock : public SimulatedClock {
public:
    explicit JitteryClock(std::uint32_t startTick) : SimulatedClock(startTick) {}

    void Pause(std::uint32_t ms) override
    {
        pauses.push_back(ms);
        SimulatedClock::Pause(ms + static_cast<std::uint32_t>(overrun() % 16));
        ticksAfterPause.push_back(Ticks());
    }

    std::vector<std::uint32_t> pauses;
    std::vector<std::uint32_t> ticksAfterPause;

private:
    std::minstd_rand overrun;
};

TEST(DealTwoCards, FollowsTheShuffledSuitsAndTheReseeds)
{
    JitteryClock clock(250000);
    RecordingPlatform platform(clock);
    int dealtAgain = 0;
    for (int n = 0; n < 3000; ++n) {
        platform.Advance(static_cast<std::uint32_t>(n * 37 % 1000));
        clock.pauses.clear();
        clock.ticksAfterPause.clear();
        const SuitLists lists = ShuffledSuits(platform.generator());

        const std::string hand = DealTwoCards(platform);

        ASSERT_EQ(hand.size(), 4u) << hand;
        const std::string first = hand.substr(0, 2);
        const std::string second = hand.substr(2, 2);
        ASSERT_TRUE(IsCard(first) && IsCard(second)) << hand;
        ASSERT_NE(first, second) << "deal " << n;

        // 154, 54, then 15 and 231 for each try of the second card.
        const auto& pauses = clock.pauses;
        ASSERT_GE(pauses.size(), 4u);
        ASSERT_EQ(pauses.size() % 2, 0u);
        EXPECT_EQ(pauses[0], 154u);
        EXPECT_EQ(pauses[1], 54u);
        for (std::size_t k = 2; k < pauses.size(); k += 2) {
            EXPECT_EQ(pauses[k], 15u);
            EXPECT_EQ(pauses[k + 1], 231u);
        }

        // Each pause is followed by a reseed from the clock and one draw.
        const auto& seeds = clock.ticksAfterPause;
        const auto card = [&lists, &seeds](std::size_t k) {
            return lists[static_cast<std::size_t>(FirstRand(seeds[k]) % 4)]
                        [static_cast<std::size_t>(FirstRand(seeds[k + 1]) % 11)];
        };
        EXPECT_EQ(first, card(0)) << "deal " << n;
        for (std::size_t k = 2; k + 2 < seeds.size(); k += 2)
            EXPECT_EQ(card(k), first) << "only a repeated card is drawn again, deal " << n;
        EXPECT_EQ(second, card(seeds.size() - 2)) << "deal " << n;
        dealtAgain += pauses.size() > 4;
    }
    EXPECT_GT(dealtAgain, 0) << "some deals must have drawn the second card again";
}

TEST(DealTwoCards, TakesFourHundredFiftyFourMillisecondsOnAnExactClock)
{
    RecordingPlatform platform(100000);
    for (int n = 0; n < 200; ++n) {
        const std::uint32_t slept = platform.sleptMs();
        DealTwoCards(platform);
        EXPECT_EQ(platform.sleptMs() - slept, kDealMs);
        platform.Advance(static_cast<std::uint32_t>(n % 13));
    }
}

class RangeTrainerTest : public ProgramFixture {
protected:
    void Judge(const std::string& answers)
    {
        for (char a : answers)
            Press(a == 'C' ? ids::kRangeCorrect : ids::kRangeIncorrect);
    }
    const RangeTrainer& range() const { return trainers.range; }
};

TEST_F(RangeTrainerTest, FirstPressOnlyDeals)
{
    const std::uint32_t slept = platform.sleptMs();
    Press(ids::kRangeCorrect);
    EXPECT_EQ(Box(ids::kRangeCardBox).size(), 4u);
    EXPECT_GE(platform.sleptMs() - slept, kDealMs);
    EXPECT_EQ(Box(ids::kRangeResultBox), "Runs:0, 0 %");
    EXPECT_EQ(range().correctCount(), 0.0f);
    EXPECT_EQ(range().answeredCount(), 0.0f);
    EXPECT_EQ(range().pressCount(), 1);
}

TEST_F(RangeTrainerTest, RunsAndPercentAfterEachJudgedHand)
{
    Press(ids::kRangeCorrect);
    std::vector<std::string> results;
    std::vector<std::string> hands;
    for (int id : {ids::kRangeCorrect, ids::kRangeCorrect, ids::kRangeIncorrect}) {
        Press(id);
        results.push_back(Box(ids::kRangeResultBox));
        hands.push_back(Box(ids::kRangeCardBox));
    }
    EXPECT_EQ(results, (std::vector<std::string>{"Runs:1, 100 %", "Runs:2, 100 %", "Runs:3, 66.6667 %"}));
    for (const auto& hand : hands)
        EXPECT_EQ(hand.size(), 4u);
    EXPECT_EQ(range().correctCount(), 2.0f);
    EXPECT_EQ(range().answeredCount(), 3.0f);
}

TEST_F(RangeTrainerTest, IncorrectFirstThenIncorrect)
{
    Judge("II");
    EXPECT_EQ(Box(ids::kRangeResultBox), "Runs:1, 0 %");
    Judge("C");
    EXPECT_EQ(Box(ids::kRangeResultBox), "Runs:2, 50 %");
}

TEST_F(RangeTrainerTest, TwentyCorrectHandsBeatANine)
{
    WriteSlot(slots::kRange, 9);
    Judge(std::string(21, 'C'));
    EXPECT_EQ(Box(ids::kRangeResultBox), "Runs:20, 100 %");

    Press(ids::kRangeDone);
    EXPECT_EQ(Box(ids::kRangeResultBox), "Highscore! 10");
    EXPECT_EQ(FileSlots()[slots::kRange], 10);
    EXPECT_EQ(Box(ids::kRangeCardBox), "");
    EXPECT_EQ(range().pressCount(), 0);
    EXPECT_EQ(range().correctCount(), 0.0f);
    EXPECT_EQ(range().answeredCount(), 0.0f);
    EXPECT_EQ(range().percent(), 0.0f);
    EXPECT_EQ(platform.MessageCount(), 0);
}

struct DoneCase {
    const char* name;
    std::string answers; // C or I, the first press included
    std::int32_t score;
};

void PrintTo(const DoneCase& c, std::ostream* os)
{
    *os << c.name;
}

class RangeDoneScore : public RangeTrainerTest, public ::testing::WithParamInterface<DoneCase> {};

TEST_P(RangeDoneScore, StoresTheTruncatedScore)
{
    Judge(GetParam().answers);
    const std::string before = Box(ids::kRangeResultBox);
    Press(ids::kRangeDone);

    EXPECT_EQ(FileSlots()[slots::kRange], GetParam().score);
    if (GetParam().score > 0) {
        EXPECT_EQ(Box(ids::kRangeResultBox), "Highscore! " + std::to_string(GetParam().score));
    } else {
        EXPECT_EQ(Box(ids::kRangeResultBox), before) << "a score of 0 never beats a slot holding 0";
    }
    EXPECT_EQ(Box(ids::kRangeCardBox), "");
    EXPECT_EQ(range().pressCount(), 0);
}

std::string Answers(int correct, int incorrect)
{
    // The first press only deals; every later press judges a hand.
    std::string presses(1, 'C');
    presses.append(static_cast<std::size_t>(correct), 'C');
    presses.append(static_cast<std::size_t>(incorrect), 'I');
    return presses;
}

INSTANTIATE_TEST_SUITE_P(Hands, RangeDoneScore,
                         ::testing::Values(DoneCase{"RightAfterTheStart", "", 0}, DoneCase{"OnePress", "C", 0},
                                           DoneCase{"AllCorrectOverTwenty", Answers(20, 0), 10},
                                           DoneCase{"AllCorrectOverForty", Answers(40, 0), 20},
                                           DoneCase{"NinetyPercentOverThirty", Answers(27, 3), 13},
                                           DoneCase{"HalfOverTen", Answers(5, 5), 2},
                                           DoneCase{"AllCorrectOverNineteen", Answers(19, 0), 9},
                                           DoneCase{"AllWrongOverForty", Answers(0, 40), 0}),
                         [](const ::testing::TestParamInfo<DoneCase>& info) { return std::string(info.param.name); });

TEST_F(RangeTrainerTest, ScoreThatDoesNotBeatTheSlotLeavesTheResultBox)
{
    WriteSlot(slots::kRange, 50);
    Judge(Answers(20, 0));
    Press(ids::kRangeDone);
    EXPECT_EQ(Box(ids::kRangeResultBox), "Runs:20, 100 %");
    EXPECT_EQ(FileSlots()[slots::kRange], 50);
    EXPECT_EQ(Box(ids::kRangeCardBox), "");
    EXPECT_EQ(range().answeredCount(), 0.0f);
}

TEST_F(RangeTrainerTest, AfterDoneTheNextPressStartsOver)
{
    Judge(Answers(3, 1));
    Press(ids::kRangeDone);
    Press(ids::kRangeCorrect);
    EXPECT_EQ(Box(ids::kRangeResultBox), "Runs:0, 0 %");
    Press(ids::kRangeIncorrect);
    EXPECT_EQ(Box(ids::kRangeResultBox), "Runs:1, 0 %");
}

TEST_F(RangeTrainerTest, MissingFileLosesTheScoreAndStillResets)
{
    std::filesystem::remove(kHighscoreFileName);
    Judge(Answers(20, 0));
    Press(ids::kRangeDone);
    ASSERT_EQ(platform.MessageCount(), 1);
    EXPECT_EQ(platform.LastMessage()->text, "Highscore list gone?");
    EXPECT_EQ(platform.LastMessage()->caption, kApplicationName);
    EXPECT_EQ(Box(ids::kRangeResultBox), "Runs:20, 100 %");
    EXPECT_EQ(Box(ids::kRangeCardBox), "");
    EXPECT_EQ(range().pressCount(), 0);
    EXPECT_EQ(range().percent(), 0.0f);
    EXPECT_FALSE(std::filesystem::exists(kHighscoreFileName));
}

TEST_F(RangeTrainerTest, UnwritableFileAnnouncesNoHighscore)
{
    Judge(Answers(20, 0));
    files.FailWritesAfter(0);
    Press(ids::kRangeDone);
    EXPECT_EQ(platform.LastMessage()->text, "Highscore list gone?");
    EXPECT_EQ(Box(ids::kRangeResultBox), "Runs:20, 100 %");
    EXPECT_EQ(Box(ids::kRangeCardBox), "");
    EXPECT_EQ(range().answeredCount(), 0.0f);
    EXPECT_EQ(FileSlots()[slots::kRange], 0);
}

TEST_F(RangeTrainerTest, PressCountStopsAtTheThirtyTwoBitLimit)
{
    TrainerStateAccess::PressCount(trainers.range) = std::numeric_limits<std::int32_t>::max();
    Press(ids::kRangeCorrect);
    EXPECT_EQ(trainers.range.pressCount(), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(trainers.range.correctCount(), 1.0f) << "the press still judges a hand";
}

} // namespace
} // namespace velmo::test
