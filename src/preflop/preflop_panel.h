// The Preflop Situation Trainer panel: its control ids, the highscore slot it raises and its
// row (preflop_panel.cpp), which the shell lists among the dialog's panels.
#pragma once

#include "panel/panel_row.h"
#include "preflop/preflop_catalogue.h"

namespace velmo::ids {
inline constexpr int kPreflopReset = 1039;
inline constexpr int kPreflopScoreBox = 1040;
inline constexpr int kPreflopHelp = 1041;
inline constexpr int kPreflopStart = 1042;
inline constexpr int kPreflopOpen = 1043;
inline constexpr int kPreflopFold = 1044;
inline constexpr int kPreflopCall = 1045;
inline constexpr int kPreflopThreeBet = 1046;
inline constexpr int kPreflopOpenFoldToThreeBet = 1048;
inline constexpr int kPreflopOpenCallThreeBet = 1050;
inline constexpr int kPreflopOpenFourBet = 1051;
inline constexpr int kPreflopTextBox = 1052;
} // namespace velmo::ids

namespace velmo::slots {
inline constexpr int kPreflop = 4;
} // namespace velmo::slots

namespace velmo {

const PanelRow& PreflopPanel();

// The button that gives `answer` (0 for None), whose caption names it.
int PreflopAnswerButton(PreflopAnswer answer);

} // namespace velmo
