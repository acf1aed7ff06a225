// Records as the trainers will log them, for the practice log's tests.
#pragma once

#include "progress/log_line.h"
#include "progress/log_record.h"

#include <string>
#include <utility>

namespace velmo::test {

inline constexpr std::int64_t kNow = 1796821407412; // 2026-12-09T14:03:27.412+01:00
inline constexpr std::int64_t kDay = 24 * 60 * 60 * 1000;

inline LogRecord Event(LogPanel panel, LogEvent event, std::int64_t at = kNow)
{
    LogRecord record;
    record.time = {at, 60};
    record.panel = panel;
    record.event = event;
    return record;
}

// A judged answer; a wrong one was given as Fold.
inline LogRecord Answer(LogPanel panel, std::int32_t number, bool correct, std::int64_t ms = 500,
                        const char* right = "Raise", std::int64_t at = kNow - kDay)
{
    LogRecord record = Event(panel, LogEvent::Answer, at);
    // Appended rather than "situation " + ...: mingw's gcc 12 warns falsely
    // (-Wrestrict) on that concatenation once inlined.
    record.situation = "situation ";
    record.situation += std::to_string(number);
    record.rightAnswer = right;
    record.givenAnswer = correct ? right : "Fold";
    record.correct = correct;
    record.responseMs = ms;
    record.situationNumber = number;
    return record;
}

// A session's end, or Done for the panels without sessions.
inline LogRecord End(LogPanel panel, std::int32_t score, std::int64_t at = kNow - kDay)
{
    const bool done = panel == LogPanel::Range || panel == LogPanel::Patience;
    LogRecord record = Event(panel, done ? LogEvent::Done : LogEvent::SessionEnd, at);
    record.score = score;
    record.highscore = score > 100;
    return record;
}

// The Progress views' known log (the Qt and the Win32 window test it alike):
// Preflop, a session of four answers three days ago (one wrong), one of
// five yesterday (two wrong); Range, one Done 40 days ago and one 2 days
// ago; How to fold, a run of a fold and a call now; one line no program
// wrote.
inline std::string KnownProgressLog()
{
    std::string log = LogHeaderLine();
    const std::int64_t earlier = kNow - 3 * kDay;
    for (int n = 1; n <= 4; ++n)
        log += FormatLogLine(Answer(LogPanel::Preflop, n, n != 2, 500, "Raise", earlier));
    log += FormatLogLine(End(LogPanel::Preflop, 50, earlier));
    const bool right[] = {true, false, true, false, true};
    const char* answers[] = {"Raise", "Raise", "Call", "Call", "Fold"};
    for (int n = 1; n <= 5; ++n)
        log += FormatLogLine(Answer(LogPanel::Preflop, n, right[n - 1], 200 * (n + 1), answers[n - 1]));
    log += FormatLogLine(End(LogPanel::Preflop, 30));
    log += "not a line of the log\n";
    log += FormatLogLine(End(LogPanel::Range, 12, kNow - 40 * kDay));
    log += FormatLogLine(End(LogPanel::Range, 20, kNow - 2 * kDay));
    for (const auto& [points, score] : {std::pair(1, 1), std::pair(-4, -3)}) {
        LogRecord press = Event(LogPanel::Fold, LogEvent::Press);
        press.points = points;
        press.score = score;
        log += FormatLogLine(press);
    }
    return log;
}

} // namespace velmo::test
