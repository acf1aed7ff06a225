#include "app/win32/progress_metrics.h"

#include <algorithm>

namespace velmo {
namespace {

// A device context of `window` with `font` selected, for its scope.
class Measure {
public:
    Measure(HWND window, HFONT font) : window_(window), dc_(::GetDC(window)), old_(::SelectObject(dc_, font)) {}
    ~Measure()
    {
        ::SelectObject(dc_, old_);
        ::ReleaseDC(window_, dc_);
    }
    Measure(const Measure&) = delete;
    Measure& operator=(const Measure&) = delete;
    HDC dc() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace

int TextWidth(HWND window, HFONT font, std::wstring_view text)
{
    const Measure measure(window, font);
    SIZE size{};
    ::GetTextExtentPoint32W(measure.dc(), text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int TextHeight(HWND window, HFONT font, std::wstring_view text, int width)
{
    const Measure measure(window, font);
    RECT rect{0, 0, std::max(1, width), 0};
    ::DrawTextW(measure.dc(), text.data(), static_cast<int>(text.size()), &rect,
                DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(measure.dc(), &metrics);
    return std::max<int>(rect.bottom, metrics.tmHeight);
}

} // namespace velmo
