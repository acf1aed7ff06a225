#include "support/tournament_texts.h"
#include "tournament/tournament_session.h"
#include "tournament/tournament_tables.h"

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

class TournamentSessionTest : public TimedQuizFixture {
protected:
    explicit TournamentSessionTest(std::uint32_t startTick = 100000) : TimedQuizFixture(kTourStart, startTick) {}

    const TournamentSession& session() const { return trainers.tournament; }

    int RightButton() const { return IsPushGroup(session().expectedGroup()) ? kTourPush : kTourFold; }
    int WrongButton() const { return RightButton() == kTourPush ? kTourFold : kTourPush; }

    // Answers `ms` after `start`, rightly or wrongly.
    void AnswerAt(std::uint32_t start, std::uint32_t ms, bool right)
    {
        const std::uint32_t now = platform.Ticks();
        ASSERT_GE(ElapsedMs(now, start + ms), 0) << "the pauses alone took longer";
        Wait(start + ms - now);
        Press(right ? RightButton() : WrongButton());
    }

    void StartUntil(int count)
    {
        while (session().situationCount() < count)
            Start();
    }
};

class TournamentPoints : public TournamentSessionTest, public ::testing::WithParamInterface<PointsCase> {};

// The clock starts at the press, before the draw's 168 or 178 ms of pauses.
TEST_P(TournamentPoints, RightAnswerGainsOnePlusTheSpeedBonus)
{
    const auto start = Start();
    AnswerAt(start, GetParam().elapsedMs, true);
    EXPECT_EQ(session().score(), GetParam().points);
    EXPECT_EQ(Box(kTourScoreBox), std::to_string(GetParam().points));
}

INSTANTIATE_TEST_SUITE_P(Tournament, TournamentPoints,
                         ::testing::Values(PointsCase{200, 21}, PointsCase{500, 9}, PointsCase{1000, 5},
                                           PointsCase{1001, 4}, PointsCase{2500, 2}, PointsCase{4000, 2},
                                           PointsCase{4001, 1}, PointsCase{9000, 1}),
                         PointsCaseName);

TEST_F(TournamentSessionTest, WrongAnswerLosesOneAtAnySpeed)
{
    int expected = 0;
    for (std::uint32_t ms : {180u, 500u, 6000u}) {
        AnswerAt(Start(), ms, false);
        --expected;
        EXPECT_EQ(session().score(), expected);
        EXPECT_EQ(Box(kTourScoreBox), std::to_string(expected));
    }
}

// Push is right for groups 1 to 4 and Fold for 5 to 7, whatever the text;
// group 4 and group 5 share four descriptions word for word.
TEST_F(TournamentSessionTest, EveryGroupIsJudgedByItsAnswer)
{
    std::set<int> rightSeen, wrongSeen;
    for (int n = 0; n < 400 && (rightSeen.size() < 7 || wrongSeen.size() < 7); ++n) {
        if (session().situationCount() == 10)
            Press(kTourReset);
        Wait(1234);
        const auto start = Start();
        const int group = session().expectedGroup();
        const bool right = n % 2 == 0;
        const int before = session().score();
        Wait(5000);
        Press(right == (group <= 4) ? kTourPush : kTourFold);
        EXPECT_EQ(session().score() - before, right ? 1 : -1)
            << "group " << group << (right ? " right" : " wrong") << " after " << platform.Ticks() - start;
        (right ? rightSeen : wrongSeen).insert(group);
    }
    EXPECT_EQ(rightSeen, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(wrongSeen, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
}

// Each press starts the clock, draws with 168 ms of pauses (178 for group
// 7), and shows a situation of the group it stores; the score box is left alone.
TEST_F(TournamentSessionTest, StartShowsASituationOfTheStoredGroup)
{
    Press(kTourFold);
    ASSERT_EQ(Box(kTourScoreBox), "-1");
    for (int n = 1; n <= 10; ++n) {
        Wait(777);
        const auto slept = platform.sleptMs();
        const auto start = Start();
        EXPECT_EQ(session().situationCount(), n);
        EXPECT_EQ(session().answerCount(), 0);
        EXPECT_EQ(session().startTick(), start);
        const int group = session().expectedGroup();
        EXPECT_TRUE(IsSituationOf(group, Box(kTourTextBox))) << group << ": " << Box(kTourTextBox);
        EXPECT_EQ(platform.sleptMs() - slept, group == 7 ? 178u : 168u);
        EXPECT_EQ(Box(kTourScoreBox), "-1");
    }
    EXPECT_EQ(platform.MessageCount(), 0);
}

TEST_F(TournamentSessionTest, OnlyTheFirstAnswerToASituationIsJudged)
{
    AnswerAt(Start(), 500, true);
    ASSERT_EQ(session().score(), 9);
    const auto effects = platform.effects().size();
    Press(RightButton());
    Press(WrongButton());
    EXPECT_EQ(session().score(), 9);
    EXPECT_EQ(platform.effects().size(), effects); // nothing shown either
    EXPECT_EQ(session().answerCount(), 3);
}

class TournamentAnswerBeforeAnyStart : public TournamentSessionTest, public ::testing::WithParamInterface<int> {};

TEST_P(TournamentAnswerBeforeAnyStart, IsWrong)
{
    ASSERT_EQ(session().expectedGroup(), 0);
    Press(GetParam());
    EXPECT_EQ(session().score(), -1);
    EXPECT_EQ(Box(kTourScoreBox), "-1");
    EXPECT_EQ(session().situationCount(), 0);
    Press(GetParam());
    EXPECT_EQ(session().score(), -1);
}

INSTANTIATE_TEST_SUITE_P(Tournament, TournamentAnswerBeforeAnyStart, ::testing::Values(kTourPush, kTourFold),
                         [](const auto& info) { return info.param == kTourPush ? "Push" : "Fold"; });

// A skipped situation costs nothing and still counts as one of the ten.
TEST_F(TournamentSessionTest, WholeSessionWithSkipsEndsWithAHighscore)
{
    const std::uint32_t times[] = {500, 1000, 2500, 4500, 200, 1001};
    const int scores[] = {9, 14, 16, 17, 38, 42};
    for (int i = 0; i < 6; ++i) {
        AnswerAt(Start(), times[i], true);
        EXPECT_EQ(Box(kTourScoreBox), std::to_string(scores[i]));
    }
    AnswerAt(Start(), 300, false); // seventh: wrong
    Start();                       // eighth: skipped
    Start();                       // ninth: skipped
    AnswerAt(Start(), 800, true);  // tenth
    EXPECT_EQ(session().situationCount(), 10);
    ASSERT_EQ(session().score(), 47);
    const std::string tenth = Box(kTourTextBox);

    const auto slept = platform.sleptMs();
    Start();
    EXPECT_EQ(platform.sleptMs(), slept); // the end of a session draws nothing
    EXPECT_EQ(Box(kTourTextBox), "Session over. Highscore! 47");
    EXPECT_EQ(Highscores(), "0 0 0 0 0 47 0 0 0 0 ");
    EXPECT_EQ(Box(kTourScoreBox), "47");

    Start();
    EXPECT_EQ(Box(kTourTextBox), "Session over");
    EXPECT_EQ(Highscores(), "0 0 0 0 0 47 0 0 0 0 ");
    EXPECT_EQ(session().situationCount(), 12);
    EXPECT_EQ(session().score(), 47);
    EXPECT_EQ(platform.MessageCount(), 0);
    EXPECT_NE(tenth, Box(kTourTextBox));
}

struct EndCase {
    const char* name;
    const char* fileBefore;
    int wrongAnswers; // the score is minus this
    const char* text;
    const char* fileAfter;
};

void PrintTo(const EndCase& c, std::ostream* os)
{
    *os << c.name;
}

class TournamentSessionEnd : public TournamentSessionTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(TournamentSessionEnd, OffersTheScoreToSlotFive)
{
    const EndCase& c = GetParam();
    SetHighscores(c.fileBefore);
    for (int i = 0; i < 10; ++i)
        AnswerAt(Start(), 400, i >= c.wrongAnswers);
    ASSERT_EQ(session().score(), 10 * 11 - c.wrongAnswers * 12); // right answers at 400 ms gain 11
    Start();
    EXPECT_EQ(Box(kTourTextBox), c.text);
    EXPECT_EQ(Highscores(), c.fileAfter);
    EXPECT_EQ(platform.MessageCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Tournament, TournamentSessionEnd,
                         ::testing::Values(EndCase{"BeatsALowerSlot", "1 2 3 4 50 60 7 8 9 10 ", 3,
                                                   "Session over. Highscore! 74", "1 2 3 4 50 74 7 8 9 10 "},
                                           EndCase{"EqualIsNoHighscore", "0 0 0 0 0 74 0 0 0 0 ", 3, "Session over",
                                                   "0 0 0 0 0 74 0 0 0 0 "},
                                           EndCase{"LowerIsNoHighscore", "0 0 0 0 0 111 0 0 0 0 ", 0, "Session over",
                                                   "0 0 0 0 0 111 0 0 0 0 "},
                                           EndCase{"NegativeNeverBeatsZero", "0 0 0 0 0 0 0 0 0 0 ", 10, "Session over",
                                                   "0 0 0 0 0 0 0 0 0 0 "},
                                           EndCase{"NegativeBeatsALowerNegative", "0 0 0 0 0 -130 0 0 0 0 ", 10,
                                                   "Session over. Highscore! -10", "0 0 0 0 0 -10 0 0 0 0 "}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TournamentSessionTest, MissingFileIsAnnouncedAndTriedAgainNextPress)
{
    AnswerAt(Start(), 500, true);
    StartUntil(10);
    const std::string lastSituation = Box(kTourTextBox);
    std::filesystem::remove(HighscorePath());

    Start();
    ASSERT_EQ(platform.MessageCount(), 1);
    EXPECT_EQ(platform.LastMessage()->text, "Highscore list gone?");
    EXPECT_EQ(platform.LastMessage()->caption, "velmorandine");
    EXPECT_EQ(Box(kTourTextBox), lastSituation);
    EXPECT_FALSE(std::filesystem::exists(HighscorePath()));
    EXPECT_EQ(session().score(), 9);
    EXPECT_EQ(session().situationCount(), 11);

    Start();
    EXPECT_EQ(platform.MessageCount(), 2);
    EXPECT_EQ(Box(kTourTextBox), lastSituation);
    SetHighscores("0 0 0 0 0 0 0 0 0 0 ");
    Start();
    EXPECT_EQ(Box(kTourTextBox), "Session over. Highscore! 9");
    EXPECT_EQ(Highscores(), "0 0 0 0 0 9 0 0 0 0 ");
}

// A rewrite that fails must not be announced as a highscore.
TEST_F(TournamentSessionTest, FailedRewriteIsNoHighscore)
{
    SetHighscores("9 8 7 6 5 4 3 2 1 0 ");
    AnswerAt(Start(), 500, true);
    StartUntil(10);
    const std::string lastSituation = Box(kTourTextBox);

    files.FailWritesAfter(0);
    Start();
    ASSERT_EQ(platform.MessageCount(), 1);
    EXPECT_EQ(platform.LastMessage()->text, "Highscore list gone?");
    EXPECT_EQ(Box(kTourTextBox), lastSituation);
    EXPECT_EQ(Highscores(), "9 8 7 6 5 4 3 2 1 0 ");

    files.Heal();
    Start();
    EXPECT_EQ(Box(kTourTextBox), "Session over. Highscore! 9");
    EXPECT_EQ(Highscores(), "9 8 7 6 5 9 3 2 1 0 ");
}

// Once over, each Start/Next press restarts the clock and lets one answer to
// the tenth situation in; the next press offers the changed score.
TEST_F(TournamentSessionTest, AfterTheSessionEachPressLetsOneAnswerIn)
{
    StartUntil(10);
    const int tenthGroup = session().expectedGroup();
    Start();
    ASSERT_EQ(Box(kTourTextBox), "Session over");

    Wait(3000);
    const auto start = Start();
    EXPECT_EQ(session().startTick(), start);
    EXPECT_EQ(session().answerCount(), 0);
    EXPECT_EQ(session().expectedGroup(), tenthGroup);
    AnswerAt(start, 500, true);
    Press(RightButton());
    EXPECT_EQ(session().score(), 9);
    Start();
    EXPECT_EQ(Box(kTourTextBox), "Session over. Highscore! 9");

    AnswerAt(Start(), 1000, false);
    EXPECT_EQ(session().score(), 8);
    Start();
    EXPECT_EQ(Box(kTourTextBox), "Session over");
    EXPECT_EQ(Highscores(), "0 0 0 0 0 9 0 0 0 0 ");
}

// A session-over press does not pause, so an answer can follow within the
// same tick; it must not fault and earns the bonus of a 1 ms answer.
TEST_F(TournamentSessionTest, AnswerInTheSameTickAsTheSessionOverPress)
{
    StartUntil(11);
    Press(RightButton());
    EXPECT_EQ(session().score(), 4001);
    EXPECT_EQ(Box(kTourScoreBox), "4001");
}

TEST_F(TournamentSessionTest, ResetZeroesCountAndScoreAndKeepsTheSituationsKey)
{
    AnswerAt(Start(), 500, true);
    const auto start = Start();
    const int group = session().expectedGroup();
    const std::string file = Highscores();

    platform.ClearEffects();
    Press(kTourReset);
    ASSERT_EQ(platform.effects().size(), 2u);
    EXPECT_EQ(platform.effects()[0].box, kTourScoreBox);
    EXPECT_EQ(platform.effects()[0].text, "");
    EXPECT_EQ(platform.effects()[1].box, kTourTextBox);
    EXPECT_EQ(platform.effects()[1].text, "");
    EXPECT_EQ(session().situationCount(), 0);
    EXPECT_EQ(session().score(), 0);
    EXPECT_EQ(session().expectedGroup(), group);
    EXPECT_EQ(session().answerCount(), 0);
    EXPECT_EQ(session().startTick(), start);
    EXPECT_EQ(Highscores(), file);

    // The unanswered situation is still judged, although both boxes are empty.
    AnswerAt(start, 1000, true);
    EXPECT_EQ(session().score(), 5);
    EXPECT_EQ(Box(kTourTextBox), "");

    Start();
    EXPECT_EQ(session().situationCount(), 1);
    EXPECT_TRUE(IsSituationOf(session().expectedGroup(), Box(kTourTextBox)));
}

TEST_F(TournamentSessionTest, ResetAfterTheSessionStartsANewOne)
{
    for (int i = 0; i < 10; ++i)
        AnswerAt(Start(), 4000, true);
    Start();
    ASSERT_EQ(Box(kTourTextBox), "Session over. Highscore! 20");
    Press(kTourReset);
    for (int i = 0; i < 10; ++i)
        AnswerAt(Start(), 2000, true);
    EXPECT_EQ(session().situationCount(), 10);
    Start();
    EXPECT_EQ(Box(kTourTextBox), "Session over. Highscore! 30");
    EXPECT_EQ(Highscores(), "0 0 0 0 0 30 0 0 0 0 ");
}

// The tournament keeps its own clock: a preflop start leaves its timing alone.
TEST_F(TournamentSessionTest, TimedFromItsOwnClock)
{
    const auto start = Start();
    Wait(100);
    Press(kPreflopStart);
    AnswerAt(start, 1000, true);
    EXPECT_EQ(session().score(), 5);
}

class TournamentSessionAcrossTheWrap : public TournamentSessionTest {
protected:
    TournamentSessionAcrossTheWrap() : TournamentSessionTest(0xFFFFFF00u) {}
};

TEST_F(TournamentSessionAcrossTheWrap, ElapsedTimeSurvivesTheTickCountWrap)
{
    const auto start = Start();
    AnswerAt(start, 500, true);
    ASSERT_LT(platform.Ticks(), start); // the tick count wrapped in between
    EXPECT_EQ(session().score(), 9);
}

// The response time is a signed 32-bit difference and 4000 / t truncates
// toward zero: more than 2^31 ms late reads as negative, which gives no
// bonus, or a negative one within 4000 ms of 2^32.
TEST_F(TournamentSessionTest, AnswerMoreThanTwoToTheThirtyOneMsLate)
{
    for (auto [late, points] : {std::pair{0x80000000u + 5000u, 1}, std::pair{0xFFFFF448u /* -3000 ms */, 0}}) {
        const std::int32_t before = session().score();
        const auto start = Start();
        Wait(start + late - platform.Ticks());
        Press(RightButton());
        EXPECT_EQ(session().score() - before, points) << late << " ms late";
    }
}

TEST_F(TournamentSessionTest, ScoreAndCountersStopAtTheThirtyTwoBitLimits)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    TrainerStateAccess::Score(trainers.tournament) = kMax - 1;
    AnswerAt(Start(), 500, true);
    EXPECT_EQ(session().score(), kMax);
    EXPECT_EQ(Box(kTourScoreBox), "2.14748e+009");
    TrainerStateAccess::Score(trainers.tournament) = kMin;
    AnswerAt(Start(), 500, false);
    EXPECT_EQ(session().score(), kMin);

    TrainerStateAccess::AnswerCount(trainers.tournament) = kMax;
    Press(RightButton());
    EXPECT_EQ(session().answerCount(), kMax);
    EXPECT_EQ(session().score(), kMin);
    TrainerStateAccess::SituationCount(trainers.tournament) = kMax;
    Start();
    EXPECT_EQ(session().situationCount(), kMax);
    EXPECT_EQ(Box(kTourTextBox), "Session over");
}

} // namespace
} // namespace velmo::test
