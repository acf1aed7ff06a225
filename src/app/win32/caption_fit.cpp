#include "app/win32/caption_fit.h"

#include "system/windows/windows_text.h"

#include <cstdlib>
#include <cwchar>
#include <string>

namespace velmo {
namespace {

// A push button draws its 3-D edge and, inside it, the focus rectangle; the
// caption stays inside both.
int BorderPixels()
{
    return ::GetSystemMetrics(SM_CXEDGE) + ::GetSystemMetrics(SM_CXFOCUSBORDER);
}
// The smallest size a caption shrinks to, in points.
constexpr int kCaptionFloorPoints = 5;

// A bitmap font such as "MS Sans Serif" comes in fixed sizes, the smallest
// of them the dialog's own, so a caption shrinks in the scalable face that
// dialogs use beside it, shipped with every Windows since 2000.
constexpr wchar_t kScalableFace[] = L"Tahoma";

bool IsBitmapFont(HDC dc, HFONT font)
{
    const HGDIOBJ old = ::SelectObject(dc, font);
    TEXTMETRICW metrics{};
    const bool known = ::GetTextMetricsW(dc, &metrics) != 0;
    ::SelectObject(dc, old);
    return known && (metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) == 0;
}

HFONT FontOf(HWND window)
{
    return reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
}

bool Overflows(HWND button, const std::wstring& caption, HFONT font)
{
    RECT client{};
    ::GetClientRect(button, &client);
    const HDC dc = ::GetDC(button);
    const HGDIOBJ old = ::SelectObject(dc, font);
    RECT text{0, 0, 0, 0};
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_CALCRECT | DT_SINGLELINE);
    ::SelectObject(dc, old);
    ::ReleaseDC(button, dc);
    return text.right - text.left > client.right - client.left - 2 * BorderPixels();
}

} // namespace

std::vector<const DialogControl*> OverflowingButtons(HWND dialog)
{
    std::vector<const DialogControl*> overflowing;
    for (const DialogControl& row : DialogControls()) {
        const HWND button = row.kind == ControlKind::Button ? ::GetDlgItem(dialog, row.id) : nullptr;
        if (button && Overflows(button, WidenUtf8(row.caption), FontOf(button)))
            overflowing.push_back(&row);
    }
    return overflowing;
}

void CaptionFonts::Fit(HWND dialog)
{
    for (const DialogControl* row : OverflowingButtons(dialog)) {
        const HWND button = ::GetDlgItem(dialog, row->id);
        const std::wstring caption = WidenUtf8(row->caption);
        LOGFONTW shape{};
        if (::GetObjectW(FontOf(button), sizeof shape, &shape) == 0)
            continue;
        const HDC dc = ::GetDC(button);
        const int floor = ::MulDiv(kCaptionFloorPoints, ::GetDeviceCaps(dc, LOGPIXELSY), 72);
        int height = std::abs(shape.lfHeight) - 1;
        if (IsBitmapFont(dc, FontOf(button))) {
            ::wcsncpy(shape.lfFaceName, kScalableFace, LF_FACESIZE - 1);
            ++height;
        }
        ::ReleaseDC(button, dc);
        // A negative height is the letters' height without the leading, as
        // the dialog manager makes its font; each step is one pixel less.
        for (; height >= floor; --height) {
            shape.lfHeight = -height;
            const HFONT smaller = ::CreateFontIndirectW(&shape);
            if (!smaller)
                break;
            fonts_.emplace_back(smaller);
            if (!Overflows(button, caption, smaller)) {
                ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(smaller), FALSE);
                break;
            }
            fonts_.pop_back();
        }
    }
}

} // namespace velmo
