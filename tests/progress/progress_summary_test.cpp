#include "log_records.h"
#include "progress/log_line.h"
#include "progress/progress_summary.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace velmo {
namespace {

using namespace test;

ProgressSummary Summarise(const std::vector<LogRecord>& records)
{
    ProgressBuilder builder(kNow);
    for (const LogRecord& record : records)
        builder.Add(record);
    return std::move(builder).Finish({});
}

// A Reset logs nothing: the numbering starting again is what ends the
// abandoned session, whose answers then count in no session.
TEST(ProgressSummary, SplitsSessionsWhereTheSituationNumberStartsAgain)
{
    std::vector<LogRecord> log = {Answer(LogPanel::Preflop, 1, false), Answer(LogPanel::Preflop, 2, false)};
    for (std::int32_t number = 1; number <= 10; ++number) {
        log.push_back(Answer(LogPanel::Preflop, number, number % 4 != 0, 100 * number));
        log.push_back(Answer(LogPanel::Odds, number, true)); // interleaved, a session of its own
    }
    log.push_back(End(LogPanel::Preflop, 120));
    log.push_back(Answer(LogPanel::Preflop, 1, false)); // the next session, still running
    log.push_back(End(LogPanel::Odds, 30));
    log.push_back(End(LogPanel::Range, 9));

    const ProgressSummary summary = Summarise(log);
    const SessionPoint& preflop = summary.Of(LogPanel::Preflop).sessions.at(0);
    EXPECT_EQ(summary.Of(LogPanel::Preflop).sessions.size(), 1u);
    EXPECT_EQ(std::tie(preflop.score, preflop.highscore, preflop.answers), std::tuple(120, true, 10));
    EXPECT_DOUBLE_EQ(*preflop.rightShare, 0.8);
    EXPECT_DOUBLE_EQ(*preflop.medianResponseMs, 550.0); // 500 and 600 in the middle
    const std::vector<Mistake>& mistakes = summary.Of(LogPanel::Preflop).lastSessionMistakes;
    ASSERT_EQ(mistakes.size(), 2u);
    EXPECT_EQ(std::tie(mistakes[1].situation, mistakes[1].givenAnswer, mistakes[1].rightAnswer),
              std::tuple("situation 8", "Fold", "Raise"));
    EXPECT_EQ(mistakes[1].responseMs, 800);
    EXPECT_EQ(summary.Of(LogPanel::Odds).sessions.at(0).answers, 10);
    EXPECT_EQ(summary.Of(LogPanel::Odds).sessions.at(0).rightShare, 1.0);
    EXPECT_EQ(summary.Of(LogPanel::Range).sessions.at(0).rightShare, std::nullopt);
}

// How to fold's presses: a score that does not go on from the last press's
// is the program started afresh, so a run of its own.
TEST(ProgressSummary, HowToFoldRunsAreSessionsOfTheirPresses)
{
    std::vector<LogRecord> log;
    const auto press = [&](std::int32_t points, std::int32_t score, std::int64_t at) {
        LogRecord record = Event(LogPanel::Fold, LogEvent::Press, at);
        record.points = points;
        record.score = score;
        log.push_back(record);
    };
    press(1, 1, kNow - 3 * kDay);
    press(1, 2, kNow - 3 * kDay + 1000);
    press(-4, -2, kNow - 3 * kDay + 2000);
    press(1, 1, kNow - kDay);                              // a new run: 0 + 1, not -2 + 1
    log.push_back(Event(LogPanel::Fold, LogEvent::Press)); // without its numbers: no press at all

    const ProgressSummary summary = Summarise(log);
    const std::vector<SessionPoint>& runs = summary.Of(LogPanel::Fold).sessions;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(std::tie(runs[0].score, runs[0].answers, runs[0].time.unixMs), std::tuple(-2, 3, kNow - 3 * kDay + 2000));
    EXPECT_DOUBLE_EQ(*runs[0].rightShare, 2.0 / 3.0);
    EXPECT_EQ(std::tie(runs[1].score, runs[1].answers, runs[1].rightShare), std::tuple(1, 1, std::optional(1.0)));
}

TEST(ProgressSummary, MedianResponseTimeOfOddAndEvenCounts)
{
    const std::pair<std::vector<std::int64_t>, double> cases[] = {
        {{300}, 300.0}, {{900, 100}, 500.0}, {{5, 1, 3}, 3.0}, {{400, 100, 301, 200}, 250.5}};
    for (const auto& [times, median] : cases) {
        std::vector<LogRecord> log;
        for (std::size_t i = 0; i < times.size(); ++i)
            log.push_back(Answer(LogPanel::Tournament, static_cast<std::int32_t>(i + 1), true, times[i]));
        log.push_back(End(LogPanel::Tournament, 10));
        EXPECT_EQ(Summarise(log).Of(LogPanel::Tournament).sessions.at(0).medianResponseMs, median);
    }
}

TEST(ProgressSummary, SpansCountBackFromNowAndMarkTheFirstBest)
{
    const ProgressSummary summary = Summarise({
        End(LogPanel::Patience, 70, kNow - 30 * kDay - 1), End(LogPanel::Patience, 50, kNow - 30 * kDay),
        End(LogPanel::Patience, 60, kNow - 7 * kDay - 1), End(LogPanel::Patience, 20, kNow - 7 * kDay),
        End(LogPanel::Patience, 60, kNow), End(LogPanel::Patience, 45, kNow - 1), // logged later, from a merged log
    });
    const std::tuple<ProgressSpan, std::vector<std::int32_t>, std::size_t> cases[] = {
        {ProgressSpan::LastWeek, {20, 45, 60}, 2},
        {ProgressSpan::LastMonth, {50, 60, 20, 45, 60}, 1},
        {ProgressSpan::Everything, {70, 50, 60, 20, 45, 60}, 0},
    };
    for (const auto& [span, scores, best] : cases) {
        const ScoreSeries series = SessionsWithin(summary, LogPanel::Patience, span);
        std::vector<std::int32_t> seen;
        for (const SessionPoint& point : series.sessions)
            seen.push_back(point.score);
        EXPECT_EQ(seen, scores);
        EXPECT_EQ(series.best, best);
    }
    EXPECT_EQ(SessionsWithin(summary, LogPanel::Preflop, ProgressSpan::Everything).best, std::nullopt);
}

TEST(ProgressSummary, GroupsTheLastMonthsMistakesMostFrequentFirst)
{
    const std::pair<const char*, std::int64_t> wrong[] = {{"Raise", kNow - kDay},     {"Fold", kNow - kDay},
                                                          {"Call", kNow - kDay},      {"Raise", kNow},
                                                          {"Call", kNow - 30 * kDay}, {"Push", kNow - 30 * kDay - 1},
                                                          {"Push", kNow - 31 * kDay}, {"Call", kNow - 2 * kDay},
                                                          {"Fold", kNow - kDay}};
    std::vector<LogRecord> log;
    for (const auto& [right, at] : wrong)
        log.push_back(Answer(LogPanel::Odds, static_cast<std::int32_t>(log.size() % 10 + 1), false, 500, right, at));
    log.push_back(Answer(LogPanel::Odds, 1, true, 500, "Push"));
    const std::vector<MistakeGroup> expected = {{"Call", 3}, {"Fold", 2}, {"Raise", 2}};
    EXPECT_EQ(Summarise(log).Of(LogPanel::Odds).recentMistakes, expected);
}

TEST(ProgressSummary, SummarisesALogStreamAndCountsItsDamage)
{
    std::istringstream in(LogHeaderLine() + FormatLogLine(Answer(LogPanel::Preflop, 1, false)) + "damage\n" +
                          FormatLogLine(End(LogPanel::Preflop, 5)) + "1,2026");
    const ProgressSummary summary = SummariseLog(in, kNow);
    EXPECT_EQ(std::tie(summary.counts.records, summary.counts.unreadableLines), std::tuple(2u, 1u));
    EXPECT_TRUE(summary.counts.tornLastLine);
    EXPECT_EQ(summary.Of(LogPanel::Preflop).sessions.at(0).rightShare, 0.0);
    EXPECT_EQ(summary.Of(LogPanel::Preflop).lastSessionMistakes.size(), 1u);
}

} // namespace
} // namespace velmo
