// The preflop situation catalogue: seven sections, one per answer button,
// and GeneratePreflopSituation, which draws a situation with a given answer.
//
// The session draws the right answer first and then asks the catalogue for a
// situation with it.  The catalogue knows nothing of scores or controls; its
// only lasting effect is on the generator, which it pauses for and reseeds.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace velmo {

class Platform;

// Answer codes; 0 is the session's value before any situation is drawn.
namespace PreflopAnswer {
inline constexpr int Open = 1;
inline constexpr int Fold = 2;
inline constexpr int Call = 3;
inline constexpr int ThreeBet = 4;
inline constexpr int OpenCallThreeBet = 5;
inline constexpr int OpenFoldToThreeBet = 6;
inline constexpr int OpenFourBet = 7;
} // namespace PreflopAnswer

// A situation whose only right answer is `answer` (1 to 7); any other code
// gives "default sw sel".  Pauses and reseeds through the platform.
std::string GeneratePreflopSituation(Platform& platform, int answer);

// Every constant list of the catalogue, in the order of the sections.  Hand
// lists hold four-character entries; prefixes end with a blank and take one
// hand; complete texts are situations by themselves.
enum class PreflopList {
    UtgSixMaxOpenHands,
    UtgFullRingOpenHands,
    HijackOpenHands,
    LateOpenFoldPrefixes,
    UtgFoldPrefixes,
    CompleteFoldTexts,
    FoldHands,
    FoldHandsAgainstUtg,
    CallList1Hands,
    CallList2Hands,
    CallList3Hands,
    CallList4Hands,
    CallList5Hands,
    CallList6Hands,
    CallList7Hands,
    CallList8Hands,
    CallList9Hands,
    CallList10Hands,
    CallList11Hands,
    CallList12Hands,
    ThreeBetPrefixes,
    ThreeBetHands,
    OpenCallPrefixes,
    OpenCallHands,
    OpenFoldToThreeBetTexts,
    FourBetPrefixes,
    FourBetHands,
};
inline constexpr int kPreflopListCount = 27;

// The entries of `list` in their stored order.
std::span<const std::string_view> PreflopListEntries(PreflopList list);

} // namespace velmo
