// The practice log as the web page keeps it, one record per line in the
// site's storage: the same lines and switch as the file, batched reading,
// a refusing storage, and loading another device's log.
#include "progress/log_line.h"
#include "progress/log_records.h"
#include "progress/stored_practice_log.h"
#include "support/memory_log_lines.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmo::test {
namespace {

constexpr LocalTime kStart{kNow, 60};

class StoredLog : public ::testing::Test {
protected:
    StoredLog() { clock.SetWallTime(kStart); }

    // A Preflop session of three answers, the second wrong, and its end.
    void PlaySession(std::int32_t score)
    {
        for (std::int32_t number = 1; number <= 3; ++number) {
            clock.Advance(1000);
            log.Record(Answer(LogPanel::Preflop, number, number != 2));
        }
        log.Record(End(LogPanel::Preflop, score));
    }

    SimulatedClock clock;
    MemoryLogLines store;
    StoredPracticeLog log{store, clock};
};

// Off, a record asks the switch and stores nothing; on, each record is the
// file's line stamped by the clock, and the summary read in batches is the
// file's summary; off again removes every line.
TEST_F(StoredLog, KeepsTheFilesLinesBehindTheSameSwitch)
{
    PlaySession(40);
    EXPECT_TRUE(store.lines.empty());
    EXPECT_FALSE(log.Summarise());

    ASSERT_TRUE(log.TurnOn());
    EXPECT_EQ(store.header, LogHeaderLine());
    PlaySession(40);
    PlaySession(70);
    LogRecord first = Answer(LogPanel::Preflop, 1, true);
    first.time = {kStart.unixMs + 4000, 60};
    EXPECT_EQ(store.lines.begin()->second, FormatLogLine(first));

    std::istringstream file(store.Text());
    const ProgressSummary expected = SummariseLog(file, kStart.unixMs + 7000);
    const auto summary = log.Summarise();
    ASSERT_TRUE(summary);
    ASSERT_EQ(summary->Of(LogPanel::Preflop).sessions.size(), 2u);
    EXPECT_EQ(summary->Of(LogPanel::Preflop).sessions[1].score, 70);
    EXPECT_EQ(summary->Of(LogPanel::Preflop).lastSessionMistakes.size(), 1u);
    EXPECT_EQ(summary->counts.records, expected.counts.records);
    EXPECT_EQ(summary->Of(LogPanel::Preflop).recentMistakes, expected.Of(LogPanel::Preflop).recentMistakes);

    ASSERT_TRUE(log.TurnOff());
    EXPECT_FALSE(store.header);
    EXPECT_TRUE(store.lines.empty());
}

// A refusing storage is remembered from its first failed line until a line
// is stored again; the records go on as if nothing had happened.
TEST_F(StoredLog, RemembersSinceWhenItCouldNotWrite)
{
    ASSERT_TRUE(log.TurnOn());
    store.refuse = true;
    PlaySession(40);
    EXPECT_EQ(log.failingSince(), (LocalTime{kStart.unixMs + 1000, 60}));
    store.refuse = false;
    PlaySession(50);
    EXPECT_FALSE(log.failingSince());
    EXPECT_EQ(store.lines.size(), 4u);
}

// Loading a log adds only the lines not kept yet (nor twice from the file),
// after the kept ones; a torn last line and unreadable lines are left out.
// A file that is not a log, or a log that is off, changes nothing.
TEST_F(StoredLog, MergesAnotherDevicesLogWithoutDuplicates)
{
    const std::string notALog = "[Highscores]\n1=20\n";
    EXPECT_EQ(log.Merge(notALog).outcome, LogMerge::Outcome::NotALog);
    EXPECT_EQ(log.Merge(LogHeaderLine()).outcome, LogMerge::Outcome::LogOff);

    ASSERT_TRUE(log.TurnOn());
    PlaySession(40);
    const std::string kept = store.Text();
    EXPECT_EQ(log.Merge(notALog).outcome, LogMerge::Outcome::NotALog);
    EXPECT_EQ(store.Text(), kept);

    const std::string other = FormatLogLine(End(LogPanel::Range, 12, kNow - 3 * kDay));
    const std::string file = "\xEF\xBB\xBF" + LogHeaderLine() + store.lines.at(2) + other + "not,a,record\r\n" + other +
                             store.lines.at(1) + FormatLogLine(End(LogPanel::Patience, 3)).substr(0, 20);
    const LogMerge merge = log.Merge(file);
    EXPECT_EQ(merge.outcome, LogMerge::Outcome::Merged);
    EXPECT_EQ(merge.added, 1u);
    EXPECT_EQ(merge.alreadyKept, 3u);
    EXPECT_EQ(store.Text(), kept + other);
    EXPECT_EQ(LogMergeMessage(merge), "Added 1 line to the practice log; 3 were already in it.");
    EXPECT_EQ(log.Merge(file).added, 0u);
}

} // namespace
} // namespace velmo::test
