// The sizes the Progress window's parts are laid out and drawn in: the
// dialog font at the DPI the window was made at, a bold one beside it, and
// the dialog units of that font.  The window makes them when it is made (and
// again when its DPI changes), so that every part follows the dialog's
// scaling.  And the measures of texts in those fonts that the layout takes.
#pragma once

#include "system/windows/windows_api.h"

#include <string_view>

namespace velmo {

// Dialog units in pixels, as MapDialogRect has them: a quarter of the
// font's average letter across, an eighth of its height down.
struct DialogUnits {
    int baseX = 4;
    int baseY = 8;

    static DialogUnits Of(HWND dialog)
    {
        RECT base{0, 0, 4, 8};
        ::MapDialogRect(dialog, &base);
        return {base.right, base.bottom};
    }
    int X(int du) const { return ::MulDiv(du, baseX, 4); }
    int Y(int du) const { return ::MulDiv(du, baseY, 8); }
};

struct ProgressMetrics {
    HFONT font = nullptr; // the dialog's
    HFONT bold = nullptr; // the same, bold
    DialogUnits units;
};

// The width of `text` in `font`, in pixels, on one line.
int TextWidth(HWND window, HFONT font, std::wstring_view text);
// The height of `text` in `font` wrapped at `width` pixels, at least one line.
int TextHeight(HWND window, HFONT font, std::wstring_view text, int width);

} // namespace velmo
