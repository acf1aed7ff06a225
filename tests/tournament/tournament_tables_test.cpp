#include "support/tournament_texts.h"
#include "tournament/tournament_draw.h"
#include "tournament/tournament_tables.h"

#include "common/generator.h"
#include "common/recording_platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <ostream>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace velmo::test {
namespace {

const TournamentGroup& Group(int number)
{
    return TournamentGroups()[static_cast<std::size_t>(number - 1)];
}

std::vector<std::string_view> Hands(int number)
{
    const auto hands = Group(number).hands;
    return {hands.begin(), hands.end()};
}

// The stacks in big blinds (rounded to `ratioScale`ths) and the distances
// to the bubble that each group's descriptions span, least and most.
struct SpanCase {
    int number;
    int ratioScale;
    long minRatio, maxRatio;
    std::int64_t minBubble, maxBubble;
};

void PrintTo(const SpanCase& c, std::ostream* os)
{
    *os << "group " << c.number;
}

const SpanCase kSpanCases[] = {
    {1, 100, 188, 1362, 2, 1054}, {2, 100, 1893, 8250, 2, 1054}, {3, 1, 193, 628, 162, 5340}, {4, 1, 212, 868, 1, 21},
    {5, 1, 212, 868, 1, 15},      {6, 100, 1895, 8625, 2, 1054}, {7, 1, 220, 728, 385, 8760},
};

class TournamentGroupTable : public ::testing::TestWithParam<SpanCase> {};

TEST_P(TournamentGroupTable, DescriptionsHaveTheFixedFormAndBlinds)
{
    const std::pair<std::int64_t, std::int64_t> blinds[] = {
        {2000, 4000}, {3000, 3000}, {4000, 8000}, {1000, 2000}, {5000, 10000}, {200, 400},  {200, 400},
        {400, 800},   {20, 40},     {250, 500},   {250, 500},   {5000, 10000}, {2000, 4000}};
    const SpanCase& c = GetParam();
    const auto descriptions = Group(c.number).descriptions;
    ASSERT_EQ(descriptions.size(), std::size(blinds));
    double minRatio = 1e18, maxRatio = 0;
    std::int64_t minBubble = INT64_MAX, maxBubble = 0;
    for (std::size_t k = 0; k < descriptions.size(); ++k) {
        SCOPED_TRACE(testing::Message() << "description " << k + 1);
        const std::string_view d = descriptions[k];
        EXPECT_GE(d.size(), 52u);
        EXPECT_LE(d.size(), 62u);
        const auto parsed = ParseDescription(d);
        ASSERT_TRUE(parsed) << '"' << d << '"';
        EXPECT_EQ(parsed->smallBlind, blinds[k].first);
        EXPECT_EQ(parsed->bigBlind, blinds[k].second);
        const double ratio = static_cast<double>(parsed->stack) / static_cast<double>(parsed->bigBlind);
        minRatio = std::min(minRatio, ratio);
        maxRatio = std::max(maxRatio, ratio);
        minBubble = std::min(minBubble, parsed->bubble);
        maxBubble = std::max(maxBubble, parsed->bubble);
    }
    EXPECT_EQ(std::lround(minRatio * c.ratioScale), c.minRatio);
    EXPECT_EQ(std::lround(maxRatio * c.ratioScale), c.maxRatio);
    EXPECT_EQ(minBubble, c.minBubble);
    EXPECT_EQ(maxBubble, c.maxBubble);
}

INSTANTIATE_TEST_SUITE_P(Tournament, TournamentGroupTable, ::testing::ValuesIn(kSpanCases),
                         [](const auto& info) { return "Group" + std::to_string(info.param.number); });

// Every hand is two different cards, and the pick stays inside the list:
// groups 4 and 5 pick among positions 1 to 4, the others 1 to 10.
TEST(TournamentTables, HandsAndTheirPickRange)
{
    for (int number = 1; number <= 7; ++number) {
        const TournamentGroup& g = Group(number);
        EXPECT_EQ(g.number, number);
        EXPECT_EQ(g.handPickRange, number == 4 || number == 5 ? 4 : 10) << "group " << number;
        EXPECT_LT(static_cast<std::size_t>(g.handPickRange), g.hands.size()) << "group " << number;
        for (std::string_view hand : g.hands)
            EXPECT_TRUE(IsHand(hand)) << "group " << number << ": \"" << hand << '"';
    }
}

// The lists as their descriptions put them: group 1 holds 36 different
// hands from Ah7d to Th7s, group 5 54 entries from 7h7c to JcQs, groups 6
// and 7 42 each, ending in AhTs.
TEST(TournamentTables, ListLengthsAndEnds)
{
    EXPECT_EQ(Hands(1).size(), 36u);
    EXPECT_EQ(Hands(1).front(), "Ah7d");
    EXPECT_EQ(Hands(1).back(), "Th7s");
    EXPECT_EQ(Hands(5).size(), 54u);
    EXPECT_EQ(Hands(5).front(), "7h7c");
    EXPECT_EQ(Hands(5).back(), "JcQs");
    EXPECT_EQ(Hands(6).size(), 42u);
    EXPECT_EQ(Hands(6).front(), "3h3d");
    EXPECT_EQ(Hands(7).size(), 42u);
    EXPECT_EQ(Hands(7).front(), "4h4d");
    EXPECT_EQ(Hands(7).back(), "AhTs");
}

// The entries listed more than once, with their one-based positions.
std::map<std::string_view, std::vector<int>> Repeats(int number)
{
    std::map<std::string_view, std::vector<int>> positions;
    const auto hands = Hands(number);
    for (std::size_t k = 0; k < hands.size(); ++k)
        positions[hands[k]].push_back(static_cast<int>(k + 1));
    std::erase_if(positions, [](const auto& entry) { return entry.second.size() < 2; });
    return positions;
}

TEST(TournamentTables, OnlyTheNamedEntriesRepeat)
{
    using R = std::map<std::string_view, std::vector<int>>;
    EXPECT_EQ(Repeats(1), R{});
    EXPECT_EQ(Repeats(2), R{});
    EXPECT_EQ(Repeats(3), R{});
    EXPECT_EQ(Repeats(4), R{});
    EXPECT_EQ(Repeats(5), (R{{"ThTc", {17, 51}}}));
    EXPECT_EQ(Repeats(6), (R{{"AcQh", {31, 40}}}));
    EXPECT_EQ(Repeats(7), (R{{"AcQh", {31, 40}}}));
}

TEST(TournamentTables, GroupFourHoldsPairsOfAcesOnly)
{
    EXPECT_EQ(Hands(4), (std::vector<std::string_view>{"AhAd", "AcAd", "AsAd", "AdAs", "AsAc", "AsAh"}));
    for (std::string_view hand : Hands(4))
        EXPECT_TRUE(hand[0] == 'A' && hand[2] == 'A') << hand;
}

TEST(TournamentTables, GroupsTwoAndThreeShareTheirHandList)
{
    EXPECT_EQ(Hands(2), Hands(3));
    EXPECT_EQ(Hands(2), (std::vector<std::string_view>{"AcKc", "AhKh", "AhAd", "KdKc", "QsQc", "AcAd", "AsAd", "KsKh",
                                                       "AdAs", "QhQs", "AdAc", "KsAs", "KcKs", "AdKd"}));
}

TEST(TournamentTables, GroupFiveHasTheStacksOfGroupFourAndItsLastFourDescriptions)
{
    const auto four = Group(4).descriptions;
    const auto five = Group(5).descriptions;
    for (std::size_t k = 0; k < 13; ++k) {
        EXPECT_EQ(ParseDescription(four[k])->stack, ParseDescription(five[k])->stack) << "description " << k + 1;
        if (k >= 9) {
            EXPECT_EQ(four[k], five[k]) << "description " << k + 1;
        }
    }
}

TEST(TournamentTables, GroupSevenIsGroupSixWithEightEntriesChanged)
{
    const auto six = Hands(6);
    const auto seven = Hands(7);
    ASSERT_EQ(six.size(), seven.size());
    int changed = 0;
    for (std::size_t k = 0; k < six.size(); ++k)
        changed += six[k] != seven[k] ? 1 : 0;
    EXPECT_EQ(changed, 8);
}

TEST(TournamentTables, AnswerKey)
{
    for (int group = -1; group <= 8; ++group) {
        EXPECT_EQ(GroupExpects(group, TournamentAnswer::Push), group >= 1 && group <= 4) << "group " << group;
        EXPECT_EQ(GroupExpects(group, TournamentAnswer::Fold), group >= 5 && group <= 7) << "group " << group;
    }
}

// Many draws, each started at a tick a user might press at.
struct DrawTally {
    std::map<int, int> groups;
    std::map<int, std::map<std::string, int>> descriptions; // by group
    std::map<int, std::map<std::string, int>> hands;        // by group
    std::set<std::uint32_t> pauses[8];
};

DrawTally TallyDraws(int count)
{
    DrawTally tally;
    RecordingPlatform platform(123457);
    std::mt19937 user(2024);
    std::uniform_int_distribution<std::uint32_t> wait(1, 5000);
    for (int n = 0; n < count; ++n) {
        platform.Advance(wait(user));
        const auto slept = platform.sleptMs();
        const TournamentDraw draw = DrawTournamentSituation(platform);
        if (draw.group < 1 || draw.group > 7) {
            ADD_FAILURE() << "group " << draw.group;
            continue;
        }
        if (!IsSituationOf(draw.group, draw.text))
            ADD_FAILURE() << "group " << draw.group << ": \"" << draw.text << '"';
        tally.pauses[draw.group].insert(platform.sleptMs() - slept);
        ++tally.groups[draw.group];
        const std::string text = draw.text;
        ++tally.descriptions[draw.group][text.substr(0, text.size() - 4)];
        ++tally.hands[draw.group][text.substr(text.size() - 4)];
    }
    return tally;
}

class TournamentDrawing : public ::testing::Test {
protected:
    static void SetUpTestSuite() { tally_ = new DrawTally(TallyDraws(70000)); }
    static void TearDownTestSuite()
    {
        delete tally_;
        tally_ = nullptr;
    }
    static const DrawTally& tally() { return *tally_; }

private:
    static DrawTally* tally_;
};

DrawTally* TournamentDrawing::tally_ = nullptr;

TEST_F(TournamentDrawing, PausesTotal168AndFor178GroupSeven)
{
    for (int group = 1; group <= 7; ++group)
        EXPECT_EQ(tally().pauses[group], (std::set<std::uint32_t>{group == 7 ? 178u : 168u})) << "group " << group;
}

TEST_F(TournamentDrawing, EveryGroupComesUpAboutEquallyOften)
{
    ASSERT_EQ(tally().groups.size(), 7u);
    for (const auto& [group, count] : tally().groups) {
        EXPECT_GT(count, 70000 / 7 * 8 / 10) << "group " << group;
        EXPECT_LT(count, 70000 / 7 * 12 / 10) << "group " << group;
    }
}

TEST_F(TournamentDrawing, EveryDescriptionIsDrawnAlthoughOnlyTenPositionsArePicked)
{
    for (int group = 1; group <= 7; ++group) {
        const auto& seen = tally().descriptions.at(group);
        // Groups 4 and 5 share four descriptions, which still count separately per group.
        EXPECT_EQ(seen.size(), 13u) << "group " << group;
        for (std::string_view d : Group(group).descriptions)
            EXPECT_GT(seen.count(std::string(d)) ? seen.at(std::string(d)) : 0, 0) << '"' << d << '"';
    }
}

TEST_F(TournamentDrawing, EveryHandIsDrawnAlthoughThePickRangeIsShort)
{
    for (int group = 1; group <= 7; ++group) {
        const auto& seen = tally().hands.at(group);
        for (std::string_view h : Group(group).hands)
            EXPECT_TRUE(seen.count(std::string(h))) << "group " << group << ": " << h;
        EXPECT_EQ(seen.size(), std::set<std::string_view>(Group(group).hands.begin(), Group(group).hands.end()).size())
            << "group " << group;
    }
}

// "ThTc" is listed twice among group 5's entries, so it is drawn about
// twice as often as a hand listed once.
TEST_F(TournamentDrawing, AHandListedTwiceIsDrawnAboutTwiceAsOften)
{
    const auto& seen = tally().hands.at(5);
    double singles = 0;
    int singleCount = 0;
    for (const auto& [hand, count] : seen) {
        if (hand != "ThTc") {
            singles += count;
            ++singleCount;
        }
    }
    ASSERT_GT(singleCount, 0);
    const double ratio = seen.at("ThTc") / (singles / singleCount);
    EXPECT_GT(ratio, 1.5);
    EXPECT_LT(ratio, 2.5);
}

// The draw ends with a reseeding at its last tick and one rand() for the
// hand; the generator carries on from there.
TEST(TournamentDraw, LeavesTheGeneratorSeededFromItsLastReseeding)
{
    for (std::uint32_t start : {100000u, 4321u, 0xFFFFFFF0u}) {
        RecordingPlatform platform(start);
        DrawTournamentSituation(platform);
        Generator expected;
        expected.srand(platform.Ticks());
        expected.rand();
        EXPECT_EQ(platform.rand(), expected.rand()) << "start " << start;
    }
}

TEST(TournamentDraw, TheSameStartTickGivesTheSameSituation)
{
    RecordingPlatform a(777777);
    RecordingPlatform b(777777);
    a.srand(1);
    b.srand(99); // the state before the draw does not matter: it reseeds first
    const auto first = DrawTournamentSituation(a);
    const auto second = DrawTournamentSituation(b);
    EXPECT_EQ(first.text, second.text);
    EXPECT_EQ(first.group, second.group);
}

} // namespace
} // namespace velmo::test
