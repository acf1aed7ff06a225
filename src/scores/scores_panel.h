// The SCORES panel: its control ids, the highscore slot it raises and its
// row (scores_panel.cpp), which the shell lists among the dialog's panels.
#pragma once

#include "panel/panel_row.h"

namespace velmo::ids {
inline constexpr int kScoresHighscores = 1028;
inline constexpr int kScoresTotalBox = 1029;
inline constexpr int kScoresHelp = 1030;
inline constexpr int kScoresReset = 1031;
} // namespace velmo::ids

namespace velmo::slots {
inline constexpr int kScores = 8;
} // namespace velmo::slots

namespace velmo {

const PanelRow& ScoresPanel();

} // namespace velmo
