// The hopeless situations of the How to fold drill, every one answered by
// folding.  The texts are shown as written here, their oddities included
// ("player,UTG", "2,5", "UTG +1", "6h3d4s 5c"); a ten is written "10".
#pragma once

#include <array>
#include <string_view>

namespace velmo {

inline constexpr std::array<std::string_view, 31> kFoldSituationTexts{
    "A very tight player,UTG, opens 12x BB. You are UTG +1 with Kh8s.",
    "UTG, a nit, opens 3x BB. CO, skilled Reg, calls. You are SB with As2d.",
    "BU, Reg, opens 2,5 BB. SB (Reg) 3B to 10 BB. You are BB with 6d6c.",
    "Three players plus you call, flop: AdKd9d. They bet/call 50 % pot. You are BU with 7s7c.",
    "Four players plus you call, flop: AhKh3h. They bet/call 75 % pot. You are BU with 8d5h.",
    "A tight player C-bets flop (10sAcAd), pot-sized. You have Kh5h.",
    "You are SB with Ah7d. A strong Reg is in the BB. BU (nit), opens 2x BB.",
    "A skilled player limps from BU. Another skilled player is in BB. You: SB with 5h5s.",
    "A very tight player,UTG, opens 3x BB. You are CO with JhJs.",
    "UTG opens 4x BB. CO and BU call. You are BB with As7d.",
    "A player with 250 BB 2,5x opens from BU. You have 75 BB, in BB with 10c10s.",
    "The flop comes AhAsKd. You check with 7s8s. Villain C-bets 80 % pot.",
    "The flop comes 5s9h5d. You check with 3d3s. Villain C-bets 75 % pot.",
    "You have Kh4h, flop: 9sKc4d. You check-raise, villain calls, then raises turn 9d All-in.",
    "You min bet with AhAd on the 6h3d4s 5c board. Villain (Nit) raises All-in.",
    "You min bet with AhKh on the 10h10sJs Jh board. Villain (Reg) raises All-in.",
    "You bet 20 % pot with 5h5s on the 5c9cKc board. Villain (Reg) raises All-in.",
    "You open BU with 8s9s. BB (Nit) calls. Flop: JhAdJs. Villain bets pot.",
    "You open CO with 8s8h. BB (Reg) calls. Flop: 10hKcQd. Villain check-raises.",
    "You open UTG with 3s4h. BU (Reg) calls. Flop: AdAh10c. Villain raises your minbet.",
    "You are BU with 7c7s. UTG opens All-in, HJ and CO call.",
    "You are BU with 9c10d. UTG opens All-in, HJ, and CO call.",
    "You are SB with JsQh. UTG opens All-in, HJ, CO, and BU call.",
    "A known overfolder limps from BU. A skilled player is in BB. You: SB with Qd9s.",
    "A known overfolder limps from BU. A skilled player is in BB. You: SB with Ks4h.",
    "A very tight player,UTG, opens 10x BB. You are UTG +1 with 8s8d.",
    "A very tight player,UTG, opens 4x BB. You are HJ with 10h9d.",
    "You are UTG (6-max) with 4h4s.",
    "You are UTG (6-max) with Qd3h.",
    "You are UTG (full ring) with 7s8h.",
    "You are UTG (full ring) with 9d9c.",
};

} // namespace velmo
