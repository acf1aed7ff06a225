// Foresight for the RE/Odds tests: what a Start/Next press pressed at a given
// tick will deal.  Each of the four draws pauses, reseeds with the tick and
// takes one rand(); the pauses are 155, 13, 213 and 133 ms, so the seeds are
// the press tick plus 155, 168, 381 and 514.
//
// Seeds this close together give first draws that move almost in step, so
// the four values of one press are tied to each other: only 180 of the 480
// combinations of row, outs and streets can ever be dealt (row 4 with 5 outs
// and two streets can, row 4 with 10 outs and one street cannot).  Tests that
// deal through the panel pick combinations that can occur.
#pragma once

#include "support/first_rand.h"

#include <cstdint>
#include <optional>

namespace velmo::test {

struct OddsDeal {
    std::int32_t pot;
    std::int32_t row;
    std::int32_t outs;
    std::int32_t streets;
};

inline OddsDeal DealAt(std::uint32_t tick)
{
    return {FirstRand(tick + 155) % 5000 + 10, FirstRand(tick + 168) % 12 + 1, FirstRand(tick + 381) % 20 + 2,
            FirstRand(tick + 514) % 2 + 1};
}

// The wait from `now` after which a Start/Next press deals `row`, `outs` and
// `streets` (and `pot`, when given).
inline std::optional<std::uint32_t> WaitForDeal(std::uint32_t now, std::int32_t row, std::int32_t outs,
                                                std::int32_t streets, std::optional<std::int32_t> pot = {})
{
    constexpr std::uint32_t kSearchLimit = 5'000'000;
    for (std::uint32_t wait = 0; wait < kSearchLimit; ++wait) {
        const OddsDeal deal = DealAt(now + wait);
        if (deal.row == row && deal.outs == outs && deal.streets == streets && (!pot || deal.pot == *pot))
            return wait;
    }
    return std::nullopt;
}

} // namespace velmo::test
