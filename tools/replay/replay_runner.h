// Runs a replay script against the program's own start-up and trainers on
// the simulated clock, printing every visible effect as one JSON line.
#pragma once

#include "common/wall_time.h"
#include "velmo_names.h"

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace velmo {
class FileSystem;
}

namespace velmo::replay {

inline constexpr int kExitOk = 0;
inline constexpr int kExitOutputFailed = 1;
inline constexpr int kExitBadInput = 2;

// The longest script line, without its line break.
using velmo::kMaxLineBytes;

// How messages name a script read from standard input.
inline constexpr std::string_view kStandardInputName = "standard input";

// Reads `script` line by line and runs each line before reading the next, so
// that effects appear as they happen.  A bad line stops the run: a message
// naming its number and quoting its start goes to `err` and kExitBadInput is
// returned.  A line longer than kMaxLineBytes is bad, and the rest of it is
// never read.  Output that cannot be written stops the run too, with a
// message to `err` and kExitOutputFailed.  Every message has the form of
// ReportProblem, with `scriptName` for the script.
//
// The practice log, where it is on, stamps its lines with a wall clock that
// starts at `logTime` (without one, at the real time of the start) and moves
// only with the simulated clock, so that a script with a fixed `logTime`
// logs the same lines on every system.
int RunScript(std::istream& script, std::uint32_t startTick, std::ostream& out, std::ostream& err,
              std::string_view scriptName = kStandardInputName, std::optional<LocalTime> logTime = std::nullopt);
// The same with the program's files in `files` rather than the working directory's.
int RunScript(FileSystem& files, std::istream& script, std::uint32_t startTick, std::ostream& out, std::ostream& err,
              std::string_view scriptName = kStandardInputName, std::optional<LocalTime> logTime = std::nullopt);

// Writes one message line to `err`: "velmorandine-replay: SCRIPT: line N:
// MESSAGE", without "line N: " when `line` is 0.
void ReportProblem(std::ostream& err, std::string_view scriptName, long line, std::string_view message);

// The JSON line of a box text or a message.
std::string BoxLine(int box, const std::string& text);
std::string MessageLine(const std::string& text, const std::string& caption);

} // namespace velmo::replay
