// The cost of every button's operation, of NumberToText and UpdateHighscore
// on their own, and the overshoot of the real clock's pause.
//
// Buttons run on a RecordingPlatform, so the pauses inside an operation cost
// nothing and what is measured is the operation's own work, the real file
// system included (a scratch working directory).  Before each timed press
// the panel is put, untimed, into a state in which the press does its real
// work: an answer follows a fresh Start/Next, a session end comes after ten
// situations and meets a file whose slots every score beats, so that it
// rewrites the file.  Each press is timed alone; the counters give the
// median, 99th percentile and maximum, and pause_ms the pause the real
// window would add to that press.  Every button is timed twice: with the
// practice log off, and with it on ("/log_on"), where the presses that log
// append their line to Practice-log.csv.
#include "bench_support.h"
#include "common/clock.h"
#include "common/file_system.h"
#include "common/number_to_text.h"
#include "common/recording_platform.h"
#include "odds/odds_panel.h"
#include "preflop/preflop_panel.h"
#include "scores/highscore_file.h"
#include "scores/scores_panel.h"
#include "selfcheck/patience_panel.h"
#include "selfcheck/range_panel.h"
#include "selfcheck/tilt_panel.h"
#include "shell/dialog_layout.h"
#include "shell/event_table.h"
#include "shell/trainer_set.h"
#include "support/temp_work_dir.h"
#include "tournament/tournament_panel.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

namespace velmo::bench {
namespace {

using namespace ids;

// Every slot at the lowest value, so any score offered beats it.
const std::string kFloorFile = [] {
    std::string text;
    for (int i = 0; i < kHighscoreSlotCount; ++i)
        text += "-2147483648 ";
    return text;
}();
// Slots as a user might have them; the total (109) beats slot 8.
const std::string kOrdinaryFile = "12 30 0 2 25 40 0 0 0 0 ";

void WriteHighscores(const std::string& content)
{
    std::ofstream(kHighscoreFileName, std::ios::binary | std::ios::trunc) << content;
}

struct Recipe {
    std::string label;
    std::vector<int> once;             // pressed once before the timing starts
    std::vector<int> before;           // pressed, untimed, before every timed press
    const std::string* file = nullptr; // written, untimed, before every timed press
    std::uint32_t waitMs = 700;        // the user's think time before the press
};

std::string ButtonName(int id)
{
    for (const DialogControl& row : DialogControls())
        if (row.id == id) {
            std::string name = AccessibleName(row);
            for (char& c : name)
                if (c == ' ' || c == ',' || c == '/' || c == '\'')
                    c = '_';
            return std::to_string(id) + "_" + name;
        }
    return std::to_string(id);
}

std::vector<int> Repeat(int id, int times, std::vector<int> prefix = {})
{
    prefix.insert(prefix.end(), static_cast<std::size_t>(times), id);
    return prefix;
}

// How to make each press of `id` do its real work; Start/Next buttons of the
// timed quizzes get a second recipe for the end of a session.
std::vector<Recipe> RecipesFor(int id)
{
    switch (id) {
    case kRangeDone: return {{"", {}, {kRangeCorrect, kRangeCorrect, kRangeCorrect}, &kFloorFile}};
    case kTiltStart: return {{"question", {}, {kTiltReset}}, {"verdict", {}, Repeat(kTiltStart, 8, {kTiltReset})}};
    case kTiltYes:
    case kTiltNo:
    case kTiltReset: return {{"", {}, {kTiltReset, kTiltStart}}};
    case kOddsStart: return {{"situation", {}, {kOddsReset}}, {"session_end", Repeat(kOddsStart, 11), {}, &kFloorFile}};
    case kOddsFold:
    case kOddsCall:
    case kOddsReset: return {{"", {}, {kOddsReset, kOddsStart}}};
    case kPatienceDone: return {{"", {}, {kPatienceHit, kPatienceHit}, &kFloorFile}};
    case kScoresHighscores:
    case kScoresReset: return {{"", {}, {}, &kOrdinaryFile}};
    case kTournamentStart:
        return {{"situation", {}, {kTournamentReset}}, {"session_end", Repeat(kTournamentStart, 11), {}, &kFloorFile}};
    case kTournamentPush:
    case kTournamentFold:
    case kTournamentReset: return {{"", {}, {kTournamentReset, kTournamentStart}}};
    case kPreflopStart:
        return {{"situation", {}, {kPreflopReset}}, {"session_end", Repeat(kPreflopStart, 11), {}, &kFloorFile}};
    case kPreflopReset:
    case kPreflopOpen:
    case kPreflopFold:
    case kPreflopCall:
    case kPreflopThreeBet:
    case kPreflopOpenFoldToThreeBet:
    case kPreflopOpenCallThreeBet:
    case kPreflopOpenFourBet: return {{"", {}, {kPreflopReset, kPreflopStart}}};
    default: // Help buttons, the fold drill, range answers, Patience HIT: every press works
        return {{"", {}, {}}};
    }
}

void PressButton(benchmark::State& state, int id, Recipe recipe, bool logOn)
{
    RealFileSystem files;
    RecordingPlatform platform(files, 100000);
    TrainerSet trainers(platform);
    StartUp(trainers);
    if (logOn && !trainers.log.TurnOn()) {
        state.SkipWithError("the practice log cannot be turned on");
        return;
    }
    for (int press : recipe.once)
        Dispatch(trainers, press);

    std::vector<double> micros;
    std::uint32_t paused = 0;
    for (auto _ : state) {
        if (recipe.file)
            WriteHighscores(*recipe.file);
        for (int press : recipe.before)
            Dispatch(trainers, press);
        platform.Advance(recipe.waitMs);
        platform.ClearEffects();
        const std::uint32_t sleptBefore = platform.sleptMs();
        const auto start = Clock::now();
        Dispatch(trainers, id);
        const auto end = Clock::now();
        paused += platform.sleptMs() - sleptBefore;
        micros.push_back(MicrosecondsBetween(start, end));
        state.SetIterationTime(micros.back() / 1e6);
    }
    ReportSpread(state, micros);
    state.counters["pause_ms"] = static_cast<double>(paused) / static_cast<double>(micros.size());
    if (logOn && (!trainers.log.TurnOff() || trainers.log.failingSince()))
        state.SkipWithError("the practice log was not written");
}

void NumberToTextAlone(benchmark::State& state)
{
    RealFileSystem files;
    float value = 66.666664f;
    std::vector<double> micros;
    for (auto _ : state) {
        const auto start = Clock::now();
        std::string text = NumberToText(files, value);
        const auto end = Clock::now();
        benchmark::DoNotOptimize(text);
        micros.push_back(MicrosecondsBetween(start, end));
        state.SetIterationTime(micros.back() / 1e6);
        value += 1.25f;
    }
    ReportSpread(state, micros);
}

void UpdateHighscoreAlone(benchmark::State& state)
{
    RealFileSystem files;
    RecordingPlatform platform(files, 100000);
    WriteHighscores("0 0 0 0 0 0 0 0 0 0 ");
    std::int32_t score = 0;
    std::vector<double> micros;
    for (auto _ : state) {
        ++score; // a new highscore every time, so the file is rewritten
        const auto start = Clock::now();
        const HighscoreResult result = UpdateHighscore(platform, slots::kPreflop, score);
        const auto end = Clock::now();
        if (result.outcome != HighscoreOutcome::NewHighscore) {
            state.SkipWithError("the offer did not rewrite the file");
            break;
        }
        micros.push_back(MicrosecondsBetween(start, end));
        state.SetIterationTime(micros.back() / 1e6);
    }
    ReportSpread(state, micros);
}

// How much longer than asked the real pause blocks.
void RealSleepOvershoot(benchmark::State& state)
{
    RealClock clock;
    const auto ms = static_cast<std::uint32_t>(state.range(0));
    std::vector<double> overshoot;
    for (auto _ : state) {
        const auto start = Clock::now();
        clock.Pause(ms);
        const auto end = Clock::now();
        overshoot.push_back(MicrosecondsBetween(start, end) - ms * 1000.0);
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    ReportSpread(state, overshoot, "overshoot_");
}

void RegisterAll()
{
    for (bool logOn : {false, true})
        for (const EventRow& row : EventTable())
            for (const Recipe& recipe : RecipesFor(row.controlId)) {
                std::string name = "Button/" + ButtonName(row.controlId);
                if (!recipe.label.empty())
                    name += "/" + recipe.label;
                if (logOn)
                    name += "/log_on";
                benchmark::RegisterBenchmark(name.c_str(), PressButton, row.controlId, recipe, logOn)
                    ->UseManualTime()
                    ->Unit(benchmark::kMicrosecond)
                    ->Iterations(300);
            }
    benchmark::RegisterBenchmark("NumberToText", NumberToTextAlone)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond)
        ->Iterations(2000);
    benchmark::RegisterBenchmark("UpdateHighscore/NewHighscore", UpdateHighscoreAlone)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond)
        ->Iterations(2000);
    const std::pair<int, int> pauses[] = {{1, 200}, {10, 50}, {133, 10}, {2000, 3}};
    for (const auto& [ms, iterations] : pauses)
        benchmark::RegisterBenchmark("RealClock/Pause", RealSleepOvershoot)
            ->Arg(ms)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(iterations);
}

} // namespace
} // namespace velmo::bench

int main(int argc, char** argv)
{
    velmo::test::TempWorkDir dir;
    velmo::bench::RegisterAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
