// The two timed quizzes, Preflop and Tournaments, run the same session: ten
// situations, +1 plus 4000 / elapsed for a right answer and -1 for a wrong
// one, one judged answer per situation, the score offered to the panel's
// slot by the eleventh Start/Next press.  Each case here runs on both
// panels; where they differ (the shared clock, the guard on odd times,
// what a situation looks like) the case says how.
#include "common/situation_timing.h"
#include "odds/odds_panel.h"
#include "preflop/preflop_catalogue.h"
#include "preflop/preflop_panel.h"
#include "scores/highscore_file.h"
#include "support/cards.h"
#include "support/logged_records.h"
#include "support/preflop_draws.h"
#include "support/program_fixture.h"
#include "support/tournament_texts.h"
#include "support/trainer_state_access.h"
#include "tournament/tournament_panel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace velmo::test {
namespace {

using namespace velmo::ids;

enum class Panel { Preflop, Tournaments };

std::string PanelName(Panel panel)
{
    return panel == Panel::Preflop ? "Preflop" : "Tournaments";
}

class TimedQuiz : public ProgramFixture {
protected:
    explicit TimedQuiz(Panel panel) : panel_(panel) {}

    bool preflop() const { return panel_ == Panel::Preflop; }
    int StartButton() const { return preflop() ? kPreflopStart : kTournamentStart; }
    int ResetButton() const { return preflop() ? kPreflopReset : kTournamentReset; }
    int TextBox() const { return preflop() ? kPreflopTextBox : kTournamentTextBox; }
    int ScoreBox() const { return preflop() ? kPreflopScoreBox : kTournamentScoreBox; }
    int Slot() const { return preflop() ? 4 : 5; }
    std::vector<int> AnswerButtons() const
    {
        if (!preflop())
            return {kTournamentPush, kTournamentFold};
        return {kPreflopOpen,
                kPreflopFold,
                kPreflopCall,
                kPreflopThreeBet,
                kPreflopOpenCallThreeBet,
                kPreflopOpenFoldToThreeBet,
                kPreflopOpenFourBet};
    }

    std::int32_t& ScoreField()
    {
        return preflop() ? TrainerStateAccess::Score(trainers.preflop) : TrainerStateAccess::Score(trainers.tournament);
    }
    std::int32_t& SituationCountField()
    {
        return preflop() ? TrainerStateAccess::SituationCount(trainers.preflop)
                         : TrainerStateAccess::SituationCount(trainers.tournament);
    }
    std::int32_t& AnswerCountField()
    {
        return preflop() ? TrainerStateAccess::AnswerCount(trainers.preflop)
                         : TrainerStateAccess::AnswerCount(trainers.tournament);
    }
    std::int32_t Score() { return ScoreField(); }
    std::uint32_t StartTick() const
    {
        return preflop() ? trainers.situationStart.situationStartTick : trainers.tournament.startTick();
    }
    std::int32_t SituationCount() { return SituationCountField(); }
    velmo::TimedQuiz& Quiz() { return preflop() ? trainers.preflop.quiz() : trainers.tournament.quiz(); }
    std::int32_t AnswerCount() { return AnswerCountField(); }

    // The situation's key: the preflop answer code, or the tournament group.
    int Key() const
    {
        return preflop() ? static_cast<int>(trainers.preflop.expectedAnswer()) : trainers.tournament.expectedGroup();
    }
    // Answer codes 1 to 7 are the buttons Open, Fold, Call, 3b, "Open, call
    // 3b", "Open, fold to 3b" and "Open, 4b"; groups 1 to 4 expect Push.
    int RightButton() const
    {
        if (!preflop())
            return Key() <= 4 ? kTournamentPush : kTournamentFold;
        EXPECT_GE(Key(), 1) << "no situation on show";
        return AnswerButtons()[static_cast<std::size_t>(std::max(Key(), 1) - 1)];
    }
    int WrongButton() const
    {
        if (!preflop())
            return RightButton() == kTournamentPush ? kTournamentFold : kTournamentPush;
        return AnswerButtons()[static_cast<std::size_t>(std::max(Key(), 1) % 7)];
    }

    // Presses Start/Next and returns the tick it was pressed at.
    std::uint32_t Start()
    {
        const std::uint32_t pressedAt = platform.Ticks();
        Press(StartButton());
        return pressedAt;
    }
    void StartUntil(int count)
    {
        while (SituationCount() < count)
            Start();
    }
    // Answers `ms` after `start`, rightly or wrongly.
    void AnswerAt(std::uint32_t start, std::uint32_t ms, bool right)
    {
        const std::uint32_t now = platform.Ticks();
        ASSERT_GE(ElapsedMs(now, start + ms), 0) << "the pauses alone took longer";
        Wait(start + ms - now);
        Press(right ? RightButton() : WrongButton());
    }

    // A highscore file holding `value` in this panel's slot and 0 to 9 in the others.
    std::string FileWith(int value) const
    {
        std::string text;
        for (int slot = 0; slot < 10; ++slot)
            text += std::to_string(slot == Slot() ? value : slot) + ' ';
        return text;
    }

    // What a press that shows situation `n` must have done: the text is one
    // of its key's situations, and the pauses are the key's.
    void ExpectSituationShown(int n, std::uint32_t pausedMs)
    {
        const std::string text = Box(TextBox());
        ASSERT_GE(Key(), 1);
        ASSERT_LE(Key(), 7);
        if (preflop()) {
            const auto pauses = PreflopPausesOf(trainers.preflop.expectedAnswer());
            EXPECT_TRUE(pauses.contains(pausedMs - static_cast<std::uint32_t>(n * 3 + 1)))
                << pausedMs << " ms for code " << Key() << ": " << text;
            const std::size_t end = text.size() - (text.ends_with('.') ? 1 : 0);
            EXPECT_TRUE(end > 5 && IsHand(text.substr(end - 4, 4))) << text;
        } else {
            EXPECT_TRUE(IsSituationOf(Key(), text)) << Key() << ": " << text;
            EXPECT_EQ(pausedMs, Key() == 7 ? 178u : 168u);
        }
    }

private:
    Panel panel_;
};

class TimedQuizTest : public TimedQuiz, public ::testing::WithParamInterface<Panel> {
protected:
    TimedQuizTest() : TimedQuiz(GetParam()) {}
};

INSTANTIATE_TEST_SUITE_P(Both, TimedQuizTest, ::testing::Values(Panel::Preflop, Panel::Tournaments),
                         [](const auto& info) { return PanelName(info.param); });

// A right answer `elapsedMs` after the start earns `points`.
struct PointsCase {
    std::uint32_t elapsedMs;
    int points;
};

class TimedQuizPoints : public TimedQuiz, public ::testing::WithParamInterface<std::tuple<Panel, PointsCase>> {
protected:
    TimedQuizPoints() : TimedQuiz(std::get<0>(GetParam())) {}
};

// The clock starts at the press, before the draw's pauses.
TEST_P(TimedQuizPoints, RightAnswerGainsOnePlusTheSpeedBonus)
{
    const PointsCase& c = std::get<1>(GetParam());
    AnswerAt(Start(), c.elapsedMs, true);
    EXPECT_EQ(Score(), c.points);
    EXPECT_EQ(Box(ScoreBox()), std::to_string(c.points));
}

INSTANTIATE_TEST_SUITE_P(
    Both, TimedQuizPoints,
    ::testing::Combine(::testing::Values(Panel::Preflop, Panel::Tournaments),
                       ::testing::Values(PointsCase{250, 17}, PointsCase{500, 9}, PointsCase{800, 6},
                                         PointsCase{1000, 5}, PointsCase{1001, 4}, PointsCase{1333, 4},
                                         PointsCase{1334, 3}, PointsCase{2000, 3}, PointsCase{2001, 2},
                                         PointsCase{2500, 2}, PointsCase{4000, 2}, PointsCase{4001, 1},
                                         PointsCase{4500, 1})),
    [](const auto& info) {
        return PanelName(std::get<0>(info.param)) + "After" + std::to_string(std::get<1>(info.param).elapsedMs) + "ms";
    });

TEST_P(TimedQuizTest, WrongAnswerLosesOneAtAnySpeed)
{
    int expected = 0;
    for (std::uint32_t ms : {250u, 500u, 6000u}) {
        AnswerAt(Start(), ms, false);
        --expected;
        EXPECT_EQ(Score(), expected);
        EXPECT_EQ(Box(ScoreBox()), std::to_string(expected));
    }
}

TEST_P(TimedQuizTest, OnlyTheFirstAnswerToASituationIsJudged)
{
    AnswerAt(Start(), 500, true);
    ASSERT_EQ(Score(), 9);
    const auto effects = platform.effects().size();
    Press(RightButton());
    Press(WrongButton());
    EXPECT_EQ(Score(), 9);
    EXPECT_EQ(platform.effects().size(), effects); // nothing shown either
    EXPECT_EQ(AnswerCount(), 3);
}

// What the practice log gets: each judged answer with the situation shown,
// both answers by their captions, the time and the points, numbered within
// the session (the answers the gate stops are not logged), and the offer at
// the session's end with its outcome.
TEST_P(TimedQuizTest, TheLogGetsEachJudgedAnswerAndTheSessionsEnd)
{
    ASSERT_TRUE(trainers.log.TurnOn());
    AnswerAt(Start(), 500, true);
    const std::string firstSituation = Box(TextBox());
    const std::string_view rightCaption = CaptionOf(preflop() ? PreflopPanel() : TournamentPanel(), RightButton());
    Press(WrongButton());
    AnswerAt(Start(), 250, false);
    const std::string_view wrongCaption = CaptionOf(preflop() ? PreflopPanel() : TournamentPanel(), WrongButton());
    StartUntil(11);

    const auto records = LoggedRecords(files);
    ASSERT_EQ(records.size(), 3u);
    const LogPanel panel = preflop() ? LogPanel::Preflop : LogPanel::Tournament;
    const LogRecord& first = records[0];
    EXPECT_EQ(first.panel, panel);
    EXPECT_EQ(first.event, LogEvent::Answer);
    EXPECT_EQ(first.situation, firstSituation);
    EXPECT_EQ(first.rightAnswer, rightCaption);
    EXPECT_EQ(first.givenAnswer, rightCaption);
    EXPECT_EQ(first.correct, true);
    EXPECT_EQ(first.responseMs, 500);
    EXPECT_EQ(first.points, 9);
    EXPECT_EQ(first.situationNumber, 1);
    const LogRecord& second = records[1];
    EXPECT_EQ(second.givenAnswer, wrongCaption);
    EXPECT_NE(second.rightAnswer, wrongCaption);
    EXPECT_EQ(second.correct, false);
    EXPECT_EQ(second.responseMs, 250);
    EXPECT_EQ(second.points, -1);
    EXPECT_EQ(second.situationNumber, 2);
    EXPECT_EQ(records[2].event, LogEvent::SessionEnd);
    EXPECT_EQ(records[2].score, 8);
    EXPECT_EQ(records[2].highscore, true);
    // Each line is stamped with the wall clock, which moves with the ticks.
    EXPECT_LT(first.time.unixMs, second.time.unixMs);
}

// Before any situation every button is wrong (the gate is opened again by
// hand to try each one).
TEST_P(TimedQuizTest, EveryAnswerBeforeAnyStartIsWrong)
{
    ASSERT_EQ(Key(), 0);
    int expected = 0;
    for (int button : AnswerButtons()) {
        AnswerCountField() = 0;
        Press(button);
        EXPECT_EQ(Score(), --expected) << "button " << button;
        EXPECT_EQ(Box(ScoreBox()), std::to_string(expected));
    }
    EXPECT_EQ(SituationCount(), 0);
}

// Each press counts, forgets the answer before it, starts the clock and shows a
// situation of the key it stores; the score box is left alone.
TEST_P(TimedQuizTest, StartShowsASituationOfTheStoredKey)
{
    Press(AnswerButtons().front());
    ASSERT_EQ(Box(ScoreBox()), "-1");
    for (int n = 1; n <= 10; ++n) {
        Wait(777);
        const auto slept = platform.sleptMs();
        const auto start = Start();
        EXPECT_EQ(SituationCount(), n);
        EXPECT_EQ(AnswerCount(), 0);
        EXPECT_EQ(StartTick(), start);
        ExpectSituationShown(n, platform.sleptMs() - slept);
        EXPECT_EQ(Box(ScoreBox()), "-1");
    }
    EXPECT_EQ(platform.MessageCount(), 0);
}

// Every key comes up, and each is judged right by its own button only.
TEST_P(TimedQuizTest, EveryKeyComesUpAndIsJudgedByItsAnswer)
{
    std::set<int> rightSeen, wrongSeen;
    for (int n = 0; n < 400 && (rightSeen.size() < 7 || wrongSeen.size() < 7); ++n) {
        if (SituationCount() == 10)
            Press(ResetButton());
        Wait(1234);
        Start();
        const bool right = n % 2 == 0;
        const int before = Score();
        Wait(5000);
        Press(right ? RightButton() : WrongButton());
        EXPECT_EQ(Score() - before, right ? 1 : -1) << "key " << Key() << (right ? " right" : " wrong");
        (right ? rightSeen : wrongSeen).insert(Key());
    }
    EXPECT_EQ(rightSeen, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(wrongSeen, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
}

// Four quick answers make 37, a wrong one costs 1, a slow one gains 1, the
// rest are skipped: 37 beats the 20 in the slot, and the next press finds
// it no longer a highscore.  The other slots stay as they were.
TEST_P(TimedQuizTest, WholeSessionWithSkipsEndsWithAHighscore)
{
    SetHighscores(FileWith(20));
    const std::uint32_t times[] = {250, 500, 800, 1000};
    const int scores[] = {17, 26, 32, 37};
    for (int i = 0; i < 4; ++i) {
        AnswerAt(Start(), times[i], true);
        EXPECT_EQ(Box(ScoreBox()), std::to_string(scores[i]));
    }
    AnswerAt(Start(), 300, false);
    AnswerAt(Start(), 4500, true);
    StartUntil(10);
    ASSERT_EQ(Score(), 37);
    const std::string tenth = Box(TextBox());

    const auto slept = platform.sleptMs();
    Start();
    EXPECT_EQ(platform.sleptMs(), slept) << "the end of a session draws nothing";
    EXPECT_EQ(Box(TextBox()), "Session over. Highscore! 37");
    EXPECT_EQ(Highscores(), FileWith(37));
    EXPECT_EQ(Box(ScoreBox()), "37");

    Start();
    EXPECT_EQ(Box(TextBox()), "Session over");
    EXPECT_EQ(Highscores(), FileWith(37));
    EXPECT_EQ(SituationCount(), 12);
    EXPECT_EQ(Score(), 37);
    EXPECT_EQ(platform.MessageCount(), 0);
    EXPECT_NE(tenth, Box(TextBox()));
}

struct EndCase {
    const char* name;
    int slotBefore;
    int wrongAnswers; // of ten, each at 400 ms: a right one gains 11
    const char* text;
    int slotAfter;
};

class TimedQuizEnd : public TimedQuiz, public ::testing::WithParamInterface<std::tuple<Panel, EndCase>> {
protected:
    TimedQuizEnd() : TimedQuiz(std::get<0>(GetParam())) {}
};

TEST_P(TimedQuizEnd, OffersTheScoreToTheSlot)
{
    const EndCase& c = std::get<1>(GetParam());
    SetHighscores(FileWith(c.slotBefore));
    for (int i = 0; i < 10; ++i)
        AnswerAt(Start(), 400, i >= c.wrongAnswers);
    ASSERT_EQ(Score(), (10 - c.wrongAnswers) * 11 - c.wrongAnswers);
    Start();
    EXPECT_EQ(Box(TextBox()), c.text);
    EXPECT_EQ(Highscores(), FileWith(c.slotAfter));
    EXPECT_EQ(platform.MessageCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Both, TimedQuizEnd,
    ::testing::Combine(::testing::Values(Panel::Preflop, Panel::Tournaments),
                       ::testing::Values(EndCase{"EqualIsNoHighscore", 74, 3, "Session over", 74},
                                         EndCase{"HigherSlotStays", 111, 0, "Session over", 111},
                                         EndCase{"NegativeNeverBeatsZero", 0, 10, "Session over", 0},
                                         EndCase{"NegativeBeatsALowerNegative", -130, 10,
                                                 "Session over. Highscore! -10", -10})),
    [](const auto& info) { return PanelName(std::get<0>(info.param)) + std::get<1>(info.param).name; });

TEST_P(TimedQuizTest, MissingFileIsAnnouncedAndTriedAgainNextPress)
{
    AnswerAt(Start(), 500, true);
    StartUntil(10);
    const std::string lastSituation = Box(TextBox());
    std::filesystem::remove(HighscorePath());

    Start();
    ASSERT_EQ(platform.MessageCount(), 1);
    EXPECT_EQ(platform.LastMessage()->text, "Highscore list gone?");
    EXPECT_EQ(platform.LastMessage()->caption, "velmorandine");
    EXPECT_EQ(Box(TextBox()), lastSituation);
    EXPECT_FALSE(std::filesystem::exists(HighscorePath()));
    EXPECT_EQ(Score(), 9);
    EXPECT_EQ(SituationCount(), 11);

    Start();
    EXPECT_EQ(platform.MessageCount(), 2);
    EXPECT_EQ(Box(TextBox()), lastSituation);
    SetHighscores(FileWith(0));
    Start();
    EXPECT_EQ(Box(TextBox()), "Session over. Highscore! 9");
    EXPECT_EQ(Highscores(), FileWith(9));
}

// A rewrite that fails must not be announced as a highscore.
TEST_P(TimedQuizTest, FailedRewriteIsNoHighscore)
{
    SetHighscores(FileWith(5));
    AnswerAt(Start(), 500, true);
    StartUntil(10);
    const std::string lastSituation = Box(TextBox());

    files.FailWritesAfter(0);
    Start();
    ASSERT_EQ(platform.MessageCount(), 1);
    EXPECT_EQ(platform.LastMessage()->text, "Highscore list gone?");
    EXPECT_EQ(Box(TextBox()), lastSituation);
    EXPECT_EQ(Highscores(), FileWith(5));

    files.Heal();
    Start();
    EXPECT_EQ(Box(TextBox()), "Session over. Highscore! 9");
    EXPECT_EQ(Highscores(), FileWith(9));
}

// Once over, each Start/Next press lets one answer to the tenth situation
// in, and the next press offers the changed score.  Tournaments time that
// answer from the session-over press; Preflop from the tenth situation's start.
TEST_P(TimedQuizTest, AfterTheSessionEachPressLetsOneAnswerIn)
{
    SetHighscores(FileWith(0));
    StartUntil(9);
    const std::uint32_t tenthStart = Start();
    const int tenthKey = Key();
    Start();
    ASSERT_EQ(Box(TextBox()), "Session over");

    Wait(3000);
    const std::uint32_t overPress = Start();
    EXPECT_EQ(AnswerCount(), 0);
    EXPECT_EQ(Key(), tenthKey);
    AnswerAt(overPress, 500, true);
    Press(RightButton());
    const int expected = 1 + 4000 / static_cast<int>(platform.Ticks() - (preflop() ? tenthStart : overPress));
    EXPECT_EQ(Score(), expected);
    Start();
    EXPECT_EQ(Box(TextBox()), "Session over. Highscore! " + std::to_string(expected));

    AnswerAt(Start(), 1000, false);
    EXPECT_EQ(Score(), expected - 1);
    Start();
    EXPECT_EQ(Box(TextBox()), "Session over");
    EXPECT_EQ(Highscores(), FileWith(expected));
}

TEST_P(TimedQuizTest, ResetZeroesCountAndScoreAndKeepsTheSituationsKey)
{
    AnswerAt(Start(), 500, true);
    const auto start = Start();
    const int key = Key();
    const std::string file = Highscores();

    platform.ClearEffects();
    Press(ResetButton());
    ASSERT_EQ(platform.effects().size(), 2u);
    EXPECT_EQ(platform.effects()[0].box, ScoreBox());
    EXPECT_EQ(platform.effects()[0].text, "");
    EXPECT_EQ(platform.effects()[1].box, TextBox());
    EXPECT_EQ(platform.effects()[1].text, "");
    EXPECT_EQ(SituationCount(), 0);
    EXPECT_EQ(Score(), 0);
    EXPECT_EQ(Key(), key);
    EXPECT_EQ(AnswerCount(), 0);
    EXPECT_EQ(StartTick(), start);
    EXPECT_EQ(Highscores(), file);

    // The unanswered situation is still judged, although both boxes are empty.
    AnswerAt(start, 1000, true);
    EXPECT_EQ(Score(), 5);
    EXPECT_EQ(Box(TextBox()), "");

    const auto slept = platform.sleptMs();
    Start();
    EXPECT_EQ(SituationCount(), 1);
    ExpectSituationShown(1, platform.sleptMs() - slept);
}

TEST_P(TimedQuizTest, ResetAfterTheSessionStartsANewOne)
{
    SetHighscores(FileWith(0));
    for (int i = 0; i < 10; ++i)
        AnswerAt(Start(), 4000, true);
    Start();
    ASSERT_EQ(Box(TextBox()), "Session over. Highscore! 20");
    Press(ResetButton());
    for (int i = 0; i < 10; ++i)
        AnswerAt(Start(), 2000, true);
    EXPECT_EQ(SituationCount(), 10);
    Start();
    EXPECT_EQ(Box(TextBox()), "Session over. Highscore! 30");
    EXPECT_EQ(Highscores(), FileWith(30));
}

// An RE/Odds Start/Next press between showing and answering restarts the
// Preflop clock, which the two share; the Tournaments clock is its own.
TEST_P(TimedQuizTest, AnOddsStartRestartsOnlyTheSharedClock)
{
    const auto start = Start();
    Wait(3000);
    Press(kOddsStart);
    const std::uint32_t oddsShown = platform.Ticks();
    AnswerAt(oddsShown, 500, true);
    EXPECT_EQ(Score(), preflop() ? 9 : 1 + 4000 / static_cast<int>(platform.Ticks() - start));
}

TEST_P(TimedQuizTest, ElapsedTimeSurvivesTheTickCountWrap)
{
    Wait(0xFFFFFF00u - platform.Ticks());
    const auto start = Start();
    AnswerAt(start, 500, true);
    ASSERT_LT(platform.Ticks(), start); // the tick count wrapped in between
    EXPECT_EQ(Score(), 9);
}

// An answer more than 2^31 ms late reads as a negative time.  Preflop gives
// it no bonus at all; Tournaments divide as they are (4000 / t truncated),
// which gives 0, or -1 when the time reads -3000 ms.
TEST_P(TimedQuizTest, AnswerMoreThanTwoToTheThirtyOneMsLate)
{
    for (auto [late, tournamentPoints] : {std::pair{0x80000000u + 5000u, 1}, std::pair{0xFFFFF448u, 0}}) {
        const std::int32_t before = Score();
        const auto start = Start();
        Wait(start + late - platform.Ticks());
        Press(RightButton());
        EXPECT_EQ(Score() - before, preflop() ? 1 : tournamentPoints) << late << " ms late";
    }
}

// An answer in the very tick its clock started must not fault: it earns the
// bonus of 1 ms.  Only a Tournaments session-over press, which does not
// pause, leads to one; on Preflop the shared clock is set by hand.
TEST_P(TimedQuizTest, AnswerInTheTickTheClockStarted)
{
    StartUntil(11);
    if (preflop())
        trainers.situationStart.situationStartTick = platform.Ticks();
    Press(RightButton());
    EXPECT_EQ(Score(), 4001);
    EXPECT_EQ(Box(ScoreBox()), "4001");
}

TEST_P(TimedQuizTest, ScoreAndCountersStopAtTheThirtyTwoBitLimits)
{
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    ScoreField() = kMax - 1;
    AnswerAt(Start(), 500, true);
    EXPECT_EQ(Score(), kMax);
    EXPECT_EQ(Box(ScoreBox()), "2.14748e+009");
    ScoreField() = kMin;
    AnswerAt(Start(), 500, false);
    EXPECT_EQ(Score(), kMin);

    // A gate counted up to the limit stays shut, a session stays over.
    AnswerCountField() = kMax;
    Press(RightButton());
    EXPECT_EQ(AnswerCount(), kMax);
    EXPECT_EQ(Score(), kMin);
    SituationCountField() = kMax;
    Start();
    EXPECT_EQ(SituationCount(), kMax);
    EXPECT_EQ(Box(TextBox()), "Session over");
}

} // namespace
} // namespace velmo::test
