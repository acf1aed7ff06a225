// The timing of the timed quizzes (Preflop, Tournaments, RE/Odds).
#pragma once

#include <cstdint>

namespace velmo {

// The tick at which the situation on show appeared, one stored value shared
// by the Preflop and RE/Odds trainers: a Start/Next press that shows a
// situation in either panel sets it, and both time their answers from it.
struct SituationStartTick {
    std::uint32_t situationStartTick = 0;
};

// Milliseconds from `start` to `now` as a signed 32-bit difference, so that a
// wrap of the 32-bit tick count in between still gives the true interval.
inline std::int32_t ElapsedMs(std::uint32_t start, std::uint32_t now)
{
    return static_cast<std::int32_t>(now - start);
}

// The speed bonus 4000 / elapsed of the timed quizzes, truncated toward zero
// as integer division does.  An elapsed time that reads negative (the tick
// count moved on by more than 2^31 ms) therefore gives 0, or down to -4000
// within 4000 ms of 2^32.  Only 0 ms is guarded: it earns the bonus of 1 ms
// rather than faulting.
inline std::int32_t SpeedBonus(std::int32_t elapsedMs)
{
    return 4000 / (elapsedMs != 0 ? elapsedMs : 1);
}

} // namespace velmo
