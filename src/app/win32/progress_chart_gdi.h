// One series of the Progress window drawn with GDI as a line chart: a value
// per session over time, the best point marked.  The numbers (the axis,
// where the points and the best point's label go) come from
// progress/progress_charts.h, as in the other front ends; this draws them in
// the window's font and the system's colours (GetSysColor), so that it
// follows the DPI and high-contrast or dark colours.  A child window of its
// own class; it takes no focus, and its window text is its title, for
// screen readers, which read the numbers from the table beside it.
#pragma once

#include "progress/progress_charts.h"
#include "system/windows/windows_api.h"

#include <string_view>

namespace velmo {

// A chart window with no points yet; its font is set with WM_SETFONT.
HWND CreateProgressChart(HWND parent, int id, std::string_view title);

// Shows `series` in `chart` (points oldest first, the best marked).
void SetChartSeries(HWND chart, ChartSeries series);

} // namespace velmo
