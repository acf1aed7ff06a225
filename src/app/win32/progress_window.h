// The Win32 window's Progress view: "Velmorandine Progress", a modeless
// top-level window beside the dialog, which stays exactly as it is.  It
// reads the practice log once each time it is opened or refreshed (F5, its
// Refresh button), shows a page for each scoring panel (progress_panel_page.h)
// under a tab control over the span the player picks, says in one line
// whether the log is off, written, failing or unreadable, turns the log on
// and off, and shows where its file is.  All it knows of the log is the
// PracticeLog interface.
//
// It is a dialog made from a template without controls (its controls are
// made in code), so it has the dialog font at its DPI, dialog units and the
// dialog manager's keyboard; the message loop that runs it passes its
// messages to TranslateKeys (progress_entry.h does, for the modal dialog's
// loop).  Moved to a monitor of another DPI it is made again there.
#pragma once

#include "app/win32/progress_metrics.h"
#include "app/win32/progress_panel_page.h"
#include "progress/practice_log.h"
#include "system/windows/windows_api.h"

#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace velmo {

// The ids of the window's own controls.
namespace progress_ids {
inline constexpr int kSpanLabel = 100;
inline constexpr int kSpan = 101;
inline constexpr int kToggle = 102;
inline constexpr int kExport = 103;
inline constexpr int kRefresh = 104;
inline constexpr int kState = 105;
inline constexpr int kLocation = 106;
inline constexpr int kOpenFolder = 107;
inline constexpr int kTabs = 108;
inline constexpr int kFirstPage = 110; // then one id per page
} // namespace progress_ids

inline constexpr wchar_t kProgressWindowTitle[] = L"Velmorandine Progress";

class ProgressWindow {
public:
    ProgressWindow(HINSTANCE instance, PracticeLog& log);
    ~ProgressWindow();
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;

    // Opens the window, centred on the monitor of `beside`; when it is open
    // already, brings it forward and reads the log afresh.
    void Open(HWND beside);
    void Close();
    // Reads the log again and shows it.
    void Refresh();
    // The window's keys for the message loop that runs it: F5, Ctrl+Tab and
    // Ctrl+Shift+Tab (the next and previous page), then the dialog manager's
    // (Tab, mnemonics, Escape).  True when `message` was taken.
    bool TranslateKeys(MSG& message);

    // Asked before turning the log off, which deletes its file; a test
    // answers instead of a modal question.
    using Confirm = std::function<bool(std::string_view question)>;
    void SetConfirm(Confirm confirm) { confirm_ = std::move(confirm); }

    HWND hwnd() const { return window_; }
    // The page of `panel`, or nullptr.
    const ProgressPanelPage* Page(LogPanel panel) const;
    void SelectPage(std::size_t index);

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Create(HWND beside, const RECT* place);
    void BuildControls();
    HWND Control(const wchar_t* windowClass, DWORD style, int id, std::string_view text);
    void Layout();
    void ShowSpan();
    void ShowState();
    void ShowPage();
    void Toggle();
    void ShowExport();
    void OpenFolder();
    void Recreate(RECT place);

    HINSTANCE instance_;
    PracticeLog& log_;
    Confirm confirm_;
    HWND window_ = nullptr;
    ProgressMetrics metrics_;
    std::optional<ProgressSummary> summary_;
    std::vector<std::unique_ptr<ProgressPanelPage>> pages_;
    // Kept when the window is made again: the span, the page, Export's line.
    int span_ = static_cast<int>(ProgressSpan::LastMonth);
    std::size_t page_ = 0;
    bool exportShown_ = false;
};

} // namespace velmo
