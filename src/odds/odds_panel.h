// The RE/Odds panel: its control ids, the highscore slot it raises and its
// row (odds_panel.cpp), which the shell lists among the dialog's panels.
#pragma once

#include "panel/panel_row.h"

namespace velmo::ids {
inline constexpr int kOddsTextBox = 1012;
inline constexpr int kOddsHelp = 1013;
inline constexpr int kOddsStart = 1014;
inline constexpr int kOddsFold = 1015;
inline constexpr int kOddsCall = 1016;
inline constexpr int kOddsScoreBox = 1017;
inline constexpr int kOddsReset = 1018;
} // namespace velmo::ids

namespace velmo::slots {
inline constexpr int kOdds = 1;
} // namespace velmo::slots

namespace velmo {

const PanelRow& OddsPanel();

} // namespace velmo
