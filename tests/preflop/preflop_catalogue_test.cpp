#include "preflop/preflop_catalogue.h"
#include "support/cards.h"
#include "support/preflop_draws.h"

#include "common/recording_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
#include <ostream>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace velmo::test {
namespace {

using L = PreflopList;

enum class Kind { Hands, Prefixes, CompleteTexts };

struct ListCase {
    const char* name;
    L list;
    std::size_t count;
    Kind kind;
};

const ListCase kListCases[] = {
    {"UtgSixMaxOpenHands", L::UtgSixMaxOpenHands, 84, Kind::Hands},
    {"UtgFullRingOpenHands", L::UtgFullRingOpenHands, 41, Kind::Hands},
    {"HijackOpenHands", L::HijackOpenHands, 132, Kind::Hands},
    {"LateOpenFoldPrefixes", L::LateOpenFoldPrefixes, 4, Kind::Prefixes},
    {"UtgFoldPrefixes", L::UtgFoldPrefixes, 6, Kind::Prefixes},
    {"CompleteFoldTexts", L::CompleteFoldTexts, 48, Kind::CompleteTexts},
    {"FoldHands", L::FoldHands, 51, Kind::Hands},
    {"FoldHandsAgainstUtg", L::FoldHandsAgainstUtg, 114, Kind::Hands},
    {"CallList1", L::CallList1Hands, 75, Kind::Hands},
    {"CallList2", L::CallList2Hands, 383, Kind::Hands},
    {"CallList3", L::CallList3Hands, 177, Kind::Hands},
    {"CallList4", L::CallList4Hands, 155, Kind::Hands},
    {"CallList5", L::CallList5Hands, 102, Kind::Hands},
    {"CallList6", L::CallList6Hands, 24, Kind::Hands},
    {"CallList7", L::CallList7Hands, 60, Kind::Hands},
    {"CallList8", L::CallList8Hands, 26, Kind::Hands},
    {"CallList9", L::CallList9Hands, 62, Kind::Hands},
    {"CallList10", L::CallList10Hands, 22, Kind::Hands},
    {"CallList11", L::CallList11Hands, 132, Kind::Hands},
    {"CallList12", L::CallList12Hands, 47, Kind::Hands},
    {"ThreeBetPrefixes", L::ThreeBetPrefixes, 22, Kind::Prefixes},
    {"ThreeBetHands", L::ThreeBetHands, 40, Kind::Hands},
    {"OpenCallPrefixes", L::OpenCallPrefixes, 3, Kind::Prefixes},
    {"OpenCallHands", L::OpenCallHands, 12, Kind::Hands},
    {"OpenFoldToThreeBetTexts", L::OpenFoldToThreeBetTexts, 4, Kind::CompleteTexts},
    {"FourBetPrefixes", L::FourBetPrefixes, 4, Kind::Prefixes},
    {"FourBetHands", L::FourBetHands, 27, Kind::Hands},
};
static_assert(std::size(kListCases) == kPreflopListCount);

void PrintTo(const ListCase& c, std::ostream* os)
{
    *os << c.name;
}

class CatalogueList : public ::testing::TestWithParam<ListCase> {};

TEST_P(CatalogueList, HoldsItsEntryCountOfWellFormedEntries)
{
    const ListCase& c = GetParam();
    const auto entries = PreflopListEntries(c.list);
    ASSERT_EQ(entries.size(), c.count);
    for (std::string_view e : entries) {
        switch (c.kind) {
        case Kind::Hands: EXPECT_TRUE(IsHand(e)) << '"' << e << '"'; break;
        case Kind::Prefixes:
            EXPECT_TRUE(e.size() > 1 && e.ends_with(' ') && !e.ends_with("  ")) << '"' << e << '"';
            break;
        case Kind::CompleteTexts: {
            // A situation by itself: ends with its hand, or the hand and a full stop.
            const auto body = e.ends_with('.') ? e.substr(0, e.size() - 1) : e;
            ASSERT_GE(body.size(), 5u) << e;
            EXPECT_TRUE(IsHand(body.substr(body.size() - 4))) << '"' << e << '"';
            EXPECT_EQ(body[body.size() - 5], ' ') << '"' << e << '"';
            break;
        }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Preflop, CatalogueList, ::testing::ValuesIn(kListCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CatalogueContent, CompleteFoldTextsEndWithAFullStopSaveOne)
{
    int withoutStop = 0;
    for (std::string_view e : PreflopListEntries(L::CompleteFoldTexts))
        if (!e.ends_with('.')) {
            ++withoutStop;
            EXPECT_EQ(e, "You are in BB facing BU 3x open, with Ks5s");
        }
    EXPECT_EQ(withoutStop, 1);
}

TEST(CatalogueContent, OpenFoldToThreeBetHasItsFourTexts)
{
    const auto texts = PreflopListEntries(L::OpenFoldToThreeBetTexts);
    const std::set<std::string_view> got(texts.begin(), texts.end());
    const std::set<std::string_view> want = {
        "You are in BU, open/defend? with: 3h3s", "You are in CO, open/defend? with: 4h4c",
        "You are in BU, open/defend? with: 2c2h", "You are in CO, open/defend? with: 6s6d"};
    EXPECT_EQ(got, want);
}

TEST(CatalogueContent, HandsAgainstUtgStartWithTheFoldHandsInOrder)
{
    const auto fold = PreflopListEntries(L::FoldHands);
    const auto againstUtg = PreflopListEntries(L::FoldHandsAgainstUtg);
    ASSERT_GT(againstUtg.size(), fold.size());
    for (std::size_t i = 0; i < fold.size(); ++i)
        EXPECT_EQ(againstUtg[i], fold[i]) << "entry " << i;
}

// Hands listed twice (KK in the opening lists) are drawn twice as often.
TEST(CatalogueDraw, RepeatedEntriesWeighTheirDraws)
{
    SessionLikeDrawer drawer;
    const std::string prefix = "You are UTG, 6-max, with ";
    int aces = 0;
    int kings = 0;
    for (int i = 0; i < 30000; ++i) {
        const std::string text = drawer.Draw(PreflopAnswer::Open);
        if (!text.starts_with(prefix))
            continue;
        const std::string hand = text.substr(prefix.size());
        aces += hand[0] == 'A' && hand[2] == 'A';
        kings += hand[0] == 'K' && hand[2] == 'K';
    }
    // About 10000 draws of the variant: 714 aces and 1428 kings expected.
    ASSERT_GT(aces, 400);
    const double ratio = static_cast<double>(kings) / aces;
    EXPECT_GT(ratio, 1.6);
    EXPECT_LT(ratio, 2.5);
}

// A late-open spot folds weak hands only; the pairs and suited aces that only
// the list against UTG holds must never follow one of its prefixes.
TEST(CatalogueDraw, LateOpenFoldPrefixesTakeOnlyFoldHands)
{
    const auto lateOpen = PreflopListEntries(L::LateOpenFoldPrefixes);
    const auto utg = PreflopListEntries(L::UtgFoldPrefixes);
    const auto foldHands = PreflopListEntries(L::FoldHands);
    const auto againstUtg = PreflopListEntries(L::FoldHandsAgainstUtg);
    const std::set<std::string_view> fold(foldHands.begin(), foldHands.end());
    std::set<std::string_view> onlyAgainstUtg(againstUtg.begin(), againstUtg.end());
    for (std::string_view h : fold)
        onlyAgainstUtg.erase(h);
    ASSERT_EQ(onlyAgainstUtg.size(), 58u); // the 63 added entries less five repeated ones

    SessionLikeDrawer drawer;
    int lateOpenDraws = 0;
    int utgOnlyHandsAfterUtg = 0;
    for (int i = 0; i < 6000; ++i) {
        const std::string text = drawer.Draw(PreflopAnswer::Fold);
        const std::string_view hand = std::string_view(text).substr(text.size() - 4);
        for (std::string_view p : lateOpen)
            if (text.starts_with(p)) {
                ++lateOpenDraws;
                EXPECT_TRUE(fold.contains(hand)) << text;
                EXPECT_FALSE(onlyAgainstUtg.contains(hand)) << text;
            }
        for (std::string_view p : utg)
            if (text.starts_with(p))
                utgOnlyHandsAfterUtg += onlyAgainstUtg.contains(hand);
    }
    EXPECT_GT(lateOpenDraws, 1000);
    EXPECT_GT(utgOnlyHandsAfterUtg, 500); // those hands do come up, after UTG prefixes
}

// A spot of a section word for word: its prefix ("" for the complete texts
// of a list), the list its hands or texts come from, the pauses it takes.
struct Spot {
    std::string_view prefix;
    L tails;
    std::uint32_t pauseMs;
};

struct CodeCase {
    const char* name;
    PreflopAnswer code;
    int draws;
    bool continuesSequence; // the first shuffle runs before any pause or reseed
    std::vector<Spot> spots;
};

const CodeCase kCodeCases[] = {
    {"Open",
     PreflopAnswer::Open,
     12000,
     false,
     {{"You are in the HJ, with ", L::HijackOpenHands, 25},
      {"You are UTG, full ring, with ", L::UtgFullRingOpenHands, 25}}},
    {"Fold",
     PreflopAnswer::Fold,
     20000,
     true,
     {{"You are in BB facing BU 2x open, with ", L::FoldHands, 86},
      {"You are UTG (full ring), with ", L::FoldHandsAgainstUtg, 111},
      {"", L::CompleteFoldTexts, 12}}},
    {"Call",
     PreflopAnswer::Call,
     60000,
     false,
     {{"CO opens 3x BB, folds to you in BB with: ", L::CallList1Hands, 61},
      {"BU opens 2,5x BB, folds to you in BB with: ", L::CallList3Hands, 87},
      {"BU opens 3x BB, you are in SB with: ", L::CallList10Hands, 100}}},
    {"ThreeBet",
     PreflopAnswer::ThreeBet,
     30000,
     true,
     {{"UTG opens 2x BB. You are UTG+2 with: ", L::ThreeBetHands, 42}}},
    {"OpenCallThreeBet",
     PreflopAnswer::OpenCallThreeBet,
     2000,
     true,
     {{"You in SB, open/defend? with: ", L::OpenCallHands, 62}}},
    {"OpenFoldToThreeBet", PreflopAnswer::OpenFoldToThreeBet, 2000, true, {{"", L::OpenFoldToThreeBetTexts, 16}}},
    {"OpenFourBet",
     PreflopAnswer::OpenFourBet,
     2000,
     true,
     {{"You are in SB, open/defend? with: ", L::FourBetHands, 31}}},
};

void PrintTo(const CodeCase& c, std::ostream* os)
{
    *os << c.name;
}

bool Holds(std::span<const std::string_view> list, std::string_view entry)
{
    return std::find(list.begin(), list.end(), entry) != list.end();
}

class CatalogueCode : public ::testing::TestWithParam<CodeCase> {};

// Every text ends with a hand (a complete fold text with a full stop after
// it), every draw pauses as one of the section's paths does, and each spot
// named here shows its own list's hands with its own pauses, every entry of
// the list in turn, the first stored one included.
TEST_P(CatalogueCode, DrawsItsSpotsWithTheirHandsAndPauses)
{
    const CodeCase& c = GetParam();
    const std::set<std::uint32_t> pauses = PreflopPausesOf(c.code);
    std::set<std::uint32_t> pausesSeen;
    std::vector<std::set<std::string>> tailsSeen(c.spots.size());
    SessionLikeDrawer drawer;
    for (int i = 0; i < c.draws; ++i) {
        const std::string text = drawer.Draw(c.code);
        const std::string_view body = std::string_view(text).substr(0, text.size() - (text.ends_with('.') ? 1 : 0));
        ASSERT_GT(body.size(), 5u) << text;
        EXPECT_TRUE(IsHand(body.substr(body.size() - 4))) << text;
        EXPECT_EQ(body[body.size() - 5], ' ') << text;
        EXPECT_TRUE(pauses.contains(drawer.lastPauseMs())) << drawer.lastPauseMs() << " ms: " << text;
        pausesSeen.insert(drawer.lastPauseMs());
        for (std::size_t k = 0; k < c.spots.size(); ++k) {
            const Spot& spot = c.spots[k];
            const auto tails = PreflopListEntries(spot.tails);
            const bool mine = spot.prefix.empty() ? Holds(tails, text) : text.starts_with(spot.prefix);
            if (!mine)
                continue;
            const std::string tail = text.substr(spot.prefix.size());
            EXPECT_TRUE(Holds(tails, tail)) << text;
            EXPECT_EQ(drawer.lastPauseMs(), spot.pauseMs) << text;
            tailsSeen[k].insert(tail);
        }
    }
    EXPECT_EQ(pausesSeen, pauses);
    for (std::size_t k = 0; k < c.spots.size(); ++k) {
        const auto tails = PreflopListEntries(c.spots[k].tails);
        EXPECT_TRUE(tailsSeen[k].contains(std::string(tails.front()))) << '"' << c.spots[k].prefix << "\" first entry";
        EXPECT_EQ(tailsSeen[k].size(), std::set<std::string_view>(tails.begin(), tails.end()).size())
            << '"' << c.spots[k].prefix << '"';
    }
}

// Codes 2, 4, 5, 6 and 7 shuffle before their first pause, so the text
// depends on the sequence the caller left; codes 1 and 3 pause and reseed
// first, so the clock alone decides.
TEST_P(CatalogueCode, FirstShuffleContinuesTheCallersSequenceOrNot)
{
    const CodeCase& c = GetParam();
    int differing = 0;
    for (std::uint32_t tick = 5000; tick < 5000 + 60 * 37; tick += 37) {
        RecordingPlatform a(tick);
        RecordingPlatform b(tick);
        a.srand(tick * 7919u);
        b.srand(tick * 104729u + 17u);
        const std::string textA = GeneratePreflopSituation(a, c.code);
        const std::string textB = GeneratePreflopSituation(b, c.code);
        differing += textA != textB;
        RecordingPlatform again(tick);
        again.srand(tick * 7919u);
        EXPECT_EQ(GeneratePreflopSituation(again, c.code), textA);
    }
    if (c.continuesSequence)
        EXPECT_GT(differing, 0);
    else
        EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(Preflop, CatalogueCode, ::testing::ValuesIn(kCodeCases),
                         [](const auto& info) { return std::string(info.param.name); });

class CatalogueImpossibleCode : public ::testing::TestWithParam<int> {};

TEST_P(CatalogueImpossibleCode, GivesTheDefaultText)
{
    RecordingPlatform platform(100000);
    EXPECT_EQ(GeneratePreflopSituation(platform, static_cast<PreflopAnswer>(GetParam())), "default sw sel");
    EXPECT_EQ(platform.sleptMs(), 0u);
    EXPECT_TRUE(platform.effects().empty());
}

INSTANTIATE_TEST_SUITE_P(Preflop, CatalogueImpossibleCode, ::testing::Values(0, 8, -1, INT_MIN, INT_MAX),
                         [](const auto& info) {
                             const int v = info.param;
                             return v < 0 ? "Minus" + std::to_string(-static_cast<long long>(v))
                                          : "Code" + std::to_string(v);
                         });

} // namespace
} // namespace velmo::test
