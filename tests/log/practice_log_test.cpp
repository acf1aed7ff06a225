// The practice log as the program keeps it: the file as its switch, whole
// lines under damage and failure, the other trainers' events, and the wall
// clock that stamps them.
#include "common/clock.h"
#include "common/recording_platform.h"
#include "odds/fold_panel.h"
#include "progress/log_line.h"
#include "progress/log_reader.h"
#include "progress/practice_log_file.h"
#include "selfcheck/patience_panel.h"
#include "selfcheck/range_panel.h"
#include "selfcheck/tilt_panel.h"
#include "support/logged_records.h"
#include "support/program_fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace velmo::test {
namespace {

const std::string kLog(kPracticeLogFileName);
constexpr LocalTime kStart{1796821407412, 60}; // 2026-12-09T14:03:27.412+01:00

LogRecord FoldPress(std::int32_t score)
{
    LogRecord record;
    record.panel = LogPanel::Fold;
    record.event = LogEvent::Press;
    record.score = score;
    return record;
}

LogReadCounts CountsOf(const std::string& text)
{
    std::istringstream in(text);
    return ReadLog(in, [](const LogRecord&) {});
}

class PracticeLogInMemory : public ::testing::Test {
protected:
    PracticeLogInMemory() { platform.SetWallTime(kStart); }

    FaultyInMemoryFileSystem files;
    RecordingPlatform platform{files, 0};
    PracticeLogFile log{platform};
};

// Off, nothing is written at all; on, each record is one line after the
// header; the file deleted by hand turns it off, and nothing brings it back.
TEST_F(PracticeLogInMemory, TheFileIsTheSwitch)
{
    log.Record(FoldPress(1));
    EXPECT_FALSE(log.IsOn());
    EXPECT_TRUE(files.Names().empty());

    ASSERT_TRUE(log.TurnOn());
    EXPECT_EQ(files.Content(kLog), LogHeaderLine());
    platform.Advance(1500);
    log.Record(FoldPress(2));
    LogRecord expected = FoldPress(2);
    expected.time = {kStart.unixMs + 1500, kStart.offsetMinutes};
    EXPECT_EQ(files.Content(kLog), LogHeaderLine() + FormatLogLine(expected));

    files.Remove(kLog);
    EXPECT_FALSE(log.IsOn());
    log.Record(FoldPress(3));
    EXPECT_TRUE(files.Names().empty());

    ASSERT_TRUE(log.TurnOn());
    ASSERT_TRUE(log.TurnOff());
    EXPECT_TRUE(files.Names().empty());
}

// A line cut short by a kill or a full disk stays unreadable, and the next
// line is whole; an empty file gets its header first.
TEST_F(PracticeLogInMemory, ATornLastLineStaysUnreadableAndTheNextIsWhole)
{
    const std::string whole = FormatLogLine(FoldPress(5));
    files.SetContent(kLog, LogHeaderLine() + whole.substr(0, whole.size() - 2));
    log.Record(FoldPress(6));
    EXPECT_EQ(CountsOf(*files.Content(kLog)).unreadableLines, 1u);
    EXPECT_EQ(LoggedRecords(files).at(0).score, 6);

    files.SetContent(kLog, "");
    log.Record(FoldPress(7));
    EXPECT_TRUE(files.Content(kLog)->starts_with(LogHeaderLine()));
    EXPECT_EQ(LoggedRecords(files).at(0).score, 7);
}

// A log that cannot be written says since when, from the first failure
// until an append works again; nothing else notices.
TEST_F(PracticeLogInMemory, FailuresAreKeptFromTheFirstUntilAnAppendWorks)
{
    files.MakeDirectory(kLog);
    EXPECT_TRUE(log.IsOn());
    log.Record(FoldPress(1));
    const auto since = log.failingSince();
    EXPECT_EQ(since, kStart);
    platform.Advance(60000);
    log.Record(FoldPress(2));
    EXPECT_EQ(log.failingSince(), since);
    EXPECT_FALSE(log.TurnOff()); // a directory is not removed
    EXPECT_EQ(files.KindOf(kLog), InMemoryFileSystem::Kind::Directory);

    files.SetContent(kLog, LogHeaderLine());
    files.MakeReadOnly(kLog);
    log.Record(FoldPress(3));
    EXPECT_EQ(files.Content(kLog), LogHeaderLine());
    EXPECT_EQ(log.failingSince(), since);

    files.SetContent(kLog, LogHeaderLine());
    files.FailWritesAfter(10); // a disk that fills up within the line
    log.Record(FoldPress(4));
    EXPECT_EQ(log.failingSince(), since);
    files.Heal();
    log.Record(FoldPress(5));
    EXPECT_EQ(log.failingSince(), std::nullopt);
    EXPECT_EQ(LoggedRecords(files).size(), 1u);
}

// The trainers without sessions: How to fold's presses with their points,
// Range's and Patience's Done with the score offered, the Tilt Sensor's
// verdict with its level.
using OtherTrainers = ProgramOn<InMemoryFileSystem>;
TEST_F(OtherTrainers, LogTheirEvents)
{
    ASSERT_TRUE(trainers.log.TurnOn());
    Press(ids::kFoldFold);
    Press(ids::kFoldCallOpen);
    for (int n = 0; n < 9; ++n)
        Press(ids::kTiltStart);
    Press(ids::kRangeDone);
    Press(ids::kPatienceDone);

    const auto records = LoggedRecords(files);
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0].panel, LogPanel::Fold);
    EXPECT_EQ(records[0].event, LogEvent::Press);
    EXPECT_EQ(records[0].points, 1);
    EXPECT_EQ(records[0].score, 1);
    EXPECT_EQ(records[1].points, -4);
    EXPECT_EQ(records[1].score, -3);
    EXPECT_EQ(records[2].event, LogEvent::Verdict);
    EXPECT_EQ(records[2].tiltLevel, trainers.tilt.level());
    for (std::size_t i : {3u, 4u}) {
        EXPECT_EQ(records[i].event, LogEvent::Done);
        EXPECT_EQ(records[i].score, 0);
        EXPECT_EQ(records[i].highscore, false);
    }
    EXPECT_EQ(records[3].panel, LogPanel::Range);
    EXPECT_EQ(records[4].panel, LogPanel::Patience);
}

#ifndef _WIN32
// The real clock's offset is the zone's at that moment.
TEST(RealClock, WallTimeCarriesTheZonesOffset)
{
    const char* previous = std::getenv("TZ");
    const std::string kept = previous ? previous : "";
    ::setenv("TZ", "XYZ-5:30", 1); // POSIX counts west: this is UTC+05:30
    ::tzset();
    const LocalTime now = RealClock().WallTime();
    const auto system =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
            .count();
    previous ? ::setenv("TZ", kept.c_str(), 1) : ::unsetenv("TZ");
    ::tzset();
    EXPECT_EQ(now.offsetMinutes, 330);
    EXPECT_LE(std::abs(system - now.unixMs), 1000);
}

class PracticeLogOnDisk : public ::testing::Test {
protected:
    PracticeLogOnDisk() { platform.SetWallTime(kStart); }

    TempWorkDir dir;
    FaultyFileSystem files;
    RecordingPlatform platform{files, 0};
    PracticeLogFile log{platform};
};

// A FIFO under the log's name hangs neither an append nor a read.
TEST_F(PracticeLogOnDisk, AFifoInItsPlaceIsNeitherWrittenNorWaitedFor)
{
    ASSERT_EQ(::mkfifo(kLog.c_str(), 0644), 0);
    log.Record(FoldPress(1));
    EXPECT_EQ(log.failingSince(), kStart);
    EXPECT_EQ(log.Summarise(), std::nullopt);
    EXPECT_FALSE(log.TurnOff());
    EXPECT_TRUE(std::filesystem::is_fifo(kLog));
}

// A file-size limit cuts a line part-way (SIGXFSZ ignored, as the programs
// do); the next append after it is lifted ends the torn line first.
TEST_F(PracticeLogOnDisk, AFileSizeLimitLosesOnlyTheLineItCut)
{
    ASSERT_TRUE(log.TurnOn());
    log.Record(FoldPress(1));
    const auto size = std::filesystem::file_size(kLog);
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit kept = limit;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = static_cast<rlim_t>(size + 20);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    log.Record(FoldPress(2));
    log.Record(FoldPress(3));
    ::setrlimit(RLIMIT_FSIZE, &kept);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(std::filesystem::file_size(kLog), size + 20);
    EXPECT_EQ(log.failingSince(), kStart);

    log.Record(FoldPress(4));
    EXPECT_EQ(log.failingSince(), std::nullopt);
    const auto summary = log.Summarise();
    ASSERT_TRUE(summary.has_value());
    EXPECT_EQ(summary->counts.records, 2u);
    EXPECT_EQ(summary->counts.unreadableLines, 1u);
}

// Two programs appending to one log at once: every line arrives whole.
TEST_F(PracticeLogOnDisk, TwoProgramsAppendingLoseNoLine)
{
    ASSERT_TRUE(log.TurnOn());
    constexpr int kEach = 300;
    auto program = [](int first) {
        RealFileSystem own;
        RecordingPlatform ownPlatform(own, 0);
        PracticeLogFile ownLog(ownPlatform);
        for (int n = 0; n < kEach; ++n)
            ownLog.Record(FoldPress(first + n));
    };
    std::thread other(program, kEach);
    program(0);
    other.join();
    const auto summary = log.Summarise();
    ASSERT_TRUE(summary.has_value());
    EXPECT_EQ(summary->counts.records, 2u * kEach);
    EXPECT_EQ(summary->counts.unreadableLines, 0u);
}
#endif

} // namespace
} // namespace velmo::test
