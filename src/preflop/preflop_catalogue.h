// The preflop situation catalogue: seven sections, one per answer button,
// and GeneratePreflopSituation, which draws a situation with a given answer.
#pragma once

#include <string>

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

} // namespace velmo
