// The seven push-or-fold groups of the Tournaments panel and
// DrawTournamentSituation, which draws one description and one hand.
//
// A situation is one of a group's thirteen descriptions followed directly by
// one of its hands; the answer depends on the group alone.  The session keeps
// only the group number of the situation on show and judges against it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace velmo {

class Platform;

enum class TournamentAnswer { Push, Fold };

struct TournamentGroup {
    int number; // 1 to 7
    // "Blinds A/B, you have S, P p from bubble, with: ", each ending in one blank.
    std::span<const std::string_view> descriptions;
    // Four-character hands; an entry listed twice is drawn twice as often.
    std::span<const std::string_view> hands;
    int handPickRange;                // positions 1 to this of the shuffled hands can be picked
    std::uint32_t descriptionPauseMs; // pause before the description is picked
    TournamentAnswer expected;
};

inline constexpr int kTournamentGroupCount = 7;
inline constexpr int kTournamentDescriptionCount = 13;

// The seven groups, group 1 first.
std::span<const TournamentGroup> TournamentGroups();

struct TournamentDraw {
    std::string text; // a description followed directly by a hand
    int group = 0;    // 1 to 7: the answer key (1-4 Push, 5-7 Fold)
};

// Pauses 126 ms, then 26 (36 for group 7), then 16, reseeding after each.
TournamentDraw DrawTournamentSituation(Platform& platform);

// The answer key: Push is right for groups 1 to 4, Fold for 5 to 7; any other
// number (0 before the first draw) makes both answers wrong.
bool IsPushGroup(int group);
bool IsFoldGroup(int group);

} // namespace velmo
