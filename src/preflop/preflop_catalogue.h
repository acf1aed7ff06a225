// The preflop situation catalogue: seven sections, one per answer button,
// and GeneratePreflopSituation, which draws a situation with a given answer.
//
// The session draws the right answer first and then asks the catalogue for a
// situation with it.  The catalogue knows nothing of scores or controls; its
// only lasting effect is on the generator, which it pauses for and reseeds.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace velmo {

class Platform;

// The right answer of a situation, one per answer button, numbered as the
// session draws them (rand() % 7 + 1).  None is the session's value before
// any situation is drawn; no button gives it.
enum class PreflopAnswer : std::int32_t {
    None = 0,
    Open = 1,
    Fold = 2,
    Call = 3,
    ThreeBet = 4,
    OpenCallThreeBet = 5,
    OpenFoldToThreeBet = 6,
    OpenFourBet = 7,
};
inline constexpr int kPreflopAnswerCount = 7;

// A situation whose only right answer is `answer`; None, or any value
// outside Open to OpenFourBet, gives "default sw sel".  Pauses and reseeds
// through the platform.
std::string GeneratePreflopSituation(Platform& platform, PreflopAnswer answer);

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
