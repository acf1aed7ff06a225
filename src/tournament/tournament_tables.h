// The seven push-or-fold groups of the Tournaments panel: each group's
// thirteen descriptions, its hands and its answer.  The draw over them is
// tournament_draw.h.
//
// A situation is one of a group's thirteen descriptions followed directly by
// one of its hands; the answer depends on the group alone.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace velmo {

enum class TournamentAnswer { Push, Fold };

struct TournamentGroup {
    int number; // 1 to 7
    // "Blinds A/B, you have S, P p from bubble, with: ", each ending in one blank.
    std::span<const std::string_view> descriptions;
    // Four-character hands; an entry listed twice is drawn twice as often.
    std::span<const std::string_view> hands;
    int handPickRange;     // positions 1 to this of the shuffled hands can be picked
    std::uint32_t pauseMs; // pause before the description is picked
    TournamentAnswer expected;
};

inline constexpr int kTournamentGroupCount = 7;
inline constexpr int kTournamentDescriptionCount = 13;

// The seven groups, group 1 first.
std::span<const TournamentGroup> TournamentGroups();

} // namespace velmo
