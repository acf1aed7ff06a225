#include "common/generator.h"
#include "common/recording_platform.h"
#include "common/situation_timing.h"
#include "odds/fold_situation_texts.h"
#include "preflop/preflop_catalogue.h"
#include "tournament/tournament_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <map>
#include <numeric>
#include <vector>

namespace velmo {
namespace {

TEST(Generator, ReproducesTheClassicSequence)
{
    // The first values of the classic C library generator after srand(1).
    Generator g;
    const std::vector<int> expected = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    std::vector<int> drawn;
    for (std::size_t i = 0; i < expected.size(); ++i)
        drawn.push_back(g.rand());
    EXPECT_EQ(drawn, expected);

    Generator reseeded;
    reseeded.rand();
    reseeded.srand(1);
    EXPECT_EQ(reseeded.rand(), 41) << "srand(1) restarts the sequence";
}

TEST(Generator, StaysWithinFifteenBitsAndCoversTheRange)
{
    Generator g;
    g.srand(123456789u);
    int lo = Generator::kRandMax, hi = 0;
    for (int i = 0; i < 1000000; ++i) {
        const int r = g.rand();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, Generator::kRandMax);
        lo = std::min(lo, r);
        hi = std::max(hi, r);
    }
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, Generator::kRandMax);
}

// Pearson's chi-square statistic of observed counts against equal expectations.
double ChiSquare(const std::vector<int>& counts)
{
    const double total = std::accumulate(counts.begin(), counts.end(), 0.0);
    const double expected = total / static_cast<double>(counts.size());
    double chi = 0;
    for (int c : counts)
        chi += (c - expected) * (c - expected) / expected;
    return chi;
}

TEST(Generator, UniformHasNoModuloBias)
{
    // 32768 % 5000 != 0: a plain modulo would favour 0..2767 by about 14 %.
    Generator g;
    g.srand(7u);
    std::vector<int> lowHigh(2);
    const int draws = 400000;
    for (int i = 0; i < draws; ++i)
        ++lowHigh[g.Uniform(5000) < 2768 ? 0 : 1];
    const double lowShare = lowHigh[0] / static_cast<double>(draws);
    EXPECT_NEAR(lowShare, 2768.0 / 5000.0, 0.005);

    std::vector<int> sevens(7);
    for (int i = 0; i < 70000; ++i)
        ++sevens[g.Uniform(7)];
    EXPECT_LT(ChiSquare(sevens), 30.0); // 6 degrees of freedom: p < 1e-4 beyond 30
}

// One rand() serves every bound up to 32768, and no list a trainer shuffles
// comes near that.
TEST(Generator, UniformCoversFifteenBitsAndEveryShuffledList)
{
    Generator g;
    bool top = false;
    for (int i = 0; i < 200000; ++i) {
        const std::uint32_t r = g.Uniform(32768);
        ASSERT_LT(r, 32768u);
        top = top || r == 32767u;
    }
    EXPECT_TRUE(top);

    std::size_t longest = kFoldSituationTexts.size();
    for (int list = 0; list < kPreflopListCount; ++list)
        longest = std::max(longest, PreflopListEntries(static_cast<PreflopList>(list)).size());
    for (const TournamentGroup& group : TournamentGroups())
        longest = std::max({longest, group.descriptions.size(), group.hands.size()});
    EXPECT_LE(longest, 32768u);
}

TEST(Shuffle, EveryOrderIsEquallyLikely)
{
    RecordingPlatform platform;
    platform.srand(2024u);
    std::map<std::vector<int>, int> seen;
    const int shuffles = 48000;
    for (int i = 0; i < shuffles; ++i) {
        std::vector<int> list = {1, 2, 3, 4};
        platform.Shuffle(list);
        ++seen[list];
    }
    ASSERT_EQ(seen.size(), 24u) << "all 24 orders of four entries occur";
    std::vector<int> counts;
    for (const auto& [order, n] : seen)
        counts.push_back(n);
    EXPECT_LT(ChiSquare(counts), 60.0); // 23 degrees of freedom: p < 1e-4 beyond 60
}

TEST(Shuffle, KeepsEntriesAndContinuesTheSequence)
{
    RecordingPlatform a, b;
    a.srand(99u);
    b.srand(99u);
    std::vector<int> list(383);
    std::iota(list.begin(), list.end(), 0);
    a.Shuffle(list);
    std::vector<int> sorted = list;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> original(383);
    std::iota(original.begin(), original.end(), 0);
    EXPECT_EQ(sorted, original) << "a shuffle only reorders";
    EXPECT_NE(list, original);
    // The shuffle drew from the sequence without reseeding: b, which drew
    // nothing yet, is behind a by at least 382 values.
    EXPECT_NE(a.rand(), b.rand());

    std::vector<int> empty;
    a.Shuffle(empty);
    std::vector<int> one = {5};
    a.Shuffle(one);
    EXPECT_EQ(one, std::vector<int>{5});
}

TEST(SimulatedClock, PauseAdvancesAndWraps)
{
    RecordingPlatform platform(0xFFFFFFF0u);
    platform.Pause(0x20);
    EXPECT_EQ(platform.Ticks(), 0x10u);
    EXPECT_EQ(platform.sleptMs(), 0x20u);
    platform.Advance(5);
    EXPECT_EQ(platform.Ticks(), 0x15u);
    EXPECT_EQ(ElapsedMs(0xFFFFFFF0u, platform.Ticks()), 0x25) << "a wrap in between still measures right";
}

// Truncating division on the signed time; only 0 ms is guarded.
TEST(SpeedBonus, DividesTruncatingAndGuardsOnlyZero)
{
    EXPECT_EQ(SpeedBonus(800), 5);
    EXPECT_EQ(SpeedBonus(4001), 0);
    EXPECT_EQ(SpeedBonus(1), 4000);
    EXPECT_EQ(SpeedBonus(0), 4000);
    EXPECT_EQ(SpeedBonus(-3000), -1);
    EXPECT_EQ(SpeedBonus(-5), -800);
    EXPECT_EQ(SpeedBonus(std::numeric_limits<std::int32_t>::min()), 0);
}

} // namespace
} // namespace velmo
