// Reading the practice log as a stream, and what an append must write first.
//
// The log is only ever appended to, one whole line per write, but a kill or
// a full disk can still leave its last line without its LF, and a user may
// edit the file.  Reading therefore takes only whole lines it understands
// and counts the rest.  The next append first ends a torn line with a cell
// that no record can hold in its place, so that the torn line stays
// unreadable once it has its LF (a line torn within its last number would
// otherwise read as a record with a shorter number) and the damage stays
// within that one line.
#pragma once

#include "progress/log_record.h"

#include <cstddef>
#include <functional>
#include <istream>
#include <optional>
#include <string>

namespace velmo {

// A line longer than this is not one the log writes: it is skipped without
// being held in memory.
inline constexpr std::size_t kMaxLogLineBytes = 64 * 1024;

struct LogReadCounts {
    std::size_t records = 0;
    std::size_t unreadableLines = 0; // damaged, hand-edited, binary or too long
    std::size_t newerFormatLines = 0;
    bool tornLastLine = false; // the file ends in a line without its LF
};

// Hands each record of `in` to `onRecord`, in the file's order, holding one
// line at a time.  Header lines and empty lines are passed over; a UTF-8
// byte-order mark and CR LF line ends, which some editors write, are
// accepted.
LogReadCounts ReadLog(std::istream& in, const std::function<void(const LogRecord&)>& onRecord);

// What goes before the next record's line, given the log's last byte
// (nothing for an empty log): the header for an empty log, the end of a torn
// last line, otherwise nothing.
std::string AppendPrefix(std::optional<char> lastByte);

// The last byte of a seekable stream, nothing if it is empty.  Leaves the
// stream at its end.
std::optional<char> LastByte(std::istream& in);

} // namespace velmo
