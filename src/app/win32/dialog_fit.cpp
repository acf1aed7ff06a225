#include "app/win32/dialog_fit.h"

#include "app/win32/dialog_template.h"

#include <algorithm>

namespace velmo {
namespace {

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

SIZE MeasureDialog(HINSTANCE instance, WORD points, POINT at)
{
    const DialogTemplate hidden(kDialogStyle & ~static_cast<DWORD>(WS_VISIBLE), points);
    const HWND dialog = ::CreateDialogIndirectParamW(instance, hidden.get(), nullptr, IgnoreMessages, 0);
    if (!dialog)
        return {0, 0};
    ::SetWindowPos(dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT window{};
    ::GetWindowRect(dialog, &window);
    ::DestroyWindow(dialog);
    return {window.right - window.left, window.bottom - window.top};
}

} // namespace

RECT WorkAreaAt(POINT at)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!::GetMonitorInfoW(::MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &monitor))
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    return monitor.rcWork;
}

POINT PlaceInside(POINT at, SIZE size, const RECT& work)
{
    const LONG x = std::max(work.left, std::min(at.x, work.right - size.cx));
    const LONG y = std::max(work.top, std::min(at.y, work.bottom - size.cy));
    return {x, y};
}

DialogFit FitDialog(HINSTANCE instance, POINT at)
{
    const RECT work = WorkAreaAt(at);
    DialogFit fit{};
    for (WORD points = kDialogFontPoints;; --points) {
        fit.points = points;
        fit.size = MeasureDialog(instance, points, at);
        const bool fits = fit.size.cx <= work.right - work.left && fit.size.cy <= work.bottom - work.top;
        if (fits || points == kSmallestDialogPoints)
            break;
    }
    fit.topLeft = PlaceInside(at, fit.size, work);
    return fit;
}

} // namespace velmo
