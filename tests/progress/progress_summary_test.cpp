#include "progress/log_line.h"
#include "progress/progress_summary.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace velmo {
namespace {

constexpr std::int64_t kNow = 1796821407412;
constexpr std::int64_t kDay = 24 * 60 * 60 * 1000;

LogRecord Answer(LogPanel panel, std::int32_t number, bool correct, std::int64_t responseMs = 500,
                 std::string rightAnswer = "Raise", std::int64_t at = kNow - kDay)
{
    LogRecord record;
    record.time = {at, 60};
    record.panel = panel;
    record.situation = "situation " + std::to_string(number);
    record.rightAnswer = std::move(rightAnswer);
    record.givenAnswer = correct ? record.rightAnswer : "Fold";
    record.correct = correct;
    record.responseMs = responseMs;
    record.situationNumber = number;
    return record;
}

LogRecord End(LogPanel panel, std::int32_t score, std::int64_t at = kNow - kDay, LogEvent event = LogEvent::SessionEnd)
{
    LogRecord record;
    record.time = {at, 60};
    record.panel = panel;
    record.event = event;
    record.score = score;
    record.highscore = score > 100;
    return record;
}

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
    std::vector<LogRecord> log = {Answer(LogPanel::Preflop, 1, false), Answer(LogPanel::Preflop, 2, false),
                                  Answer(LogPanel::Preflop, 3, true)};
    for (std::int32_t number = 1; number <= 10; ++number) {
        log.push_back(Answer(LogPanel::Preflop, number, number % 4 != 0, 100 * number));
        log.push_back(Answer(LogPanel::Odds, number, true, 7)); // interleaved, a session of its own
    }
    log.push_back(End(LogPanel::Preflop, 120));
    log.push_back(Answer(LogPanel::Preflop, 1, false)); // the next session, still running
    log.push_back(End(LogPanel::Odds, 30));
    log.push_back(End(LogPanel::Range, 9, kNow - kDay, LogEvent::Done));

    const ProgressSummary summary = Summarise(log);
    const std::vector<SessionPoint>& preflop = summary.Of(LogPanel::Preflop).sessions;
    ASSERT_EQ(preflop.size(), 1u);
    EXPECT_EQ(preflop[0].score, 120);
    EXPECT_TRUE(preflop[0].highscore);
    EXPECT_EQ(preflop[0].answers, 10);
    EXPECT_DOUBLE_EQ(*preflop[0].rightShare, 0.8);
    EXPECT_DOUBLE_EQ(*preflop[0].medianResponseMs, 550.0);
    const std::vector<Mistake>& mistakes = summary.Of(LogPanel::Preflop).lastSessionMistakes;
    ASSERT_EQ(mistakes.size(), 2u);
    EXPECT_EQ(mistakes[1].situation, "situation 8");
    EXPECT_EQ(mistakes[1].givenAnswer, "Fold");
    EXPECT_EQ(mistakes[1].responseMs, 800);

    ASSERT_EQ(summary.Of(LogPanel::Odds).sessions.size(), 1u);
    EXPECT_EQ(summary.Of(LogPanel::Odds).sessions[0].answers, 10);
    EXPECT_DOUBLE_EQ(*summary.Of(LogPanel::Odds).sessions[0].rightShare, 1.0);
    const std::vector<SessionPoint>& range = summary.Of(LogPanel::Range).sessions;
    ASSERT_EQ(range.size(), 1u);
    EXPECT_EQ(range[0].rightShare, std::nullopt);
    EXPECT_EQ(range[0].medianResponseMs, std::nullopt);
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
        EXPECT_DOUBLE_EQ(*Summarise(log).Of(LogPanel::Tournament).sessions.at(0).medianResponseMs, median);
    }
}

TEST(ProgressSummary, SpansCountBackFromNowAndMarkTheFirstBest)
{
    const std::vector<LogRecord> log = {
        End(LogPanel::Patience, 70, kNow - 30 * kDay - 1, LogEvent::Done),
        End(LogPanel::Patience, 50, kNow - 30 * kDay, LogEvent::Done),
        End(LogPanel::Patience, 60, kNow - 7 * kDay - 1, LogEvent::Done),
        End(LogPanel::Patience, 20, kNow - 7 * kDay, LogEvent::Done),
        End(LogPanel::Patience, 60, kNow, LogEvent::Done),
        End(LogPanel::Patience, 45, kNow - 1, LogEvent::Done), // logged later, from a merged log
    };
    const ProgressSummary summary = Summarise(log);
    const std::pair<ProgressSpan, std::vector<std::int32_t>> cases[] = {
        {ProgressSpan::LastWeek, {20, 45, 60}},
        {ProgressSpan::LastMonth, {50, 60, 20, 45, 60}},
        {ProgressSpan::Everything, {70, 50, 60, 20, 45, 60}},
    };
    const std::size_t best[] = {2, 1, 0};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const ScoreSeries series = SessionsWithin(summary, LogPanel::Patience, cases[i].first);
        std::vector<std::int32_t> scores;
        for (const SessionPoint& point : series.sessions)
            scores.push_back(point.score);
        EXPECT_EQ(scores, cases[i].second) << i;
        EXPECT_EQ(series.best, best[i]) << i;
    }
    EXPECT_EQ(SessionsWithin(summary, LogPanel::Preflop, ProgressSpan::Everything).best, std::nullopt);
}

TEST(ProgressSummary, GroupsTheLastMonthsMistakesMostFrequentFirst)
{
    std::vector<LogRecord> log;
    std::int32_t number = 0;
    const auto wrong = [&](const char* right, std::int64_t at) {
        log.push_back(Answer(LogPanel::Odds, number % 10 + 1, false, 500, right, at));
        ++number;
    };
    wrong("Raise", kNow - kDay);
    wrong("Fold", kNow - kDay);
    wrong("Call", kNow - kDay);
    wrong("Raise", kNow);
    wrong("Call", kNow - 30 * kDay);
    wrong("Push", kNow - 30 * kDay - 1);
    wrong("Push", kNow - 31 * kDay);
    wrong("Call", kNow - 2 * kDay);
    wrong("Fold", kNow - kDay);
    log.push_back(Answer(LogPanel::Odds, 1, true, 500, "Push"));
    const std::vector<MistakeGroup> expected = {{"Call", 3}, {"Fold", 2}, {"Raise", 2}};
    EXPECT_EQ(Summarise(log).Of(LogPanel::Odds).recentMistakes, expected);
}

TEST(ProgressSummary, SummarisesALogStreamAndCountsItsDamage)
{
    std::string text = LogHeaderLine() + FormatLogLine(Answer(LogPanel::Preflop, 1, false)) + "damage\n" +
                       FormatLogLine(End(LogPanel::Preflop, 5)) + "1,2026";
    std::istringstream in(text);
    const ProgressSummary summary = SummariseLog(in, kNow);
    EXPECT_EQ(summary.counts.records, 2u);
    EXPECT_EQ(summary.counts.unreadableLines, 1u);
    EXPECT_TRUE(summary.counts.tornLastLine);
    EXPECT_EQ(summary.Of(LogPanel::Preflop).sessions.at(0).rightShare, 0.0);
    EXPECT_EQ(summary.Of(LogPanel::Preflop).lastSessionMistakes.size(), 1u);
}

} // namespace
} // namespace velmo
