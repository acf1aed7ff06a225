// Two programs started from one folder share "studs1.txt" and
// "Highscores.txt": each must show its own numbers, and no announced
// highscore may be wiped out by the other's rewrite.
#include "common/number_to_text.h"
#include "common/simulated_platform.h"
#include "scores/highscore_file.h"
#include "scores/scores_panel.h"
#include "support/child_process.h"
#include "support/temp_work_dir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmo::test {
namespace {

using namespace std::chrono_literals;

// Runs `program(k)` in two processes at once; each exits with its count of faults.
template <typename Program> void RunTwice(Program program)
{
    ChildProcess first([&](ChildProcess&) { return program(0); });
    ChildProcess second([&](ChildProcess&) { return program(1); });
    EXPECT_EQ(first.Wait(60s), 0);
    EXPECT_EQ(second.Wait(60s), 0);
}

TEST(TwoPrograms, EachShowsItsOwnNumbers)
{
    TempWorkDir dir;
    RunTwice([](int k) {
        RealFileSystem files;
        int wrong = 0;
        for (int i = 0; i < 3000; ++i) {
            const int value = k * 100000 + i;
            wrong += NumberToText(files, static_cast<float>(value)) != std::to_string(value);
        }
        return std::min(wrong, 99);
    });
}

TEST(TwoPrograms, AnnouncedHighscoresSurviveTheOtherProgram)
{
    TempWorkDir dir;
    WriteFile(kHighscoreFileName, "0 0 0 0 0 0 0 0 0 0 ");
    constexpr int kOffers = 300;
    RunTwice([](int k) {
        RealFileSystem files;
        SimulatedPlatform program(files, 100000);
        const int slot = k == 0 ? slots::kPreflop : slots::kTournament;
        int faults = 0;
        for (int score = 1; score <= kOffers; ++score) {
            // Only this program raises its slot, so the slot must still hold
            // the score announced last.
            const auto before = ReadHighscoreValues(files);
            faults += !before || before->slots[static_cast<std::size_t>(slot)] != score - 1;
            faults += UpdateHighscore(program, slot, score).outcome != HighscoreOutcome::NewHighscore;
            if (k == 1 && score % 10 == 0)
                ScoresPanel(program).Highscores(); // reads, sums and rewrites the whole list
        }
        return std::min(faults + program.MessageCount(), 99);
    });
    std::istringstream in(ReadFile(kHighscoreFileName));
    const HighscoreSlots slots = ParseHighscoreValues(in).slots;
    EXPECT_EQ(slots[slots::kPreflop], kOffers);
    EXPECT_EQ(slots[slots::kTournament], kOffers);
}

} // namespace
} // namespace velmo::test
