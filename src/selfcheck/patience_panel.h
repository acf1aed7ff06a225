// The Patience panel: its control ids, the highscore slot it raises and its
// row (patience_panel.cpp), which the shell lists among the dialog's panels.
#pragma once

#include "panel/panel_row.h"

namespace velmo::ids {
inline constexpr int kPatienceHit = 1022;
inline constexpr int kPatiencePointsBox = 1025;
inline constexpr int kPatienceHelp = 1026;
inline constexpr int kPatienceDone = 1027;
} // namespace velmo::ids

namespace velmo::slots {
inline constexpr int kPatience = 3;
} // namespace velmo::slots

namespace velmo {

const PanelRow& PatiencePanel();

} // namespace velmo
