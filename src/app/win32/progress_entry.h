// The main dialog's ways into the Progress window, as dialog programs on
// Windows have them: "Progress..." in the window's system menu (Alt+Space,
// or a click on the title bar's icon), and Ctrl+P while the dialog has the
// focus, as in the Qt window.
//
// The dialog runs modally, in the dialog manager's own message loop, which
// knows nothing of Ctrl+P nor of the modeless Progress window.  Every modal
// loop of the dialog manager (the dialog's, a message box's) hands each
// message to the thread's message filter hook first (WH_MSGFILTER,
// MSGF_DIALOGBOX); while the dialog runs, a hook there turns Ctrl+P into
// opening the window and gives the Progress window its keyboard
// (ProgressWindow::TranslateKeys, IsDialogMessage).
#pragma once

#include "app/win32/progress_window.h"
#include "system/windows/windows_api.h"

namespace velmo {

// The system menu command; its low four bits are the system's, and it
// stays below the system's own commands (0xF000 and above).
inline constexpr UINT kProgressCommand = 0x0010;
inline constexpr wchar_t kProgressMenuText[] = L"&Progress...\tCtrl+P";

class ProgressEntry {
public:
    ProgressEntry(HINSTANCE instance, PracticeLog& log);
    ~ProgressEntry();
    ProgressEntry(const ProgressEntry&) = delete;
    ProgressEntry& operator=(const ProgressEntry&) = delete;

    // Adds the entry to `dialog`'s system menu; each dialog made needs it.
    void AddMenuEntry(HWND dialog);
    // The dialog's WM_SYSCOMMAND: true when it was the entry's, which opens
    // the window.
    bool OnSysCommand(HWND dialog, WPARAM command);
    // Opens the one Progress window, or brings it forward and reads the log afresh.
    void Open(HWND dialog);

    // The message filter hook, for as long as the dialog runs (one at a time).
    class Hook {
    public:
        explicit Hook(ProgressEntry& entry);
        ~Hook();
        Hook(const Hook&) = delete;
        Hook& operator=(const Hook&) = delete;

    private:
        HHOOK hook_;
    };

    ProgressWindow& window() { return window_; }

private:
    static LRESULT CALLBACK FilterMessage(int code, WPARAM wParam, LPARAM lParam);
    bool Filter(MSG& message);

    ProgressWindow window_;
    HWND dialog_ = nullptr; // the dialog the entry was last added to
    bool filtering_ = false;
};

} // namespace velmo
