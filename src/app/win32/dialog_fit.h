// Fitting the main dialog to the work area (the screen without taskbar and
// docked bars) of the monitor it is on: the largest dialog font size, from
// the layout's 8 points down to 6, at which the whole window fits.  The
// layout stays in dialog units, so everything scales together.  Where not
// even 6 points fits, the window goes to the work area's top-left corner
// and stays movable.
#pragma once

#include "shell/dialog_layout.h"
#include "system/windows/windows_api.h"

namespace velmo {

struct DialogFit {
    WORD points; // the dialog font's size
    SIZE size;   // the window's size in pixels at that font size
    POINT topLeft;
};

// The work area of the monitor that holds `at`, or of the nearest one.
RECT WorkAreaAt(POINT at);

// Where a window of `size` that would go to `at` lies wholly inside `work`,
// moved as little as it takes; at `work`'s top-left corner when it is larger.
POINT PlaceInside(POINT at, SIZE size, const RECT& work);

// The fit for a window at `at`.  Each font size is measured on a hidden
// dialog made from the same template and moved to `at`, so that it takes
// that monitor's DPI exactly as the real dialog does.
DialogFit FitDialog(HINSTANCE instance, POINT at);

} // namespace velmo
