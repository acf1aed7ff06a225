#include "app/win32/caption_fit.h"

#include "shell/dialog_layout.h"

#include <cstdlib>
#include <cwchar>
#include <string>

namespace velmo {
namespace {

// A push button draws a 2-pixel edge and, 1 pixel inside it, the focus
// rectangle; the caption stays inside both (at 96 DPI, scaled with the DPI).
constexpr int kBorderPixelsAt96 = 3;
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

std::wstring CaptionOf(HWND button)
{
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(button)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(button, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace

bool CaptionOverflows(HWND button, HFONT font)
{
    const std::wstring caption = CaptionOf(button);
    RECT client{};
    ::GetClientRect(button, &client);
    const HDC dc = ::GetDC(button);
    const int border = ::MulDiv(kBorderPixelsAt96, ::GetDeviceCaps(dc, LOGPIXELSY), 96);
    const HGDIOBJ old = ::SelectObject(dc, font);
    RECT text{0, 0, 0, 0};
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_CALCRECT | DT_SINGLELINE);
    ::SelectObject(dc, old);
    ::ReleaseDC(button, dc);
    return text.right - text.left > client.right - client.left - 2 * border;
}

void CaptionFonts::Fit(HWND dialog)
{
    for (const ControlSpec& row : DialogControls()) {
        if (row.kind != ControlKind::Button)
            continue;
        const HWND button = ::GetDlgItem(dialog, row.id);
        auto font = reinterpret_cast<HFONT>(::SendMessageW(button, WM_GETFONT, 0, 0));
        if (!button || !font || !CaptionOverflows(button, font))
            continue;
        LOGFONTW shape{};
        if (::GetObjectW(font, sizeof shape, &shape) == 0)
            continue;
        const HDC dc = ::GetDC(button);
        const int floor = ::MulDiv(kCaptionFloorPoints, ::GetDeviceCaps(dc, LOGPIXELSY), 72);
        int height = std::abs(shape.lfHeight) - 1;
        if (IsBitmapFont(dc, font)) {
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
            if (!CaptionOverflows(button, smaller)) {
                ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(smaller), FALSE);
                break;
            }
            fonts_.pop_back();
        }
    }
}

} // namespace velmo
