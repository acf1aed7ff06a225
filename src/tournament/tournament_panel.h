// The Tournaments panel: its control ids, the highscore slot it raises and its
// row (tournament_panel.cpp), which the shell lists among the dialog's panels.
#pragma once

#include "panel/panel_row.h"
#include "tournament/tournament_tables.h"

namespace velmo::ids {
inline constexpr int kTournamentStart = 1032;
inline constexpr int kTournamentHelp = 1033;
inline constexpr int kTournamentTextBox = 1034;
inline constexpr int kTournamentPush = 1035;
inline constexpr int kTournamentFold = 1036;
inline constexpr int kTournamentScoreBox = 1037;
inline constexpr int kTournamentReset = 1038;
} // namespace velmo::ids

namespace velmo::slots {
inline constexpr int kTournament = 5;
} // namespace velmo::slots

namespace velmo {

const PanelRow& TournamentPanel();

// The button that gives `answer`, whose caption names it.
int TournamentAnswerButton(TournamentAnswer answer);

} // namespace velmo
