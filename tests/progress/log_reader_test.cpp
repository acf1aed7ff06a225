#include "log_records.h"
#include "progress/log_line.h"
#include "progress/log_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace velmo {
namespace {

using namespace test;

// A wrong answer whose every text a spreadsheet or a careless reader would
// take for something else.
LogRecord Hostile()
{
    LogRecord record = Answer(LogPanel::Preflop, 3, false, 1234, "Raise", kNow);
    record.situation = "=A1, \"UTG\"\nAKs";
    record.givenAnswer = "-";
    record.points = -17;
    return record;
}

LogRecord Verdict()
{
    LogRecord record = Event(LogPanel::Tilt, LogEvent::Verdict);
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
    return read;
}

const std::string kHeader = LogHeaderLine();
const std::string kLine = FormatLogLine(Hostile());

TEST(LogLine, HeaderAndLinesAreTheFileFormatAndReadBack)
{
    EXPECT_EQ(kHeader, "format,time,panel,event,situation,right answer,given answer,correct,"
                       "response time (ms),points,situation number,score,highscore,tilt level\n");
    EXPECT_EQ(kLine,
              "1,2026-12-09T14:03:27.412+01:00,preflop,answer,\"'=A1, \"\"UTG\"\"\\nAKs\",Raise,'-,no,1234,-17,3,,,\n");
    EXPECT_EQ(FormatLogLine(Verdict()), "1,2026-12-09T14:03:27.412+01:00,tilt,verdict,,,,,,,,,,12\n");

    LogRecord end = Event(LogPanel::Odds, LogEvent::SessionEnd);
    end.time.offsetMinutes = -300;
    end.score = -2147483647 - 1;
    end.highscore = true;
    const std::vector<LogRecord> records = {Hostile(), end, Event(LogPanel::Fold, LogEvent::Press), Verdict()};
    std::string text = kHeader;
    for (const LogRecord& record : records)
        text += FormatLogLine(record);
    EXPECT_EQ(ReadText(text).records, records);
}

struct DamageCase {
    const char* name;
    std::string text;
    std::size_t records, unreadable, newer;
    bool torn;
};

class DamagedLog : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedLog, KeepsTheWholeLinesItKnowsAndCountsTheRest)
{
    const Read read = ReadText(GetParam().text);
    EXPECT_EQ(read.records, std::vector<LogRecord>(GetParam().records, Hostile()));
    EXPECT_EQ(read.counts.records, GetParam().records);
    EXPECT_EQ(read.counts.unreadableLines, GetParam().unreadable);
    EXPECT_EQ(read.counts.newerFormatLines, GetParam().newer);
    EXPECT_EQ(read.counts.tornLastLine, GetParam().torn);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    return text.replace(text.find(from), from.size(), to);
}

INSTANTIATE_TEST_SUITE_P(
    Logs, DamagedLog,
    testing::Values(
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
        LogRecord record = Hostile();
        record.situation.clear();
        record.situation.assign(length + 1 - FormatLogLine(record).size(), 'A');
        EXPECT_EQ(ReadText(FormatLogLine(record) + kLine).records.size(), length == kMaxLogLineBytes ? 2u : 1u);
    }
}

// A kill can cut a line anywhere; whatever the cut, the next append's prefix
// leaves the fragment unreadable and the next record whole.
TEST(LogAppend, TornLineNeverReadsAsARecordOnceTheNextIsAppended)
{
    std::istringstream empty;
    EXPECT_EQ(AppendPrefix(LastByte(empty)), kHeader);
    for (const std::string& line : {kLine, FormatLogLine(Verdict())}) {
        for (std::size_t cut = 1; cut <= line.size(); ++cut) {
            std::istringstream file(kHeader + line.substr(0, cut));
            const std::string text = file.str() + AppendPrefix(LastByte(file)) + FormatLogLine(Verdict());
            const Read read = ReadText(text);
            EXPECT_EQ(read.records.size(), cut == line.size() ? 2u : 1u) << text;
            EXPECT_EQ(read.records.back(), Verdict()) << text;
            EXPECT_EQ(read.counts.unreadableLines, cut == line.size() ? 0u : 1u) << text;
        }
    }
}

} // namespace
} // namespace velmo
