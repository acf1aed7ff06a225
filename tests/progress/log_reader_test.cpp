#include "progress/log_line.h"
#include "progress/log_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace velmo {
namespace {

const LocalTime kTime{1796821407412, 60}; // 2026-12-09T14:03:27.412+01:00

LogRecord Record(LogPanel panel, LogEvent event)
{
    LogRecord record;
    record.time = kTime;
    record.panel = panel;
    record.event = event;
    return record;
}

LogRecord Answer()
{
    LogRecord record = Record(LogPanel::Preflop, LogEvent::Answer);
    record.situation = "=A1, \"UTG\"\nAKs";
    record.rightAnswer = "Raise";
    record.givenAnswer = "-";
    record.correct = false;
    record.responseMs = 1234;
    record.points = -17;
    record.situationNumber = 3;
    return record;
}

LogRecord Verdict()
{
    LogRecord record = Record(LogPanel::Tilt, LogEvent::Verdict);
    record.tiltLevel = 12;
    return record;
}

struct Read {
    std::vector<LogRecord> records;
    LogReadCounts counts;
};

Read ReadText(const std::string& text)
{
    std::istringstream in(text);
    Read read;
    read.counts = ReadLog(in, [&](const LogRecord& record) { read.records.push_back(record); });
    EXPECT_EQ(read.counts.records, read.records.size());
    return read;
}

TEST(LogLine, HeaderAndLineAreTheFileFormat)
{
    EXPECT_EQ(LogHeaderLine(), "format,time,panel,event,situation,right answer,given answer,correct,"
                               "response time (ms),points,situation number,score,highscore,tilt level\n");
    EXPECT_EQ(FormatLogLine(Answer()),
              "1,2026-12-09T14:03:27.412+01:00,preflop,answer,\"'=A1, \"\"UTG\"\"\\nAKs\",Raise,'-,no,1234,-17,3,,,\n");
    EXPECT_EQ(FormatLogLine(Verdict()), "1,2026-12-09T14:03:27.412+01:00,tilt,verdict,,,,,,,,,,12\n");
}

TEST(LogReader, ReadsBackEveryKindOfRecord)
{
    LogRecord end = Record(LogPanel::Odds, LogEvent::SessionEnd);
    end.time.offsetMinutes = -300;
    end.score = -2147483647 - 1;
    end.highscore = true;
    LogRecord press = Answer();
    press.panel = LogPanel::Fold;
    press.event = LogEvent::Press;
    press.situationNumber.reset();
    LogRecord done = Record(LogPanel::Patience, LogEvent::Done);
    done.score = 40;
    done.highscore = false;
    const std::vector<LogRecord> records = {Answer(), end, press, done, Verdict()};
    std::string text = LogHeaderLine();
    for (const LogRecord& record : records)
        text += FormatLogLine(record);
    const Read read = ReadText(text);
    EXPECT_EQ(read.records, records);
    EXPECT_EQ(read.counts.unreadableLines + read.counts.newerFormatLines, 0u);
    EXPECT_FALSE(read.counts.tornLastLine);
}

struct DamageCase {
    const char* name;
    std::string text;
    std::size_t records;
    std::size_t unreadable;
    std::size_t newer;
    bool torn;
};

void PrintTo(const DamageCase& c, std::ostream* os)
{
    *os << c.name;
}

class DamagedLog : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedLog, KeepsTheWholeLinesItKnowsAndCountsTheRest)
{
    const Read read = ReadText(GetParam().text);
    EXPECT_EQ(read.counts.records, GetParam().records);
    EXPECT_EQ(read.counts.unreadableLines, GetParam().unreadable);
    EXPECT_EQ(read.counts.newerFormatLines, GetParam().newer);
    EXPECT_EQ(read.counts.tornLastLine, GetParam().torn);
    for (const LogRecord& record : read.records)
        EXPECT_EQ(record, Answer());
}

const std::string kHeader = LogHeaderLine();
const std::string kLine = FormatLogLine(Answer());
std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    return text.replace(text.find(from), from.size(), to);
}

INSTANTIATE_TEST_SUITE_P(
    Logs, DamagedLog,
    testing::Values(
        DamageCase{"whole", kHeader + kLine + kLine, 2, 0, 0, false},
        DamageCase{"torn_last_line", kHeader + kLine + kLine.substr(0, kLine.size() - 1), 1, 0, 0, true},
        DamageCase{"without_header", kLine, 1, 0, 0, false}, DamageCase{"empty", "", 0, 0, 0, false},
        DamageCase{"garbage_line", kHeader + "hello, world\n" + kLine, 1, 1, 0, false},
        DamageCase{"binary_line", kHeader + std::string("\x00\xFF\x01,\x89PNG\n", 9) + kLine, 1, 1, 0, false},
        DamageCase{"not_utf8", Replaced(kLine, "AKs", "AK\xFF") + kLine, 1, 1, 0, false},
        DamageCase{"column_missing", Replaced(kLine, ",,,\n", ",,\n") + kLine, 1, 1, 0, false},
        DamageCase{"bad_number", Replaced(kLine, "1234", "12x4") + kLine, 1, 1, 0, false},
        DamageCase{"bad_yes_no", Replaced(kLine, ",no,", ",false,") + kLine, 1, 1, 0, false},
        DamageCase{"unknown_panel", Replaced(kLine, "preflop", "Preflop") + kLine, 1, 1, 0, false},
        DamageCase{"bad_time", Replaced(kLine, "+01:00", "+0100") + kLine, 1, 1, 0, false},
        DamageCase{"format_zero", Replaced(kLine, "1,", "0,") + kLine, 1, 1, 0, false},
        DamageCase{"newer_format", kHeader + "2,\"anything \"else,more\n" + kLine + "10,x\n", 1, 0, 2, false},
        DamageCase{"too_long_line", std::string(kMaxLogLineBytes + 1, 'x') + "\n" + kLine, 1, 1, 0, false},
        DamageCase{"editor_bom_crlf_blank_lines",
                   "\xEF\xBB\xBF" + Replaced(kHeader, "\n", "\r\n") + "\r\n" + Replaced(kLine, "\n", "\r\n") + "\n" +
                       kHeader + kLine,
                   2, 0, 0, false}),
    [](const testing::TestParamInfo<DamageCase>& info) { return std::string(info.param.name); });

TEST(LogReader, ReadsLinesUpToTheLongestAndSkipsLongerOnes)
{
    for (const std::size_t length : {kMaxLogLineBytes, kMaxLogLineBytes + 1}) {
        LogRecord record = Answer();
        record.situation.clear();
        record.situation.assign(length + 1 - FormatLogLine(record).size(), 'A');
        const std::string line = FormatLogLine(record);
        ASSERT_EQ(line.size(), length + 1);
        const Read read = ReadText(line + kLine);
        EXPECT_EQ(read.records.size(), length == kMaxLogLineBytes ? 2u : 1u);
        EXPECT_EQ(read.records.back(), Answer());
    }
}

// A kill can cut a line anywhere; whatever the cut, the next append's prefix
// leaves the fragment unreadable and the next record whole.
TEST(LogAppend, TornLineNeverReadsAsARecordOnceTheNextIsAppended)
{
    for (const LogRecord& torn : {Answer(), Verdict()}) {
        const std::string line = FormatLogLine(torn);
        for (std::size_t cut = 1; cut < line.size(); ++cut) {
            std::string text = kHeader + line.substr(0, cut);
            text += AppendPrefix(text.back()) + FormatLogLine(Verdict());
            const Read read = ReadText(text);
            EXPECT_EQ(read.records, std::vector<LogRecord>{Verdict()}) << text;
            EXPECT_EQ(read.counts.unreadableLines, 1u) << text;
        }
    }
}

TEST(LogAppend, StartsAnEmptyLogWithTheHeaderAndAWholeOneWithNothing)
{
    std::istringstream empty;
    EXPECT_EQ(AppendPrefix(LastByte(empty)), kHeader);
    std::istringstream whole(kHeader + kLine);
    EXPECT_EQ(AppendPrefix(LastByte(whole)), "");
    std::istringstream torn(kHeader + "1,20");
    EXPECT_EQ(LastByte(torn), '0');
}

} // namespace
} // namespace velmo
