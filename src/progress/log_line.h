// The practice log's line format: a header line naming the columns, then
// one CSV line (csv_cells.h) per LogRecord, each ending in LF:
//
//   format,time,panel,event,situation,right answer,given answer,correct,
//   response time (ms),points,situation number,score,highscore,tilt level
//
// (one line in the file).  `format` is the format's version, the same in
// every line, so that a later version can change the columns and an older
// program skips the lines it cannot know.  Yes/no cells read "yes" or "no";
// a cell that does not belong to the event is empty.
#pragma once

#include "progress/log_record.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmo {

inline constexpr int kLogFormatVersion = 1;

// The header line, LF included.
const std::string& LogHeaderLine();

// The record's line, LF included.
std::string FormatLogLine(const LogRecord& record);

enum class LogLineKind {
    Record,      // a line of this format: the record is filled in
    Header,      // a header line, of this format or another
    NewerFormat, // a line of a later format version than this program's
    Unreadable,  // anything else: damaged, hand-edited beyond reading, binary
};

// Reads lines (without their line end) one after the other, reusing its
// scratch space from line to line.
class LogLineParser {
public:
    LogLineKind Parse(std::string_view line, LogRecord& record);

private:
    std::vector<std::string> cells_;
};

} // namespace velmo
