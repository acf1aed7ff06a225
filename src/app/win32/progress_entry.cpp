#include "app/win32/progress_entry.h"

namespace velmo {
namespace {

// The entry whose hook runs; hooks carry no data of their own.
thread_local ProgressEntry* hooked = nullptr;

bool IsCtrlP(const MSG& message)
{
    return message.message == WM_KEYDOWN && message.wParam == 'P' && ::GetKeyState(VK_CONTROL) < 0 &&
           ::GetKeyState(VK_MENU) >= 0 && ::GetKeyState(VK_SHIFT) >= 0;
}

} // namespace

ProgressEntry::ProgressEntry(HINSTANCE instance, PracticeLog& log) : window_(instance, log) {}

ProgressEntry::~ProgressEntry() = default;

void ProgressEntry::AddMenuEntry(HWND dialog)
{
    dialog_ = dialog;
    const HMENU menu = ::GetSystemMenu(dialog, FALSE);
    if (!menu)
        return;
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, kProgressCommand, kProgressMenuText);
}

bool ProgressEntry::OnSysCommand(HWND dialog, WPARAM command)
{
    if ((command & 0xFFF0) != kProgressCommand)
        return false;
    Open(dialog);
    return true;
}

void ProgressEntry::Open(HWND dialog)
{
    window_.Open(dialog);
}

bool ProgressEntry::Filter(MSG& message)
{
    // Ctrl+P in the dialog, not in a message box above it.
    if (IsCtrlP(message) && dialog_ && (message.hwnd == dialog_ || ::IsChild(dialog_, message.hwnd)) &&
        ::IsWindowEnabled(dialog_)) {
        Open(dialog_);
        return true;
    }
    return window_.TranslateKeys(message);
}

LRESULT CALLBACK ProgressEntry::FilterMessage(int code, WPARAM wParam, LPARAM lParam)
{
    // The Progress window's own IsDialogMessage calls the hook again.
    if (code == MSGF_DIALOGBOX && hooked && !hooked->filtering_) {
        hooked->filtering_ = true;
        const bool taken = hooked->Filter(*reinterpret_cast<MSG*>(lParam));
        hooked->filtering_ = false;
        if (taken)
            return TRUE;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

ProgressEntry::Hook::Hook(ProgressEntry& entry)
    : hook_(::SetWindowsHookExW(WH_MSGFILTER, FilterMessage, nullptr, ::GetCurrentThreadId()))
{
    hooked = &entry;
}

ProgressEntry::Hook::~Hook()
{
    hooked = nullptr;
    if (hook_)
        ::UnhookWindowsHookEx(hook_);
}

} // namespace velmo
