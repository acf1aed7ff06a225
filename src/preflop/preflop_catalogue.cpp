#include "preflop/preflop_catalogue.h"

#include "common/platform.h"

#include <cassert>
#include <cstdint>
#include <vector>

namespace velmo {
namespace {

using Shuffled = std::vector<std::string_view>;

// A fresh copy of `list` in a uniformly random order.  The shuffle continues
// the generator's current sequence; it never reseeds.
Shuffled ShuffledCopy(Platform& platform, PreflopList list)
{
    return platform.ShuffledCopy(PreflopListEntries(list));
}

// The entry at position rand() % m + 1 of a freshly shuffled list.  The first
// position is never taken, but after the shuffle every stored entry, the
// first one included, has the same chance.  m is always below the list's
// length.
std::string_view PickAt(Platform& platform, const Shuffled& list, int m)
{
    const auto position = static_cast<std::size_t>(platform.rand() % m + 1);
    assert(position < list.size());
    return list[position];
}

std::string Join(std::string_view prefix, std::string_view hand)
{
    std::string text(prefix);
    text += hand;
    return text;
}

struct OpenVariant {
    std::string_view prefix;
    PreflopList hands;
};

constexpr OpenVariant kOpenVariants[] = {
    {"You are UTG, 6-max, with ", PreflopList::UtgSixMaxOpenHands},
    {"You are UTG, full ring, with ", PreflopList::UtgFullRingOpenHands},
    {"You are in the HJ, with ", PreflopList::HijackOpenHands},
};

struct CallSituation {
    std::string_view prefix;
    PreflopList hands;
    std::uint32_t pauseMs;
};

// Situations 2 and 11 share their prefix but not their hands.
constexpr CallSituation kCallSituations[] = {
    {"CO opens 3x BB, folds to you in BB with: ", PreflopList::CallList1Hands, 26},
    {"BU opens 2x BB, folds to you in BB with: ", PreflopList::CallList2Hands, 35},
    {"BU opens 2,5x BB, folds to you in BB with: ", PreflopList::CallList3Hands, 52},
    {"BU opens 3x BB, folds to you in BB with: ", PreflopList::CallList4Hands, 24},
    {"UTG opens 3x BB (6-max), folds to you on BU with: ", PreflopList::CallList5Hands, 65},
    {"UTG opens 3x BB (full ring), folds to you on BU with: ", PreflopList::CallList6Hands, 65},
    {"UTG opens 3x BB (6-max), folds to you in HJ with: ", PreflopList::CallList7Hands, 65},
    {"UTG opens 3x BB (full ring), folds to you in HJ with: ", PreflopList::CallList8Hands, 65},
    {"UTG opens 3x BB (6-max), folds to you in CO with: ", PreflopList::CallList9Hands, 65},
    {"BU opens 3x BB, you are in SB with: ", PreflopList::CallList10Hands, 65},
    {"BU opens 2x BB, folds to you in BB with: ", PreflopList::CallList11Hands, 35},
    {"UTG opens 3x BB (full ring), folds to you in CO with: ", PreflopList::CallList12Hands, 65},
};

std::string OpenSituation(Platform& platform)
{
    platform.PauseAndReseed(25);
    const int variant = platform.rand() % 3 + 1;
    if (variant < 1 || variant > 3)
        return "default sw iGen1";
    const OpenVariant& chosen = kOpenVariants[variant - 1];
    const auto hands = ShuffledCopy(platform, chosen.hands);
    // No pause: the pick restarts the sequence the variant was drawn from.
    platform.Reseed();
    return Join(chosen.prefix, PickAt(platform, hands, 15));
}

// The three lists are shuffled first, continuing the sequence the session
// seeded for the answer; only then is the kind of fold situation drawn.
std::string FoldSituation(Platform& platform)
{
    const auto lateOpenPrefixes = ShuffledCopy(platform, PreflopList::LateOpenFoldPrefixes);
    const auto utgPrefixes = ShuffledCopy(platform, PreflopList::UtgFoldPrefixes);
    const auto completeTexts = ShuffledCopy(platform, PreflopList::CompleteFoldTexts);
    platform.Reseed();
    switch (platform.rand() % 3 + 1) {
    case 1: {
        platform.PauseAndReseed(75);
        const auto prefix = PickAt(platform, lateOpenPrefixes, 3);
        const auto hands = ShuffledCopy(platform, PreflopList::FoldHands);
        platform.PauseAndReseed(11);
        return Join(prefix, PickAt(platform, hands, 10));
    }
    case 2: {
        platform.PauseAndReseed(90);
        const auto prefix = PickAt(platform, utgPrefixes, 5);
        const auto hands = ShuffledCopy(platform, PreflopList::FoldHandsAgainstUtg);
        platform.PauseAndReseed(21);
        return Join(prefix, PickAt(platform, hands, 10));
    }
    case 3: platform.PauseAndReseed(12); return std::string(PickAt(platform, completeTexts, 10));
    default: return "default iGenSel";
    }
}

std::string CallSituationText(Platform& platform)
{
    platform.PauseAndReseed(35);
    const CallSituation& situation = kCallSituations[platform.rand() % 12];
    const auto hands = ShuffledCopy(platform, situation.hands);
    platform.PauseAndReseed(situation.pauseMs);
    return Join(situation.prefix, PickAt(platform, hands, 10));
}

struct PrefixDraw {
    PreflopList list;
    std::uint32_t pauseMs;
    int m;
};

// Codes 4, 5 and 7: the prefixes are shuffled before any pause, continuing
// the session's sequence; then the hands.
std::string PrefixAndHand(Platform& platform, PrefixDraw prefixDraw, PrefixDraw handDraw)
{
    const auto prefixes = ShuffledCopy(platform, prefixDraw.list);
    platform.PauseAndReseed(prefixDraw.pauseMs);
    const auto prefix = PickAt(platform, prefixes, prefixDraw.m);
    const auto hands = ShuffledCopy(platform, handDraw.list);
    platform.PauseAndReseed(handDraw.pauseMs);
    return Join(prefix, PickAt(platform, hands, handDraw.m));
}

std::string OpenFoldToThreeBetSituation(Platform& platform)
{
    const auto texts = ShuffledCopy(platform, PreflopList::OpenFoldToThreeBetTexts);
    platform.PauseAndReseed(16);
    return std::string(PickAt(platform, texts, 2));
}

} // namespace

std::string GeneratePreflopSituation(Platform& platform, PreflopAnswer answer)
{
    switch (answer) {
    case PreflopAnswer::Open: return OpenSituation(platform);
    case PreflopAnswer::Fold: return FoldSituation(platform);
    case PreflopAnswer::Call: return CallSituationText(platform);
    case PreflopAnswer::ThreeBet:
        return PrefixAndHand(platform, {PreflopList::ThreeBetPrefixes, 26, 10}, {PreflopList::ThreeBetHands, 16, 10});
    case PreflopAnswer::OpenCallThreeBet:
        return PrefixAndHand(platform, {PreflopList::OpenCallPrefixes, 26, 2}, {PreflopList::OpenCallHands, 36, 10});
    case PreflopAnswer::OpenFoldToThreeBet: return OpenFoldToThreeBetSituation(platform);
    case PreflopAnswer::OpenFourBet:
        return PrefixAndHand(platform, {PreflopList::FourBetPrefixes, 20, 3}, {PreflopList::FourBetHands, 11, 10});
    default: return "default sw sel";
    }
}

} // namespace velmo
