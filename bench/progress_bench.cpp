// How long the Progress view waits for its numbers: the summary of a
// practice log of 100,000 lines (about ten years of daily practice), read
// from memory and from a file; and what one logged event costs to format.
//
// The log is generated: each day a session of each timed quiz (ten answers
// and the end), a few How to fold presses, Range's and Patience's Done and a
// Tilt verdict, with about one wrong answer in five.
#include "bench_support.h"
#include "progress/log_line.h"
#include "progress/progress_summary.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace velmo::bench {
namespace {

constexpr std::size_t kLogLines = 100'000;
constexpr std::int64_t kNow = 1796821407412; // 2026-12-09T14:03:27.412+01:00
constexpr std::int64_t kDay = 24 * 60 * 60 * 1000;
constexpr const char* kAnswers[] = {"Open", "Fold", "Call", "3b", "Open, fold to 3b", "Open, call 3b", "Open, 4b"};

LogRecord Event(std::int64_t at, LogPanel panel, LogEvent event)
{
    LogRecord record;
    record.time = {at, 60};
    record.panel = panel;
    record.event = event;
    return record;
}

std::string GenerateLog(std::size_t lines)
{
    std::mt19937 random(27);
    std::string log = LogHeaderLine();
    std::size_t written = 0;
    std::int64_t at = kNow - static_cast<std::int64_t>(lines / 40) * kDay;
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

const std::string& Log()
{
    static const std::string log = GenerateLog(kLogLines);
    return log;
}

void ReportLog(benchmark::State& state, const ProgressSummary& summary)
{
    state.counters["lines"] = static_cast<double>(summary.counts.records);
    state.counters["unreadable"] = static_cast<double>(summary.counts.unreadableLines);
    std::size_t sessions = 0;
    for (const PanelProgress& panel : summary.panels)
        sessions += panel.sessions.size();
    state.counters["sessions"] = static_cast<double>(sessions);
    state.counters["MB"] = static_cast<double>(Log().size()) / 1e6;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Log().size()));
}

void BM_SummariseFromMemory(benchmark::State& state)
{
    ProgressSummary summary;
    for (auto _ : state) {
        state.PauseTiming(); // the copy into the stream is not the reader's work
        std::istringstream in(Log());
        state.ResumeTiming();
        summary = SummariseLog(in, kNow);
        benchmark::DoNotOptimize(summary);
    }
    ReportLog(state, summary);
}
BENCHMARK(BM_SummariseFromMemory)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The file is in the page cache after the first run, as it is when the
// program has just appended to it.
void BM_SummariseFromFile(benchmark::State& state)
{
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("velmo-progress-bench-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) +
         ".csv");
    std::ofstream(path, std::ios::binary) << Log();
    ProgressSummary summary;
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        summary = SummariseLog(in, kNow);
        benchmark::DoNotOptimize(summary);
    }
    std::filesystem::remove(path);
    ReportLog(state, summary);
}
BENCHMARK(BM_SummariseFromFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The log's share of a button's work: one answer's line.
void BM_FormatAnswerLine(benchmark::State& state)
{
    LogRecord answer = Event(kNow, LogPanel::Preflop, LogEvent::Answer);
    answer.situation = "UTG opens 3 BB, the button calls; you hold A\xE2\x99\xA0 Q\xE2\x99\xA6, 95 BB deep";
    answer.rightAnswer = "Open, call 3b";
    answer.givenAnswer = "Fold";
    answer.correct = false;
    answer.responseMs = 1234;
    answer.points = -3;
    answer.situationNumber = 4;
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatLogLine(answer));
}
BENCHMARK(BM_FormatAnswerLine);

} // namespace
} // namespace velmo::bench

BENCHMARK_MAIN();
