#include "preflop/preflop_catalogue.h"
#include "support/preflop_texts.h"

#include "common/control_ids.h"
#include "common/situation_timing.h"
#include "support/timed_quiz.h"
#include "support/trainer_state_access.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <ostream>
#include <set>
#include <string>

namespace velmo::test {
namespace {

using namespace velmo::ids;

int ButtonFor(int code)
{
    switch (code) {
    case PreflopAnswer::Open: return kPreflopOpen;
    case PreflopAnswer::Fold: return kPreflopFold;
    case PreflopAnswer::Call: return kPreflopCall;
    case PreflopAnswer::ThreeBet: return kPreflopThreeBet;
    case PreflopAnswer::OpenCallThreeBet: return kPreflopOpenCallThreeBet;
    case PreflopAnswer::OpenFoldToThreeBet: return kPreflopOpenFoldToThreeBet;
    case PreflopAnswer::OpenFourBet: return kPreflopOpenFourBet;
    default: ADD_FAILURE() << "no button gives code " << code; return kPreflopOpen;
    }
}

class PreflopSessionTest : public TimedQuizFixture {
protected:
    explicit PreflopSessionTest(std::uint32_t startTick = 100000) : TimedQuizFixture(kPreflopStart, startTick) {}

    const PreflopSession& session() const { return trainers.preflop; }

    // Answers `ms` after `start`, rightly or with the next code round.
    void AnswerAt(std::uint32_t start, std::uint32_t ms, bool right)
    {
        const std::uint32_t now = platform.Ticks();
        ASSERT_GT(ElapsedMs(now, start + ms), 0) << "the pauses alone took longer";
        Wait(start + ms - now);
        const int expected = session().expectedAnswer();
        Press(ButtonFor(right ? expected : expected % 7 + 1));
    }

    void StartUntilOver()
    {
        while (session().situationCount() < 11)
            Start();
    }
};

class PreflopPoints : public PreflopSessionTest, public ::testing::WithParamInterface<PointsCase> {};

TEST_P(PreflopPoints, RightAnswerGainsOnePlusTheSpeedBonus)
{
    const auto start = Start();
    AnswerAt(start, GetParam().elapsedMs, true);
    EXPECT_EQ(session().score(), GetParam().points);
    EXPECT_EQ(Box(kPreflopScoreBox), std::to_string(GetParam().points));
}

INSTANTIATE_TEST_SUITE_P(Preflop, PreflopPoints,
                         ::testing::Values(PointsCase{250, 17}, PointsCase{500, 9}, PointsCase{800, 6},
                                           PointsCase{1000, 5}, PointsCase{1001, 4}, PointsCase{1333, 4},
                                           PointsCase{1334, 3}, PointsCase{2000, 3}, PointsCase{2001, 2},
                                           PointsCase{4000, 2}, PointsCase{4001, 1}, PointsCase{4500, 1}),
                         PointsCaseName);

TEST_F(PreflopSessionTest, WrongAnswerLosesOneAtAnySpeed)
{
    int expected = 0;
    for (std::uint32_t ms : {150u, 250u, 4500u}) {
        AnswerAt(Start(), ms, false);
        --expected;
        EXPECT_EQ(session().score(), expected);
        EXPECT_EQ(Box(kPreflopScoreBox), std::to_string(expected));
    }
}

TEST_F(PreflopSessionTest, OnlyTheFirstAnswerToASituationIsJudged)
{
    AnswerAt(Start(), 500, true);
    ASSERT_EQ(session().score(), 9);
    const auto effects = platform.effects().size();
    Press(ButtonFor(session().expectedAnswer()));
    Press(ButtonFor(session().expectedAnswer() % 7 + 1));
    EXPECT_EQ(session().score(), 9);
    EXPECT_EQ(platform.effects().size(), effects); // nothing shown either
    EXPECT_EQ(session().answerCount(), 3);
}

TEST_F(PreflopSessionTest, AnswerBeforeAnyStartIsWrong)
{
    ASSERT_EQ(session().expectedAnswer(), 0);
    Press(kPreflopOpen);
    EXPECT_EQ(session().score(), -1);
    EXPECT_EQ(Box(kPreflopScoreBox), "-1");
    EXPECT_EQ(session().situationCount(), 0);
}

// Each press starts the clock, pauses 3 ms per situation plus 1 before the
// draw, and shows a situation of the answer it drew.
TEST_F(PreflopSessionTest, StartShowsASituationOfTheDrawnAnswer)
{
    for (int n = 1; n <= 10; ++n) {
        Press(ButtonFor(1)); // an answer first, which the press must forget
        const auto slept = platform.sleptMs();
        const auto start = Start();
        EXPECT_EQ(session().situationCount(), n);
        EXPECT_EQ(session().answerCount(), 0);
        EXPECT_EQ(trainers.situationStart.situationStartTick, start);
        const int code = session().expectedAnswer();
        ASSERT_GE(code, 1);
        ASSERT_LE(code, 7);
        const auto paths = PathsGiving(code, Box(kPreflopTextBox));
        ASSERT_FALSE(paths.empty()) << "code " << code << ": " << Box(kPreflopTextBox);
        EXPECT_EQ(platform.sleptMs() - slept, static_cast<std::uint32_t>(n * 3 + 1) + paths.front()->pauseMs);
    }
}

TEST_F(PreflopSessionTest, EverySectionComesUp)
{
    std::set<int> drawn;
    for (int i = 0; i < 300; ++i) {
        if (session().situationCount() == 10)
            Press(kPreflopReset);
        Wait(997);
        Start();
        drawn.insert(session().expectedAnswer());
    }
    EXPECT_EQ(drawn, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
}

TEST_F(PreflopSessionTest, WholeSessionEndsWithAHighscore)
{
    const std::uint32_t times[] = {250, 500, 800, 1000, 1333, 2000, 4000, 4500};
    const int scores[] = {17, 26, 32, 37, 41, 44, 46, 47};
    for (int i = 0; i < 8; ++i) {
        AnswerAt(Start(), times[i], true);
        EXPECT_EQ(Box(kPreflopScoreBox), std::to_string(scores[i]));
    }
    AnswerAt(Start(), 300, false); // ninth: wrong
    Start();                       // tenth: left unanswered
    EXPECT_EQ(session().situationCount(), 10);
    EXPECT_FALSE(PathsGiving(session().expectedAnswer(), Box(kPreflopTextBox)).empty());
    ASSERT_EQ(session().score(), 46);

    const auto slept = platform.sleptMs();
    Start();
    EXPECT_EQ(platform.sleptMs(), slept); // the end of a session draws nothing
    EXPECT_EQ(Box(kPreflopTextBox), "Session over. Highscore! 46");
    EXPECT_EQ(Highscores(), "0 0 0 0 46 0 0 0 0 0 ");

    Start();
    EXPECT_EQ(Box(kPreflopTextBox), "Session over");
    EXPECT_EQ(Highscores(), "0 0 0 0 46 0 0 0 0 0 ");
    EXPECT_EQ(session().situationCount(), 12);
    EXPECT_EQ(session().score(), 46);
    EXPECT_EQ(platform.MessageCount(), 0);
}

TEST_F(PreflopSessionTest, ThirtySevenBeatsTwentyInSlotFour)
{
    SetHighscores("1 2 3 4 20 6 7 8 9 10 ");
    for (std::uint32_t ms : {250u, 500u, 800u, 1000u})
        AnswerAt(Start(), ms, true);
    ASSERT_EQ(session().score(), 37);
    StartUntilOver();
    EXPECT_EQ(Box(kPreflopTextBox), "Session over. Highscore! 37");
    EXPECT_EQ(Highscores(), "1 2 3 4 37 6 7 8 9 10 ");
    Start();
    EXPECT_EQ(Box(kPreflopTextBox), "Session over");
}

TEST_F(PreflopSessionTest, EqualScoreIsNotAHighscore)
{
    SetHighscores("0 0 0 0 9 0 0 0 0 0 ");
    AnswerAt(Start(), 500, true);
    StartUntilOver();
    EXPECT_EQ(Box(kPreflopTextBox), "Session over");
    EXPECT_EQ(Highscores(), "0 0 0 0 9 0 0 0 0 0 ");
}

TEST_F(PreflopSessionTest, NegativeScoreNeverBeatsAFreshFile)
{
    for (int i = 0; i < 10; ++i)
        AnswerAt(Start(), 400, false);
    ASSERT_EQ(session().score(), -10);
    Start();
    EXPECT_EQ(Box(kPreflopTextBox), "Session over");
    EXPECT_EQ(Highscores(), "0 0 0 0 0 0 0 0 0 0 ");
}

TEST_F(PreflopSessionTest, MissingFileIsAnnouncedAndTriedAgainNextPress)
{
    AnswerAt(Start(), 500, true);
    while (session().situationCount() < 10)
        Start();
    const std::string lastSituation = Box(kPreflopTextBox);
    std::filesystem::remove(HighscorePath());

    Start();
    ASSERT_EQ(platform.MessageCount(), 1);
    EXPECT_EQ(platform.LastMessage()->text, "Highscore list gone?");
    EXPECT_EQ(platform.LastMessage()->caption, "velmorandine");
    EXPECT_EQ(Box(kPreflopTextBox), lastSituation);
    EXPECT_FALSE(std::filesystem::exists(HighscorePath()));

    Start();
    EXPECT_EQ(platform.MessageCount(), 2);
    SetHighscores("0 0 0 0 0 0 0 0 0 0 ");
    Start();
    EXPECT_EQ(Box(kPreflopTextBox), "Session over. Highscore! 9");
}

// A rewrite that fails must not be announced as a highscore.
TEST_F(PreflopSessionTest, FailedRewriteIsNoHighscore)
{
    SetHighscores("0 0 0 0 5 0 0 0 0 0 ");
    AnswerAt(Start(), 500, true);
    while (session().situationCount() < 10)
        Start();
    const std::string lastSituation = Box(kPreflopTextBox);

    files.FailWritesAfter(0);
    Start();
    ASSERT_EQ(platform.MessageCount(), 1);
    EXPECT_EQ(platform.LastMessage()->text, "Highscore list gone?");
    EXPECT_EQ(Box(kPreflopTextBox), lastSituation);
    EXPECT_EQ(Highscores(), "0 0 0 0 5 0 0 0 0 0 ");

    files.Heal();
    Start();
    EXPECT_EQ(Box(kPreflopTextBox), "Session over. Highscore! 9");
    EXPECT_EQ(Highscores(), "0 0 0 0 9 0 0 0 0 0 ");
}

// Once over, each Start/Next press lets one answer to the last situation be
// judged, timed from that situation's start; the next press offers the result.
TEST_F(PreflopSessionTest, AfterTheSessionEachPressLetsOneAnswerIn)
{
    std::uint32_t lastStart = 0;
    while (session().situationCount() < 10)
        lastStart = Start();
    Start();
    ASSERT_EQ(Box(kPreflopTextBox), "Session over");

    Wait(2000);
    Start();
    EXPECT_EQ(session().answerCount(), 0);
    const std::uint32_t elapsed = platform.Ticks() - lastStart;
    Press(ButtonFor(session().expectedAnswer()));
    Press(ButtonFor(session().expectedAnswer()));
    const int expected = 1 + 4000 / static_cast<int>(elapsed);
    EXPECT_EQ(session().score(), expected);
    Start();
    EXPECT_EQ(Box(kPreflopTextBox), "Session over. Highscore! " + std::to_string(expected));
}

TEST_F(PreflopSessionTest, ResetZeroesCountAndScoreAndKeepsTheSituationsAnswer)
{
    AnswerAt(Start(), 250, true);
    const auto start = Start();
    const int expected = session().expectedAnswer();
    const std::string file = Highscores();

    Press(kPreflopReset);
    EXPECT_EQ(session().situationCount(), 0);
    EXPECT_EQ(session().score(), 0);
    EXPECT_EQ(Box(kPreflopScoreBox), "");
    EXPECT_EQ(Box(kPreflopTextBox), "");
    EXPECT_EQ(session().expectedAnswer(), expected);
    EXPECT_EQ(session().answerCount(), 0);
    EXPECT_EQ(trainers.situationStart.situationStartTick, start);
    EXPECT_EQ(Highscores(), file);

    // The unanswered situation is still judged, although both boxes are empty.
    AnswerAt(start, 500, true);
    EXPECT_EQ(session().score(), 9);

    const auto slept = platform.sleptMs();
    Start();
    EXPECT_EQ(session().situationCount(), 1);
    const auto paths = PathsGiving(session().expectedAnswer(), Box(kPreflopTextBox));
    ASSERT_FALSE(paths.empty());
    EXPECT_EQ(platform.sleptMs() - slept, 4 + paths.front()->pauseMs);
}

// The clock is shared with RE/Odds: a start there restarts this answer's time.
TEST_F(PreflopSessionTest, AnswerIsTimedFromTheSharedClock)
{
    Start();
    Wait(3000);
    trainers.situationStart.situationStartTick = platform.Ticks() - 500;
    Press(ButtonFor(session().expectedAnswer()));
    EXPECT_EQ(session().score(), 9);
}

class PreflopSessionAcrossTheWrap : public PreflopSessionTest {
protected:
    PreflopSessionAcrossTheWrap() : PreflopSessionTest(0xFFFFFF00u) {}
};

TEST_F(PreflopSessionAcrossTheWrap, ElapsedTimeSurvivesTheTickCountWrap)
{
    const auto start = Start();
    AnswerAt(start, 500, true);
    ASSERT_LT(platform.Ticks(), start); // the tick count wrapped in between
    EXPECT_EQ(session().score(), 9);
}

// An answer more than 2^31 ms after its situation reads as a negative time
// and gains no bonus, like any late answer; 0 ms, which only a clock set by
// hand gives, counts as 1 ms.
TEST_F(PreflopSessionTest, TimesThatAreNotPositiveAreGuarded)
{
    for (std::uint32_t late : {0x80000000u + 5000u, 0xFFFFF448u /* -3000 ms */}) {
        const std::int32_t before = session().score();
        const auto start = Start();
        Wait(start + late - platform.Ticks());
        Press(ButtonFor(session().expectedAnswer()));
        EXPECT_EQ(session().score() - before, 1) << late << " ms late";
    }
    const std::int32_t before = session().score();
    Start();
    trainers.situationStart.situationStartTick = platform.Ticks();
    Press(ButtonFor(session().expectedAnswer()));
    EXPECT_EQ(session().score() - before, 4001);
}

TEST_F(PreflopSessionTest, ScoreAndCountersStopAtTheThirtyTwoBitLimits)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    TrainerStateAccess::Score(trainers.preflop) = kMax - 1;
    AnswerAt(Start(), 250, true);
    EXPECT_EQ(session().score(), kMax);
    EXPECT_EQ(Box(kPreflopScoreBox), "2.14748e+009");
    TrainerStateAccess::Score(trainers.preflop) = kMin;
    AnswerAt(Start(), 250, false);
    EXPECT_EQ(session().score(), kMin);

    // A gate counted up to the limit stays shut, a session stays over.
    TrainerStateAccess::AnswerCount(trainers.preflop) = kMax;
    Press(ButtonFor(session().expectedAnswer()));
    EXPECT_EQ(session().answerCount(), kMax);
    EXPECT_EQ(session().score(), kMin);
    TrainerStateAccess::SituationCount(trainers.preflop) = kMax;
    Start();
    EXPECT_EQ(session().situationCount(), kMax);
    EXPECT_EQ(Box(kPreflopTextBox), "Session over");
}

} // namespace
} // namespace velmo::test
