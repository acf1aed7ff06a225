#include "app/win32/progress_chart_gdi.h"

#include "progress/progress_texts.h"
#include "system/windows/windows_text.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace velmo {
namespace {

constexpr wchar_t kChartClass[] = L"VelmorandineProgressChart";

struct ChartState {
    ChartSeries series;
    HFONT font = nullptr;
};

// A GDI object deleted with its scope.
template <class Handle> class Owned {
public:
    explicit Owned(Handle handle) : handle_(handle) {}
    ~Owned() { ::DeleteObject(handle_); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    operator Handle() const { return handle_; }

private:
    Handle handle_;
};

// Selects an object into a device context for its scope.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
    ~Selected() { ::SelectObject(dc_, old_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

int Round(double value)
{
    return static_cast<int>(std::lround(value));
}

void Text(HDC dc, std::string_view text, RECT rect, UINT format)
{
    const std::wstring wide = WidenUtf8(text);
    ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rect, format | DT_SINGLELINE | DT_NOPREFIX);
}

int Width(HDC dc, std::string_view text)
{
    const std::wstring wide = WidenUtf8(text);
    SIZE size{};
    ::GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    return size.cx;
}

void Dot(HDC dc, double x, double y, double radius)
{
    ::Ellipse(dc, Round(x - radius), Round(y - radius), Round(x + radius) + 1, Round(y + radius) + 1);
}

// The chart into `dc`, `width` by `height` pixels, in the system's colours.
void Draw(HDC dc, int width, int height, const ChartState& state)
{
    const Selected font(dc, state.font ? state.font : ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    const int lineHeight = metrics.tmHeight;
    const int pad = metrics.tmAveCharWidth;
    const COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF lineColor = ::GetSysColor(COLOR_HIGHLIGHT);
    const RECT all{0, 0, width, height};
    ::FillRect(dc, &all, ::GetSysColorBrush(COLOR_WINDOW));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, text);
    Text(dc, state.series.title, {pad, 0, width - pad, lineHeight + pad / 2}, DT_LEFT | DT_VCENTER | DT_END_ELLIPSIS);

    const std::vector<ChartPoint>& points = state.series.points;
    if (points.empty()) {
        ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
        Text(dc, kNoSessionsText, all, DT_CENTER | DT_VCENTER);
        return;
    }

    // The plot's height first: it decides how many grid lines have room.
    const double top = lineHeight * 1.6, bottom = height - lineHeight * 1.6;
    const ChartAxis axis = AxisFor(points, bottom - top, lineHeight);
    const std::vector<double> ticks = axis.Ticks();
    int labelWidth = 0;
    for (double v : ticks)
        labelWidth = std::max(labelWidth, Width(dc, ValueText(state.series.value, v)));
    const ChartPlot plot(points, axis, pad + labelWidth + pad, top, width - pad * 2, bottom);
    if (plot.right() - plot.left() < 4 || plot.bottom() - plot.top() < 4)
        return;

    {
        const Owned<HPEN> grid(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW)));
        const Selected pen(dc, grid);
        for (double v : ticks) {
            const int y = Round(plot.Y(v));
            ::MoveToEx(dc, Round(plot.left()), y, nullptr);
            ::LineTo(dc, Round(plot.right()), y);
            Text(dc, ValueText(state.series.value, v), {pad, y - lineHeight / 2, pad + labelWidth, y + lineHeight},
                 DT_RIGHT | DT_TOP);
        }
    }
    const RECT dates{Round(plot.left()), Round(plot.bottom() + lineHeight * 0.3), Round(plot.right()),
                     Round(plot.bottom() + lineHeight * 1.3)};
    Text(dc, DayText({points.front().unixMs, points.front().offsetMinutes}), dates, DT_LEFT | DT_VCENTER);
    if (points.size() > 1 && Width(dc, "0000-00-00") * 2 + pad * 4 < dates.right - dates.left)
        Text(dc, DayText({points.back().unixMs, points.back().offsetMinutes}), dates, DT_RIGHT | DT_VCENTER);

    // The line grows with the font, as the letters do.
    const int penWidth = std::max(1, lineHeight / 12);
    const ChartPlot::Line line = plot.LineThrough();
    std::vector<POINT> polyline;
    polyline.reserve(line.points.size());
    for (const PlotPoint& p : line.points)
        polyline.push_back({Round(p.x), Round(p.y)});
    const LOGBRUSH lineBrush{BS_SOLID, lineColor, 0};
    const DWORD ends = line.dense ? PS_ENDCAP_FLAT | PS_JOIN_BEVEL : PS_ENDCAP_ROUND | PS_JOIN_ROUND;
    {
        const Owned<HPEN> linePen(
            ::ExtCreatePen(PS_GEOMETRIC | PS_SOLID | ends, static_cast<DWORD>(penWidth), &lineBrush, 0, nullptr));
        const Selected pen(dc, linePen);
        ::Polyline(dc, polyline.data(), static_cast<int>(polyline.size()));
    }
    const Owned<HBRUSH> fill(::CreateSolidBrush(lineColor));
    const double dot = std::max(2.0, penWidth * 1.6);
    if (plot.DotsFit(dot)) {
        const Selected pen(dc, ::GetStockObject(NULL_PEN));
        const Selected brush(dc, fill);
        for (const ChartPoint& p : points)
            Dot(dc, plot.X(p), plot.Y(p.value), dot);
    }

    if (!state.series.best || *state.series.best >= points.size())
        return;
    const PlotPoint mark = plot.At(points[*state.series.best]);
    const double ring = lineHeight * 0.4;
    {
        const Owned<HPEN> ringPen(::CreatePen(PS_SOLID, penWidth, text));
        const Selected pen(dc, ringPen);
        const Selected brush(dc, ::GetSysColorBrush(COLOR_WINDOW));
        Dot(dc, mark.x, mark.y, ring);
    }
    {
        const Selected pen(dc, ::GetStockObject(NULL_PEN));
        const Selected brush(dc, fill);
        Dot(dc, mark.x, mark.y, ring / 2);
    }
    const std::string label =
        std::string(state.series.bestWord) + " " + ValueText(state.series.value, points[*state.series.best].value);
    const int bestWidth = Width(dc, label);
    const PlotPoint place = plot.LabelPlace(mark, ring, bestWidth, lineHeight);
    // On a patch of the background, so the line does not cross the text.
    const RECT labelRect{Round(place.x), Round(place.y), Round(place.x) + bestWidth, Round(place.y) + lineHeight};
    RECT patch = labelRect;
    ::InflateRect(&patch, pad / 2, 0);
    ::FillRect(dc, &patch, ::GetSysColorBrush(COLOR_WINDOW));
    Text(dc, label, labelRect, DT_CENTER | DT_VCENTER);
}

void Paint(HWND window, const ChartState& state)
{
    PAINTSTRUCT paint{};
    const HDC target = ::BeginPaint(window, &paint);
    RECT client{};
    ::GetClientRect(window, &client);
    // Drawn aside and copied in one go, so that a refresh does not flicker.
    const HDC dc = ::CreateCompatibleDC(target);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(target, std::max(1L, client.right), std::max(1L, client.bottom));
    const HGDIOBJ old = ::SelectObject(dc, bitmap);
    Draw(dc, client.right, client.bottom, state);
    ::BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::EndPaint(window, &paint);
}

LRESULT CALLBACK ChartProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<ChartState*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE: ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new ChartState)); break;
    case WM_NCDESTROY:
        delete state;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
    case WM_SETFONT:
        if (state)
            state->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            ::InvalidateRect(window, nullptr, FALSE);
        return 0;
    case WM_GETFONT: return state ? reinterpret_cast<LRESULT>(state->font) : 0;
    case WM_ERASEBKGND: return 1; // painted whole in WM_PAINT
    case WM_PAINT:
        if (state) {
            Paint(window, *state);
            return 0;
        }
        break;
    default: break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void RegisterChartClass()
{
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = ChartProc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
        windowClass.lpszClassName = kChartClass;
        return ::RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

} // namespace

HWND CreateProgressChart(HWND parent, int id, std::string_view title)
{
    RegisterChartClass();
    return ::CreateWindowExW(0, kChartClass, WidenUtf8(title).c_str(), WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
}

void SetChartSeries(HWND chart, ChartSeries series)
{
    auto* state = reinterpret_cast<ChartState*>(::GetWindowLongPtrW(chart, GWLP_USERDATA));
    if (!state)
        return;
    state->series = std::move(series);
    ::InvalidateRect(chart, nullptr, FALSE);
}

} // namespace velmo
