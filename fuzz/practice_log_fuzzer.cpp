// Feeds arbitrary bytes to the practice log's reader as a whole log, and
// checks what the log's safety rests on: every record read is written back
// as one line that reads the same; any text is written as one line and read
// back as itself (its bytes that are not UTF-8 as U+FFFD); and whatever the
// file held, a record appended after it is read back whole as the last one.
#include "common/utf8_text.h"
#include "progress/csv_cells.h"
#include "progress/log_line.h"
#include "progress/log_reader.h"
#include "progress/progress_summary.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace velmo;

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "practice_log_fuzzer: %s\n", what);
    std::abort();
}

std::vector<LogRecord> Records(const std::string& text)
{
    std::istringstream in(text);
    std::vector<LogRecord> records;
    ReadLog(in, [&](const LogRecord& record) { records.push_back(record); });
    return records;
}

bool OneLine(const std::string& line)
{
    return !line.empty() && line.back() == '\n' && line.find_first_of("\r\n") == line.size() - 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    const std::vector<LogRecord> records = Records(text);
    for (const LogRecord& record : records) {
        const std::string line = FormatLogLine(record);
        if (!OneLine(line))
            Fail("a record was written as more than one line");
        if (Records(line) != std::vector<LogRecord>{record})
            Fail("a record written back did not read the same");
    }

    std::string cell;
    AppendCell(cell, text);
    std::vector<std::string> cells;
    if (!OneLine(cell + '\n') || !SplitCells(cell, cells) || cells != std::vector<std::string>{ToValidUtf8(text)})
        Fail("a text did not come back from its cell");

    LogRecord appended;
    appended.panel = LogPanel::Tilt;
    appended.event = LogEvent::Verdict;
    appended.tiltLevel = 3;
    std::istringstream file(text);
    const std::string grown = text + AppendPrefix(LastByte(file)) + FormatLogLine(appended);
    const std::vector<LogRecord> after = Records(grown);
    if (after.empty() || after.back() != appended)
        Fail("a record appended after the log was not read back whole");

    std::istringstream in(text);
    if (SummariseLog(in, 0).counts.records != records.size())
        Fail("the summary read another number of records");
    return 0;
}
