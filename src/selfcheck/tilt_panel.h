// The Tilt Sensor panel: its control ids and its row (tilt_panel.cpp), which the
// shell lists among the dialog's panels.
#pragma once

#include "panel/panel_row.h"

namespace velmo::ids {
inline constexpr int kTiltHelp = 1006;
inline constexpr int kTiltStart = 1007;
inline constexpr int kTiltTextBox = 1008;
inline constexpr int kTiltYes = 1009;
inline constexpr int kTiltNo = 1010;
inline constexpr int kTiltReset = 1011;
} // namespace velmo::ids

namespace velmo {

const PanelRow& TiltPanel();

} // namespace velmo
