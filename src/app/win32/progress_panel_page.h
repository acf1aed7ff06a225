// One scoring panel's page of the Win32 Progress window: its sessions'
// scores (and, for a timed quiz, the share of right answers and the median
// response time) as GDI charts beside a table of the same numbers; for a
// timed quiz also the last finished session's mistakes and the last 30
// days' mistakes grouped by the right answer.  It shows a summary the
// window has read; it never reads the log itself.
//
// A child window of its own class with WS_EX_CONTROLPARENT, so that the
// dialog manager's Tab goes through its tables; where the window is too
// small for it (a large DPI on a small screen) it scrolls, and a table that
// gets the focus is scrolled into view.
#pragma once

#include "app/win32/progress_metrics.h"
#include "app/win32/progress_tables.h"
#include "progress/progress_summary.h"
#include "system/windows/windows_api.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmo {

// The ids of a page's controls (each page has its own).
namespace progress_ids {
inline constexpr int kSessionsTable = 200;
inline constexpr int kMistakesTable = 201;
inline constexpr int kGroupsTable = 202;
inline constexpr int kMistakesNote = 203;
inline constexpr int kGroupsNote = 204;
inline constexpr int kFirstChart = 210; // then one id per chart
} // namespace progress_ids

class ProgressPanelPage {
public:
    ProgressPanelPage(LogPanel panel, std::string_view caption);
    ProgressPanelPage(const ProgressPanelPage&) = delete;
    ProgressPanelPage& operator=(const ProgressPanelPage&) = delete;

    // Makes the page's window, hidden, inside `parent` (after its children
    // so far, in tab order); it goes away with it.
    void Create(HWND parent, int id, const ProgressMetrics& metrics);
    // Shows the panel's part of `summary` within `span`.
    void Show(const ProgressSummary& summary, ProgressSpan span);
    // Puts the page into `area` of its parent and lays it out there.
    void Place(const RECT& area);

    HWND hwnd() const { return window_; }
    LogPanel panel() const { return panel_; }
    const std::string& caption() const { return caption_; }

private:
    static LRESULT CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    HWND Child(DWORD style, int id, std::string_view text, HFONT font);
    void ShowMistakes(const PanelProgress& progress);
    SIZE MinimumSize() const;
    void Layout();
    void Scroll(int bar, WORD request);
    void ScrollIntoView(HWND child);

    LogPanel panel_;
    std::string caption_;
    ProgressMetrics metrics_;
    HWND window_ = nullptr;
    std::vector<HWND> charts_; // in ChartsOf's order
    SessionsTable sessions_;
    HWND sessionsHeading_ = nullptr;
    HWND mistakesHeading_ = nullptr;
    HWND mistakesNote_ = nullptr;
    HWND mistakes_ = nullptr;
    HWND groupsHeading_ = nullptr;
    HWND groupsNote_ = nullptr;
    HWND groups_ = nullptr;
    std::vector<int> mistakeColumns_; // the widths of the columns after the situation
    int groupCountColumn_ = 0;
    POINT scroll_{0, 0};
    bool laying_ = false;
};

} // namespace velmo
