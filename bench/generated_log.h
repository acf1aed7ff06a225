// A practice log as years of daily practice write it, for the benchmarks
// and for looking at the Progress view: each day a session of each timed
// quiz (ten answers and the end), a few How to fold presses, Range's and
// Patience's Done and a Tilt verdict, with about one wrong answer in five.
#pragma once

#include "progress/log_line.h"

#include <cstdint>
#include <random>
#include <string>

namespace velmo::bench {

inline constexpr std::size_t kLogLines = 100'000;
inline constexpr std::int64_t kNow = 1796821407412; // 2026-12-09T14:03:27.412+01:00
inline constexpr std::int64_t kDay = 24 * 60 * 60 * 1000;
inline constexpr const char* kAnswers[] = {"Open",          "Fold",    "Call", "3b", "Open, fold to 3b",
                                           "Open, call 3b", "Open, 4b"};

inline LogRecord Event(std::int64_t at, LogPanel panel, LogEvent event)
{
    LogRecord record;
    record.time = {at, 60};
    record.panel = panel;
    record.event = event;
    return record;
}

// `lines` lines of practice ending the day before kNow, always the same.
inline std::string GenerateLog(std::size_t lines)
{
    std::mt19937 random(27);
    std::string log = LogHeaderLine();
    std::size_t written = 0;
    // A day of practice is 41 lines; the last day is the one before kNow.
    std::int64_t at = kNow - static_cast<std::int64_t>(lines / 41 + 1) * kDay;
    const auto add = [&](const LogRecord& record) {
        if (written++ < lines)
            log += FormatLogLine(record);
        at += 9000;
    };
    while (written < lines) {
        for (const LogPanel quiz : {LogPanel::Preflop, LogPanel::Tournament, LogPanel::Odds}) {
            for (std::int32_t number = 1; number <= 10; ++number) {
                LogRecord answer = Event(at, quiz, LogEvent::Answer);
                answer.situation = "Situation " + std::to_string(random() % 400) +
                                   ": UTG opens 3 BB, the button calls; you hold A\xE2\x99\xA0 Q\xE2\x99\xA6 "
                                   "in the small blind, 95 BB deep";
                answer.rightAnswer = kAnswers[random() % std::size(kAnswers)];
                answer.correct = random() % 5 != 0;
                answer.givenAnswer = *answer.correct ? answer.rightAnswer : "Fold";
                answer.responseMs = 400 + random() % 4000;
                answer.points = *answer.correct ? 7 : -3;
                answer.situationNumber = number;
                add(answer);
            }
            LogRecord end = Event(at, quiz, LogEvent::SessionEnd);
            end.score = static_cast<std::int32_t>(random() % 150);
            end.highscore = *end.score > 140;
            add(end);
        }
        for (int press = 0; press < 5; ++press) {
            LogRecord fold = Event(at, LogPanel::Fold, LogEvent::Press);
            fold.situation = "7\xE2\x99\xA3 2\xE2\x99\xA6 facing an all-in";
            fold.rightAnswer = "FOLD";
            fold.givenAnswer = "FOLD";
            fold.correct = true;
            fold.points = 1;
            add(fold);
        }
        for (const LogPanel panel : {LogPanel::Range, LogPanel::Patience}) {
            LogRecord done = Event(at, panel, LogEvent::Done);
            done.score = static_cast<std::int32_t>(random() % 60);
            done.highscore = false;
            add(done);
        }
        LogRecord verdict = Event(at, LogPanel::Tilt, LogEvent::Verdict);
        verdict.tiltLevel = static_cast<std::int32_t>(random() % 9);
        add(verdict);
        at += kDay - 41 * 9000;
    }
    return log;
}

} // namespace velmo::bench
