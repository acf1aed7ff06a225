// CTrainerDlg: the main dialog of the Win32 window, a modal dialog made from
// the in-memory template.  Every button's click goes through the shell's
// event table; the default OK and Cancel commands (Enter in a text box,
// Escape, the close box) end it; minimised, it paints the program icon.
//
// The dialog fits the work area of its monitor (dialog_fit.h).  When it
// moves to another monitor, or the monitor's DPI changes, and its font size
// no longer fits (or a larger one now does), the dialog is made again from
// the template at the size that fits, where it stands, with the same box
// texts and focus: the trainers themselves live outside the window.
//
// Beside it, outside the layout table, the Progress window of the practice
// log: Ctrl+P and "Progress..." in the system menu open it (progress_entry.h).
#pragma once

#include "app/win32/caption_fit.h"
#include "app/win32/dialog_fit.h"
#include "app/win32/progress_entry.h"
#include "system/windows/windows_api.h"

#include <string>
#include <utility>
#include <vector>

namespace velmo {

struct TrainerSet;
class Win32Platform;

inline constexpr int kProgramIconResource = 129;

class CTrainerDlg {
public:
    CTrainerDlg(HINSTANCE instance, TrainerSet& trainers, Win32Platform& platform);
    ~CTrainerDlg();
    CTrainerDlg(const CTrainerDlg&) = delete;
    CTrainerDlg& operator=(const CTrainerDlg&) = delete;

    // Runs the dialog until it ends; IDOK or IDCANCEL.
    INT_PTR DoModal();

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL OnInitDialog();
    void OnPaint();
    INT_PTR OnCommand(WPARAM wParam);
    void CheckFit();
    void KeepState();

    HINSTANCE instance_;
    TrainerSet& trainers_;
    Win32Platform& platform_;
    HICON icon_;      // SM_CXICON: Alt-Tab, the minimised window
    HICON smallIcon_; // SM_CXSMICON: title bar and taskbar
    HWND window_ = nullptr;
    DialogFit fit_{};
    CaptionFonts captionFonts_; // the smaller fonts of the dialog now shown
    bool started_ = false;      // a dialog has been shown before: a refitted one only takes over
    bool placing_ = false;      // the dialog is being moved to its place
    bool moving_ = false;       // the user is dragging the window
    // What a refitted dialog takes over: the text boxes' texts and the focus.
    std::vector<std::pair<int, std::wstring>> texts_;
    int focus_ = 0;
    ProgressEntry progress_;
};

} // namespace velmo
