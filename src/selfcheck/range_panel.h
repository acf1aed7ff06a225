// The Manual Range Practice panel: its control ids, the highscore slot it raises and its
// row (range_panel.cpp), which the shell lists among the dialog's panels.
#pragma once

#include "panel/panel_row.h"

namespace velmo::ids {
inline constexpr int kRangeCardBox = 1000;
inline constexpr int kRangeHelp = 1001;
inline constexpr int kRangeDone = 1002;
inline constexpr int kRangeCorrect = 1003;
inline constexpr int kRangeIncorrect = 1004;
inline constexpr int kRangeResultBox = 1005;
} // namespace velmo::ids

namespace velmo::slots {
inline constexpr int kRange = 0;
} // namespace velmo::slots

namespace velmo {

const PanelRow& RangePanel();

} // namespace velmo
