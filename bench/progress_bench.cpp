// How long the Progress view waits for its numbers: the summary of a
// practice log of 100,000 lines (about ten years of daily practice,
// generated_log.h), read from memory and from a file; and what one logged
// event costs to format.
#include "bench_support.h"
#include "generated_log.h"
#include "progress/log_line.h"
#include "progress/progress_summary.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace velmo::bench {
namespace {

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
