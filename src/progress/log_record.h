// One event of the practice log, as plain values: what the trainers report
// and what the log's lines hold (log_line.h turns one into the other).  A
// field that does not belong to an event is empty: a verdict has no answer,
// an answer no score.
#pragma once

#include "progress/local_time.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmo {

// The panels, each logged by a stable word of its own (not its caption,
// which may change): preflop, tournament, odds, fold, range, tilt, patience.
enum class LogPanel { Preflop, Tournament, Odds, Fold, Range, Tilt, Patience };
inline constexpr std::size_t kLogPanelCount = 7;

// answer: a judged answer of a timed quiz; session-end: the end of a
// session that offered a score; press: a How to fold press; done: Range's or
// Patience's Done; verdict: the Tilt Sensor's verdict.
enum class LogEvent { Answer, SessionEnd, Press, Done, Verdict };

std::string_view PanelWord(LogPanel panel);
std::optional<LogPanel> PanelFromWord(std::string_view word);
std::string_view EventWord(LogEvent event);
std::optional<LogEvent> EventFromWord(std::string_view word);

struct LogRecord {
    LocalTime time;
    LogPanel panel = LogPanel::Preflop;
    LogEvent event = LogEvent::Answer;
    std::string situation; // as it was shown
    std::string rightAnswer;
    std::string givenAnswer;
    std::optional<bool> correct;
    std::optional<std::int64_t> responseMs;
    std::optional<std::int32_t> points; // gained or, negative, lost
    // 1 to 10 within a session; a session starts again at 1, even after a
    // Reset that logs nothing, which is how a reader tells sessions apart.
    std::optional<std::int32_t> situationNumber;
    std::optional<std::int32_t> score;
    std::optional<bool> highscore;
    std::optional<std::int32_t> tiltLevel;
    friend bool operator==(const LogRecord&, const LogRecord&) = default;
};

} // namespace velmo
