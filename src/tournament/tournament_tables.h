// The seven push-or-fold groups of the Tournaments panel and
// DrawTournamentSituation, which draws one description and one hand.
#pragma once

#include <string>

namespace velmo {

class Platform;

struct TournamentDraw {
    std::string text; // a description followed directly by a hand
    int group = 0;    // 1 to 7: the answer key (1-4 Push, 5-7 Fold)
};

TournamentDraw DrawTournamentSituation(Platform& platform);

// The answer key: Push is right for groups 1 to 4, Fold for 5 to 7.
bool IsPushGroup(int group);
bool IsFoldGroup(int group);

} // namespace velmo
