// The Progress window's tables: list views in report mode, from which the
// keyboard and screen readers get the numbers that the charts beside them
// draw.  Every cell's text comes from progress/progress_texts.h, as in the
// other front ends.  Years of practice hold thousands of sessions, so their
// list is virtual (LVS_OWNERDATA): it asks for the rows it shows, and a
// refresh costs the same for ten sessions as for ten thousand.
#pragma once

#include "app/win32/progress_metrics.h"
#include "progress/progress_summary.h"
#include "system/windows/windows_api.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <commctrl.h>

namespace velmo {

struct TableColumn {
    std::string_view header;
    int format = LVCFMT_LEFT; // LVCFMT_RIGHT for numbers
};

// A list view in report mode with `columns`, in the window's font, a tab stop.
HWND CreateTable(HWND parent, int id, std::span<const TableColumn> columns, const ProgressMetrics& metrics,
                 DWORD extraStyle = 0);
// Replaces the rows of a table made by CreateTable.
void FillTable(HWND table, const std::vector<std::vector<std::string>>& rows);
// A cell's text, as the list view hands it to a screen reader.
std::wstring CellText(HWND table, int row, int column);
// Sets the column widths in pixels, the first taking what the others leave
// of the table's inside (its border and vertical scroll bar left out), at
// least `firstAtLeast`.
void FitColumns(HWND table, std::span<const int> otherWidths, int firstAtLeast);

// One panel's sessions within the span: end, score, best (in bold), and for
// a timed quiz the share of right answers and the median response time.
class SessionsTable {
public:
    void Create(HWND parent, int id, LogPanel panel, const ProgressMetrics& metrics);
    // Shows `series`, scrolled to its newest session.
    void SetSeries(ScoreSeries series);
    // The list's notifications to its parent: the texts of the rows it
    // shows and the best row's bold font.  A result where it was one of them.
    std::optional<LRESULT> OnNotify(const NMHDR& header);

    HWND hwnd() const { return list_; }
    // Wide enough for its columns' widest texts, a scroll bar and its border.
    int width() const { return width_; }

private:
    LogPanel panel_ = LogPanel::Preflop;
    HWND list_ = nullptr;
    HFONT bold_ = nullptr;
    int width_ = 0;
    ScoreSeries series_;
    std::wstring text_; // the cell text the list was last handed
};

} // namespace velmo
