// CTrainerDlg: the main dialog of the Win32 window, a modal dialog made from
// the in-memory template.  Every button's click goes through the shell's
// event table; the default OK and Cancel commands (Enter in a text box,
// Escape, the close box) end it; minimised, it paints the program icon.
#pragma once

#include "common/windows_api.h"

namespace velmo {

struct TrainerSet;
class Win32Platform;

inline constexpr int kProgramIconResource = 129;

class CTrainerDlg {
public:
    CTrainerDlg(HINSTANCE instance, TrainerSet& trainers, Win32Platform& platform);
    CTrainerDlg(const CTrainerDlg&) = delete;
    CTrainerDlg& operator=(const CTrainerDlg&) = delete;

    // Runs the dialog until it ends; IDOK or IDCANCEL.
    INT_PTR DoModal();

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    BOOL OnInitDialog();
    void OnPaint();
    INT_PTR OnCommand(WPARAM wParam);

    HINSTANCE instance_;
    TrainerSet& trainers_;
    Win32Platform& platform_;
    HICON icon_;
    HWND window_ = nullptr;
};

} // namespace velmo
