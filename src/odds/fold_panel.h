// The How to fold panel: its control ids and its row (fold_panel.cpp), which the
// shell lists among the dialog's panels.
#pragma once

#include "panel/panel_row.h"

namespace velmo::ids {
inline constexpr int kFoldTextBox = 1019;
inline constexpr int kFoldHelp = 1020;
inline constexpr int kFoldCallOpen = 1021;
inline constexpr int kFoldScoreBox = 1023;
inline constexpr int kFoldFold = 1024;
} // namespace velmo::ids

namespace velmo {

const PanelRow& FoldPanel();

} // namespace velmo
