// What the preflop tests know of a draw without the catalogue's own tables:
// the pauses each answer's draw can take in all (one set per answer, every
// path of its section), and a drawer that calls the catalogue as the
// Start/Next press does.
#pragma once

#include "common/recording_platform.h"
#include "preflop/preflop_catalogue.h"

#include <cstdint>
#include <random>
#include <set>
#include <string>

namespace velmo::test {

inline std::set<std::uint32_t> PreflopPausesOf(PreflopAnswer answer)
{
    switch (answer) {
    case PreflopAnswer::Open: return {25};
    case PreflopAnswer::Fold: return {75 + 11, 90 + 21, 12};
    case PreflopAnswer::Call: return {35 + 24, 35 + 26, 35 + 35, 35 + 52, 35 + 65};
    case PreflopAnswer::ThreeBet: return {26 + 16};
    case PreflopAnswer::OpenCallThreeBet: return {26 + 36};
    case PreflopAnswer::OpenFoldToThreeBet: return {16};
    case PreflopAnswer::OpenFourBet: return {20 + 11};
    default: return {};
    }
}

// Some user time passes, the generator is seeded from the clock and one
// value is taken for the answer, then the catalogue is asked.
class SessionLikeDrawer {
public:
    explicit SessionLikeDrawer(unsigned seed = 7) : waits_(seed) {}

    std::string Draw(PreflopAnswer answer)
    {
        platform.Advance(static_cast<std::uint32_t>(waits_() % 3000 + 1));
        platform.Reseed();
        platform.rand();
        const auto before = platform.sleptMs();
        auto text = GeneratePreflopSituation(platform, answer);
        lastPause_ = platform.sleptMs() - before;
        return text;
    }
    std::uint32_t lastPauseMs() const { return lastPause_; }

    RecordingPlatform platform{100000};

private:
    std::minstd_rand waits_;
    std::uint32_t lastPause_ = 0;
};

} // namespace velmo::test
