// The main dialog's controls as data: one row per control in dialog units,
// in template order, which is also the tab order.  The rows are written in
// the panels' rows (each beside its trainer) and joined here.  Every window (Qt, Win32, web)
// builds and connects its controls from this table in one loop; what a
// control is (its kind, its panel, the name screen readers know it by) is
// read from its row, never kept in a list beside it.
#pragma once

#include "panel/dialog_control.h"

#include <span>
#include <string>
#include <string_view>

namespace velmo {

// The dialog's client size in dialog units, derived from the rows: their
// extent to the right and to the bottom plus the margin they keep at the
// left and the top.
int DialogWidthDu();
int DialogHeightDu();

// The smallest dialog font, in points, that a window shrinks to so that the
// dialog fits its screen: still readable on any screen.
inline constexpr int kSmallestDialogPoints = 6;

std::span<const DialogControl> DialogControls();

// The row of control `id`, or nullptr when no control has that id.
const DialogControl* FindControl(int id);

// True for the ids of the one-line and multi-line text boxes.
bool IsTextBox(int id);

// The name by which users and screen readers know a control: a text box by
// its own name ("Preflop text box"), a button by its caption and panel
// ("Fold, Tournaments"), a group box or label by its caption.
std::string AccessibleName(const DialogControl& row);

} // namespace velmo
