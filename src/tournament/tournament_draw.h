// DrawTournamentSituation, which draws one description and one hand of the
// tables (tournament_tables.h), and the answer key.  The trainer keeps only
// the group number of the situation on show and judges against it.
#pragma once

#include "tournament/tournament_tables.h"

#include <string>

namespace velmo {

class Platform;

struct TournamentDraw {
    std::string text; // a description followed directly by a hand
    int group = 0;    // 1 to 7: the answer key (1-4 Push, 5-7 Fold)
};

// Pauses 126 ms, then 26 (36 for group 7), then 16, reseeding after each.
TournamentDraw DrawTournamentSituation(Platform& platform);

// The answer key: Push is right for groups 1 to 4, Fold for 5 to 7; any other
// number (0 before the first draw) makes both answers wrong.
bool GroupExpects(int group, TournamentAnswer answer);

} // namespace velmo
