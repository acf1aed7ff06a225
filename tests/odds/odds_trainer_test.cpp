#include "common/in_memory_file_system.h"
#include "common/recording_platform.h"
#include "common/situation_timing.h"
#include "odds/odds_panel.h"
#include "odds/odds_trainer.h"
#include "preflop/preflop_panel.h"
#include "progress/practice_log_file.h"
#include "scores/highscore_file.h"
#include "support/program_fixture.h"
#include "support/trainer_state_access.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

namespace velmo {
namespace {

using test::ReadFile;
using test::WriteFile;

constexpr const char* kZeroFile = "0 0 0 0 0 0 0 0 0 0 ";

// The wait from `now` after which a Start/Next press deals this row, outs
// and streets, found by rehearsing the press on a panel of its own: every
// draw reseeds from the clock, so a press at the same tick deals the same.
// Draws this close together move almost in step, so only some combinations
// can be dealt at all (row 4 with 5 outs on two streets can, row 4 with 10
// outs on one street cannot).
std::optional<std::uint32_t> WaitForDeal(std::uint32_t now, std::int32_t row, std::int32_t outs, std::int32_t streets)
{
    InMemoryFileSystem files;
    for (std::uint32_t wait = 0; wait < 2'000'000; ++wait) {
        RecordingPlatform platform(files, now + wait);
        SituationStartTick clock;
        PracticeLogFile log(platform);
        OddsTrainer rehearsal(platform, clock, log);
        rehearsal.StartNext();
        if (rehearsal.betRow() == row && rehearsal.outs() == outs && rehearsal.streetsLeft() == streets)
            return wait;
    }
    return std::nullopt;
}

class OddsTrainerTest : public test::ProgramFixture {
protected:
    const OddsTrainer& odds() const { return trainers.odds; }

    // Waits until a Start/Next press deals exactly this situation, then presses.
    void Deal(std::int32_t row, std::int32_t outs, std::int32_t streets)
    {
        const auto wait = WaitForDeal(platform.Ticks(), row, outs, streets);
        ASSERT_TRUE(wait.has_value()) << "no tick deals row " << row << ", " << outs << " outs, " << streets;
        Wait(*wait);
        Press(ids::kOddsStart);
        ASSERT_EQ(odds().betRow(), row);
        ASSERT_EQ(odds().outs(), outs);
        ASSERT_EQ(odds().streetsLeft(), streets);
    }
    // 0.33 of the pot (20 %) against 5 outs on two streets (20 %): Call.
    void DealCallSituation() { Deal(4, 5, 2); }
    // 5 times the pot (50 %) against 2 outs on one street (4 %): Fold.
    void DealFoldSituation() { Deal(10, 2, 1); }

    std::size_t EffectCount() const { return platform.effects().size(); }

    // One situation answered right in 2.5 s (+3), then nine skipped: the next
    // Start/Next press ends the session.
    void PlaySessionScoringThree()
    {
        DealCallSituation();
        Wait(2500);
        Press(ids::kOddsCall);
        ASSERT_EQ(odds().quiz().score(), 3);
        for (int n = 2; n <= 10; ++n)
            Press(ids::kOddsStart);
        ASSERT_EQ(odds().quiz().situationCount(), 10);
    }
};

TEST_F(OddsTrainerTest, ShowsTheSituationInWords)
{
    Deal(4, 9, 2);
    const std::int32_t pot = odds().potSize();
    EXPECT_EQ(odds().betFraction(), 0.33f);
    EXPECT_EQ(odds().betAmount(), pot * 33 / 100);
    EXPECT_EQ(Box(ids::kOddsTextBox), "Pot size: " + std::to_string(pot) + ". V bets: " +
                                          std::to_string(pot * 33 / 100) + ". Hero outs: 9. Streets left: 2.");
}

// Whatever is dealt lies in its range and is shown as dealt.
TEST_F(OddsTrainerTest, EveryDealIsInRangeAndMatchesItsText)
{
    for (int n = 0; n < 40; ++n) {
        Wait(static_cast<std::uint32_t>(977 * n + 31));
        Press(ids::kOddsStart);
        EXPECT_GE(odds().potSize(), 10);
        EXPECT_LE(odds().potSize(), 5009);
        EXPECT_GE(odds().outs(), 2);
        EXPECT_LE(odds().outs(), 21);
        EXPECT_GE(odds().streetsLeft(), 1);
        EXPECT_LE(odds().streetsLeft(), 2);
        EXPECT_EQ(odds().betFraction(), BetFractionForRow(odds().betRow()));
        EXPECT_GT(odds().betFraction(), 0.0f) << "row " << odds().betRow();
        EXPECT_EQ(Box(ids::kOddsTextBox), "Pot size: " + std::to_string(odds().potSize()) +
                                              ". V bets: " + std::to_string(odds().betAmount()) +
                                              ". Hero outs: " + std::to_string(odds().outs()) +
                                              ". Streets left: " + std::to_string(odds().streetsLeft()) + ".");
        Press(ids::kOddsReset);
    }
}

TEST_F(OddsTrainerTest, StartNextPauses514AndStartsTheClockAfterwards)
{
    const std::uint32_t before = platform.sleptMs();
    const std::uint32_t pressTick = platform.Ticks();
    Press(ids::kOddsStart);
    EXPECT_EQ(platform.sleptMs() - before, 514u);
    EXPECT_EQ(trainers.situationStart.situationStartTick, pressTick + 514);
    EXPECT_EQ(trainers.situationStart.situationStartTick, platform.Ticks());
}

// ---- judging -------------------------------------------------------------

struct JudgeCase {
    const char* name;
    std::int32_t row;
    std::int32_t outs;
    std::int32_t streets;
    bool callExpected;
};

void PrintTo(const JudgeCase& c, std::ostream* os)
{
    *os << "row " << c.row << ", " << c.outs << " outs, " << c.streets
        << " streets: " << (c.callExpected ? "call" : "fold");
}

class JudgingTest : public OddsTrainerTest, public ::testing::WithParamInterface<JudgeCase> {};

// Each situation is answered once with Call and, dealt again, once with Fold.
TEST_P(JudgingTest, EqualEquityMeansCall)
{
    const JudgeCase& c = GetParam();
    Deal(c.row, c.outs, c.streets);
    Wait(2500);
    Press(ids::kOddsCall);
    EXPECT_EQ(Box(ids::kOddsTextBox), c.callExpected ? "correct, call" : "That is incorrect.");
    const std::int32_t afterCall = odds().quiz().score();
    EXPECT_EQ(afterCall, c.callExpected ? 3 : -2);

    Deal(c.row, c.outs, c.streets);
    Wait(2500);
    Press(ids::kOddsFold);
    EXPECT_EQ(Box(ids::kOddsTextBox), c.callExpected ? "That is incorrect." : "Correct, fold.");
    EXPECT_EQ(odds().quiz().score() - afterCall, c.callExpected ? -2 : 3);
}

// Combinations that a press can deal (see WaitForDeal); the equality edges
// the panel cannot reach are judged in bet_size_table_test.cpp.
INSTANTIATE_TEST_SUITE_P(Dealt, JudgingTest,
                         ::testing::Values(JudgeCase{"FiveOutsTwoStreetsAgainstThird", 4, 5, 2, true},
                                           JudgeCase{"FourOutsTwoStreetsAgainstThird", 4, 4, 2, false},
                                           JudgeCase{"TwentyOutsOneStreetAgainstSixFifths", 8, 20, 1, true},
                                           JudgeCase{"NineOutsTwoStreetsAgainstSixFifths", 8, 9, 2, false},
                                           JudgeCase{"FourteenOutsTwoStreetsAgainstFivePots", 10, 14, 2, true},
                                           JudgeCase{"ElevenOutsTwoStreetsAgainstFivePots", 10, 11, 2, false},
                                           JudgeCase{"EighteenOutsOneStreetAgainstFivePots", 10, 18, 1, false},
                                           JudgeCase{"FifteenOutsTwoStreetsAgainstTwelvePots", 11, 15, 2, true},
                                           JudgeCase{"TwelveOutsOneStreetAgainstTwelvePots", 11, 12, 1, false},
                                           JudgeCase{"SixteenOutsOneStreetAgainstTwoThirds", 12, 16, 1, true},
                                           JudgeCase{"TwelveOutsOneStreetAgainstTwoThirds", 12, 12, 1, false},
                                           JudgeCase{"FiveOutsOneStreetAgainstTenth", 1, 5, 1, true},
                                           JudgeCase{"TwoOutsOneStreetAgainstTenth", 1, 2, 1, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- the score table -----------------------------------------------------

struct ScoreCase {
    const char* name;
    bool answerCall;    // which button is pressed
    bool callSituation; // whether Call is the right answer
    std::uint32_t elapsedMs;
    std::int32_t change;
    const char* text;
};

void PrintTo(const ScoreCase& c, std::ostream* os)
{
    *os << (c.answerCall ? "Call" : "Fold") << " in a " << (c.callSituation ? "call" : "fold") << " situation after "
        << c.elapsedMs << " ms";
}

class ScoreTableTest : public OddsTrainerTest, public ::testing::WithParamInterface<ScoreCase> {};

TEST_P(ScoreTableTest, ScoreChangeTextAndScoreBox)
{
    const ScoreCase& c = GetParam();
    if (c.callSituation)
        DealCallSituation();
    else
        DealFoldSituation();
    Wait(c.elapsedMs);
    Press(c.answerCall ? ids::kOddsCall : ids::kOddsFold);

    EXPECT_EQ(odds().quiz().score(), c.change);
    EXPECT_EQ(Box(ids::kOddsTextBox), c.text);
    // The score box shows the final score of the answer, bonus and penalty included.
    EXPECT_EQ(Box(ids::kOddsScoreBox), std::to_string(c.change));
}

INSTANTIATE_TEST_SUITE_P(Rows, ScoreTableTest,
                         ::testing::Values(ScoreCase{"RightSameTick", true, true, 0, 4002, "correct, call"},
                                           ScoreCase{"RightIn1ms", true, true, 1, 4002, "correct, call"},
                                           ScoreCase{"RightIn1600ms", true, true, 1600, 4, "correct, call"},
                                           ScoreCase{"RightIn2500ms", true, true, 2500, 3, "correct, call"},
                                           ScoreCase{"RightIn9999ms", true, true, 9999, 2, "correct, call"},
                                           ScoreCase{"RightIn10000ms", true, true, 10000, 1, "correct, call"},
                                           ScoreCase{"RightIn12s", true, true, 12000, 1, "correct, call"},
                                           ScoreCase{"RightIn20000ms", true, true, 20000, 1, "correct, call"},
                                           ScoreCase{"RightIn20001ms", true, true, 20001, -2, "correct, call, SLOW!"},
                                           ScoreCase{"RightIn25s", true, true, 25000, -2, "correct, call, SLOW!"},
                                           ScoreCase{"FoldRightIn2500ms", false, false, 2500, 3, "Correct, fold."},
                                           ScoreCase{"FoldRightIn15s", false, false, 15000, 1, "Correct, fold."},
                                           ScoreCase{"FoldRightIn25s", false, false, 25000, -2,
                                                     "Correct, fold., SLOW!"},
                                           ScoreCase{"WrongSameTick", false, true, 0, -2, "That is incorrect."},
                                           ScoreCase{"WrongIn2500ms", true, false, 2500, -2, "That is incorrect."},
                                           ScoreCase{"WrongIn20000ms", false, true, 20000, -2, "That is incorrect."},
                                           ScoreCase{"WrongIn20001ms", false, true, 20001, -5, "That is incorrect."},
                                           ScoreCase{"WrongCallIn25s", true, false, 25000, -5, "That is incorrect."}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OddsTrainerTest, ScoresAddUpOverASession)
{
    DealCallSituation();
    Wait(2500);
    Press(ids::kOddsCall); // +3
    DealFoldSituation();
    Wait(25000);
    Press(ids::kOddsFold); // -2
    DealFoldSituation();
    Wait(100);
    Press(ids::kOddsCall); // -2
    EXPECT_EQ(odds().quiz().score(), -1);
    EXPECT_EQ(Box(ids::kOddsScoreBox), "-1");
}

// ---- the answer gate -----------------------------------------------------

TEST_F(OddsTrainerTest, OnlyTheFirstAnswerIsJudged)
{
    DealCallSituation();
    Wait(2500);
    Press(ids::kOddsCall);
    const std::size_t effects = EffectCount();
    Wait(100);
    Press(ids::kOddsCall);
    Press(ids::kOddsFold);
    EXPECT_EQ(EffectCount(), effects);
    EXPECT_EQ(odds().quiz().score(), 3);
    EXPECT_EQ(Box(ids::kOddsTextBox), "correct, call");

    // The next situation opens the gate again.
    DealCallSituation();
    Wait(2500);
    Press(ids::kOddsCall);
    EXPECT_EQ(odds().quiz().score(), 6);
}

TEST_F(OddsTrainerTest, WrongFirstAnswerCannotBeCorrected)
{
    DealCallSituation();
    Wait(2500);
    Press(ids::kOddsFold);
    Press(ids::kOddsCall);
    EXPECT_EQ(odds().quiz().score(), -2);
    EXPECT_EQ(Box(ids::kOddsTextBox), "That is incorrect.");
}

TEST_F(OddsTrainerTest, SkippedSituationCostsNothingButCounts)
{
    Press(ids::kOddsStart);
    Press(ids::kOddsStart);
    EXPECT_EQ(odds().quiz().situationCount(), 2);
    EXPECT_EQ(odds().quiz().score(), 0);
    EXPECT_EQ(Box(ids::kOddsScoreBox), "");
}

// ---- before any situation ------------------------------------------------

// The all-zero situation requires 0 % and gives the hero 0 %: Call is right.
// Its clock reads 0, so the answer at tick 100000 is slow.
TEST_F(OddsTrainerTest, CallBeforeAnySituationIsRightButSlow)
{
    Press(ids::kOddsCall);
    EXPECT_EQ(Box(ids::kOddsTextBox), "correct, call, SLOW!");
    EXPECT_EQ(odds().quiz().score(), -2);
    EXPECT_EQ(Box(ids::kOddsScoreBox), "-2");
}

TEST_F(OddsTrainerTest, FoldBeforeAnySituationIsWrong)
{
    Press(ids::kOddsFold);
    EXPECT_EQ(Box(ids::kOddsTextBox), "That is incorrect.");
    EXPECT_EQ(odds().quiz().score(), -5);
    EXPECT_EQ(Box(ids::kOddsScoreBox), "-5");
}

TEST_F(OddsTrainerTest, AnswerBeforeAnySituationTimedFromTheSharedClock)
{
    trainers.situationStart.situationStartTick = platform.Ticks();
    Wait(2500);
    Press(ids::kOddsCall);
    EXPECT_EQ(Box(ids::kOddsTextBox), "correct, call");
    EXPECT_EQ(odds().quiz().score(), 3);
}

// ---- the clock shared with the preflop trainer ---------------------------

TEST_F(OddsTrainerTest, PreflopStartRestartsTheOddsClock)
{
    DealCallSituation();
    const std::uint32_t oddsStart = trainers.situationStart.situationStartTick;
    Wait(19000);
    Press(ids::kPreflopStart);
    const std::uint32_t preflopStart = trainers.situationStart.situationStartTick;
    ASSERT_NE(preflopStart, oddsStart) << "a preflop Start/Next must set the shared clock";
    Wait(2500);
    Press(ids::kOddsCall);
    // Timed from the preflop start: fast, not slow (19000 + 2500 from the odds start).
    const std::int32_t elapsed = ElapsedMs(preflopStart, platform.Ticks());
    ASSERT_LT(elapsed, 10000);
    EXPECT_EQ(odds().quiz().score(), 2 + 4000 / elapsed);
    EXPECT_EQ(Box(ids::kOddsTextBox), "correct, call");
}

TEST_F(OddsTrainerTest, AnswerIsTimedFromWhateverSetTheSharedClockLast)
{
    DealCallSituation();
    Wait(19000);
    trainers.situationStart.situationStartTick = platform.Ticks(); // another panel's Start/Next
    Wait(2500);
    Press(ids::kOddsCall);
    EXPECT_EQ(odds().quiz().score(), 3);
    EXPECT_EQ(Box(ids::kOddsTextBox), "correct, call");
}

// ---- the end of the session ----------------------------------------------

TEST_F(OddsTrainerTest, EleventhPressAnnouncesNewHighscoreAndStoresIt)
{
    PlaySessionScoringThree();
    const std::uint32_t slept = platform.sleptMs();
    Press(ids::kOddsStart);
    EXPECT_EQ(Box(ids::kOddsTextBox), "Session over. Highscore! 3");
    EXPECT_EQ(Box(ids::kOddsScoreBox), "");
    EXPECT_EQ(Highscores(), "0 3 0 0 0 0 0 0 0 0 ");
    EXPECT_EQ(platform.MessageCount(), 0);
    EXPECT_EQ(platform.sleptMs(), slept) << "ending a session deals nothing";
    EXPECT_EQ(odds().quiz().situationCount(), 11);
    EXPECT_EQ(odds().quiz().score(), 3);

    // Every later press ends the session again; the same score is no highscore.
    Press(ids::kOddsStart);
    EXPECT_EQ(Box(ids::kOddsTextBox), "Session over.");
    EXPECT_EQ(Highscores(), "0 3 0 0 0 0 0 0 0 0 ");
}

TEST_F(OddsTrainerTest, EqualScoreIsNoHighscore)
{
    SetHighscores("7 3 0 0 0 0 0 0 0 0 ");
    PlaySessionScoringThree();
    Press(ids::kOddsStart);
    EXPECT_EQ(Box(ids::kOddsTextBox), "Session over.");
    EXPECT_EQ(Box(ids::kOddsScoreBox), "3");
    EXPECT_EQ(Highscores(), "7 3 0 0 0 0 0 0 0 0 ");
    EXPECT_EQ(platform.MessageCount(), 0);
}

TEST_F(OddsTrainerTest, MissingHighscoreFileIsAnnouncedAndScoreKept)
{
    PlaySessionScoringThree();
    std::filesystem::remove(HighscorePath());
    Press(ids::kOddsStart);
    ASSERT_EQ(platform.MessageCount(), 1);
    EXPECT_EQ(platform.LastMessage()->text, "Highscore list gone?");
    EXPECT_EQ(Box(ids::kOddsTextBox), "Session over.");
    EXPECT_EQ(Box(ids::kOddsScoreBox), "3");
    EXPECT_EQ(odds().quiz().score(), 3);
    EXPECT_FALSE(std::filesystem::exists(HighscorePath()));
}

TEST_F(OddsTrainerTest, FailedRewriteAnnouncesNoHighscore)
{
    PlaySessionScoringThree();
    files.FailWritesAfter(0);
    Press(ids::kOddsStart);
    files.Heal();
    ASSERT_EQ(platform.MessageCount(), 1);
    EXPECT_EQ(platform.LastMessage()->text, "Highscore list gone?");
    EXPECT_EQ(Box(ids::kOddsTextBox), "Session over.");
    EXPECT_EQ(Box(ids::kOddsScoreBox), "3");
    EXPECT_EQ(Highscores(), kZeroFile);
}

TEST_F(OddsTrainerTest, AnswersAfterTheSessionShowSessionOver)
{
    PlaySessionScoringThree();
    Press(ids::kOddsStart);
    Press(ids::kOddsCall);
    EXPECT_EQ(Box(ids::kOddsTextBox), "Session over.");
    EXPECT_EQ(odds().quiz().score(), 3);
    const std::size_t effects = EffectCount();
    Press(ids::kOddsFold);
    EXPECT_EQ(EffectCount(), effects);

    Press(ids::kOddsStart); // ends it again and opens the gate once more
    Wait(30000);
    Press(ids::kOddsFold);
    EXPECT_EQ(Box(ids::kOddsTextBox), "Session over.");
    EXPECT_EQ(odds().quiz().score(), 3);
}

// ---- Reset ---------------------------------------------------------------

TEST_F(OddsTrainerTest, ResetEmptiesBothBoxesAndStartsAFreshSession)
{
    PlaySessionScoringThree();
    Press(ids::kOddsReset);
    EXPECT_EQ(Box(ids::kOddsTextBox), "");
    EXPECT_EQ(Box(ids::kOddsScoreBox), "");
    EXPECT_EQ(odds().quiz().score(), 0);
    EXPECT_EQ(odds().quiz().situationCount(), 0);

    for (int n = 1; n <= 10; ++n) {
        Press(ids::kOddsStart);
        ASSERT_NE(Box(ids::kOddsTextBox), "Session over.") << "situation " << n;
    }
    Press(ids::kOddsStart);
    EXPECT_EQ(Box(ids::kOddsTextBox), "Session over.");
}

TEST_F(OddsTrainerTest, AnswerAfterResetJudgesTheLastSituation)
{
    DealFoldSituation();
    Press(ids::kOddsReset);
    Wait(2500);
    Press(ids::kOddsFold);
    EXPECT_EQ(Box(ids::kOddsTextBox), "Correct, fold.");
    EXPECT_EQ(odds().quiz().score(), 3);
}

TEST_F(OddsTrainerTest, ResetDoesNotReopenTheGate)
{
    DealCallSituation();
    Wait(2500);
    Press(ids::kOddsCall);
    Press(ids::kOddsReset);
    const std::size_t effects = EffectCount();
    Press(ids::kOddsCall);
    EXPECT_EQ(EffectCount(), effects);
    EXPECT_EQ(odds().quiz().score(), 0);
}

// ---- signed elapsed times and the 32-bit limits ---------------------------

// With the tick count past 2^31, a Call timed from a clock of 0 reads a
// negative elapsed time, and 4000 / elapsed truncates to 0: +1 +1 in all.
TEST_F(OddsTrainerTest, CallBeforeAnySituationWithTheTickPastTwoToThe31)
{
    ASSERT_EQ(trainers.situationStart.situationStartTick, 0u);
    Wait(0x80000000u);
    Press(ids::kOddsCall);
    EXPECT_EQ(odds().quiz().score(), 2);
    EXPECT_EQ(Box(ids::kOddsScoreBox), "2");
    EXPECT_EQ(Box(ids::kOddsTextBox), "correct, call");
}

TEST_F(OddsTrainerTest, ScoreAndCountersStopAtTheThirtyTwoBitLimits)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    TrainerStateAccess::Score(trainers.odds) = kMax - 1;
    DealCallSituation();
    Wait(2500);
    Press(ids::kOddsCall);
    EXPECT_EQ(odds().quiz().score(), kMax);
    EXPECT_EQ(Box(ids::kOddsScoreBox), "2.14748e+009");
    TrainerStateAccess::Score(trainers.odds) = kMin + 4;
    DealCallSituation();
    Wait(25000);
    Press(ids::kOddsFold);
    EXPECT_EQ(odds().quiz().score(), kMin);

    TrainerStateAccess::AnswerCount(trainers.odds) = kMax;
    Press(ids::kOddsCall);
    EXPECT_EQ(odds().quiz().answerCount(), kMax);
    EXPECT_EQ(odds().quiz().score(), kMin);
    TrainerStateAccess::SituationCount(trainers.odds) = kMax;
    Press(ids::kOddsStart);
    EXPECT_EQ(odds().quiz().situationCount(), kMax);
    EXPECT_EQ(Box(ids::kOddsTextBox), "Session over.");
}

} // namespace
} // namespace velmo
