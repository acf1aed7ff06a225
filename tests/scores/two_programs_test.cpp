// Two programs started from one folder share "studs1.txt" and
// "Highscores.txt": each must show its own numbers, and no announced
// highscore may be wiped out by the other's rewrite.
#include "preflop/preflop_panel.h"
#include "scores/highscore_file.h"
#include "support/child_process.h"
#include "support/temp_work_dir.h"
#include "support/two_program_work.h"
#include "tournament/tournament_panel.h"

#include <gtest/gtest.h>

#include <algorithm>
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
    RunTwice([](int k) { return std::min(ConvertOwnNumbers(k, 3000), 99); });
}

TEST(TwoPrograms, AnnouncedHighscoresSurviveTheOtherProgram)
{
    TempWorkDir dir;
    WriteFile(kHighscoreFileName, "0 0 0 0 0 0 0 0 0 0 ");
    constexpr int kOffers = 300;
    RunTwice([](int k) { return std::min(OfferRisingScores(k, kOffers), 99); });
    std::istringstream in(ReadFile(kHighscoreFileName));
    const HighscoreSlots slots = ParseHighscoreValues(in).slots;
    EXPECT_EQ(slots[slots::kPreflop], kOffers);
    EXPECT_EQ(slots[slots::kTournament], kOffers);
}

} // namespace
} // namespace velmo::test
