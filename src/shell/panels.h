// The dialog's panels in template order, one line each in panels.cpp.  Each
// panel's row is written beside its trainer (panel/panel_row.h says what a
// row holds); the layout table, the event table, the Help texts and the
// trainer set are all read from this list.
#pragma once

#include "panel/panel_row.h"

#include <span>

namespace velmo {

// Every panel, in template order.
std::span<const PanelRow> Panels();

// The panel that holds control `id`, or nullptr when none does.
const PanelRow* PanelOf(int id);

// The panel of a row of DialogControls() (group boxes and labels included,
// which have no id of their own), or nullptr for a row from elsewhere.
const PanelRow* PanelOf(const DialogControl& row);

} // namespace velmo
