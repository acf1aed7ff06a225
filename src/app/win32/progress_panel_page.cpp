#include "app/win32/progress_panel_page.h"

#include "app/win32/progress_chart_gdi.h"
#include "progress/progress_charts.h"
#include "progress/progress_texts.h"
#include "system/windows/windows_text.h"

#include <algorithm>

namespace velmo {
namespace {

constexpr wchar_t kPageClass[] = L"VelmorandineProgressPage";

void RegisterPageClass(WNDPROC procedure)
{
    static const bool registered = [procedure] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_3DFACE + 1));
        windowClass.lpszClassName = kPageClass;
        return ::RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

// The page's sizes in dialog units.
constexpr int kMarginX = 6, kMarginY = 4, kGapX = 6, kGapY = 4;
constexpr int kHeadingHeight = 11, kNoteHeight = 10;
constexpr int kChartMinWidth = 120, kChartMinHeight = 56; // 30 letters, 7 lines
constexpr int kTableMinWidth = 100, kTableMinHeight = 44; // two columns; its header and three rows

// The rows a table of the last session's mistakes shows.
std::vector<std::vector<std::string>> MistakeRows(const std::vector<Mistake>& mistakes)
{
    std::vector<std::vector<std::string>> rows;
    for (const Mistake& mistake : mistakes) {
        const std::array<std::string, 4> cells = MistakeCells(mistake);
        rows.emplace_back(cells.begin(), cells.end());
    }
    return rows;
}

std::wstring TextOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace

ProgressPanelPage::ProgressPanelPage(LogPanel panel, std::string_view caption) : panel_(panel), caption_(caption) {}

HWND ProgressPanelPage::Child(DWORD style, int id, std::string_view text, HFONT font)
{
    const HWND child =
        ::CreateWindowExW(0, L"STATIC", WidenUtf8(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, window_,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

void ProgressPanelPage::Create(HWND parent, int id, const ProgressMetrics& metrics)
{
    metrics_ = metrics;
    RegisterPageClass(PageProc);
    window_ = ::CreateWindowExW(WS_EX_CONTROLPARENT, kPageClass, WidenUtf8(caption_).c_str(),
                                WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), this);
    constexpr DWORD kText = SS_LEFT | SS_NOPREFIX;
    // Each table comes right after the label that names it, which is how
    // screen readers name it; the charts take no focus.
    sessionsHeading_ = Child(kText, -1, kSessionsHeading, metrics.bold);
    sessions_.Create(window_, progress_ids::kSessionsTable, panel_, metrics);
    for (const ChartSeries& series : ChartsOf({}, panel_)) {
        const HWND chart = CreateProgressChart(window_, progress_ids::kFirstChart + static_cast<int>(charts_.size()),
                                               caption_ + ": " + std::string(series.title));
        ::SendMessageW(chart, WM_SETFONT, reinterpret_cast<WPARAM>(metrics.font), FALSE);
        charts_.push_back(chart);
    }
    if (!IsTimedQuiz(panel_))
        return;
    // The notes before the headings, so that each table is named by its heading.
    mistakesNote_ = Child(kText, progress_ids::kMistakesNote, "", metrics.font);
    mistakesHeading_ = Child(kText, -1, kLastMistakesHeading, metrics.bold);
    std::vector<TableColumn> columns;
    for (std::size_t i = 0; i < kMistakeHeaders.size(); ++i)
        columns.push_back({kMistakeHeaders[i], i + 1 < kMistakeHeaders.size() ? LVCFMT_LEFT : LVCFMT_RIGHT});
    mistakes_ = CreateTable(window_, progress_ids::kMistakesTable, columns, metrics);
    groupsNote_ = Child(kText, progress_ids::kGroupsNote, "", metrics.font);
    groupsHeading_ = Child(kText, -1, kRecentMistakesHeading, metrics.bold);
    const TableColumn groupColumns[] = {{kMistakeGroupHeaders[0], LVCFMT_LEFT},
                                        {kMistakeGroupHeaders[1], LVCFMT_RIGHT}};
    groups_ = CreateTable(window_, progress_ids::kGroupsTable, groupColumns, metrics);
    groupCountColumn_ = TextWidth(groups_, metrics.font, WidenUtf8(kMistakeGroupHeaders[1])) + metrics.units.X(12);
}

LRESULT CALLBACK ProgressPanelPage::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<ProgressPanelPage*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    }
    auto* self = reinterpret_cast<ProgressPanelPage*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        if (self)
            self->window_ = nullptr;
    }
    return self && self->window_ ? self->Handle(message, wParam, lParam)
                                 : ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT ProgressPanelPage::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE: Layout(); return 0;
    case WM_VSCROLL: Scroll(SB_VERT, LOWORD(wParam)); return 0;
    case WM_HSCROLL: Scroll(SB_HORZ, LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL: Scroll(SB_VERT, GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? SB_LINEUP : SB_LINEDOWN); return 0;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.code == NM_SETFOCUS)
            ScrollIntoView(header.hwndFrom);
        if (const std::optional<LRESULT> result = sessions_.OnNotify(header))
            return *result;
        return 0;
    }
    default: return ::DefWindowProcW(window_, message, wParam, lParam);
    }
}

void ProgressPanelPage::Show(const ProgressSummary& summary, ProgressSpan span)
{
    if (!sessions_.hwnd())
        return;
    ScoreSeries series = SessionsWithin(summary, panel_, span);
    std::vector<ChartSeries> charts = ChartsOf(series, panel_);
    for (std::size_t i = 0; i < charts_.size() && i < charts.size(); ++i)
        SetChartSeries(charts_[i], std::move(charts[i]));
    sessions_.SetSeries(std::move(series));
    if (mistakes_)
        ShowMistakes(summary.Of(panel_));
    Layout();
}

void ProgressPanelPage::ShowMistakes(const PanelProgress& progress)
{
    const std::vector<Mistake>& last = progress.lastSessionMistakes;
    ::SetWindowTextW(mistakesNote_, WidenUtf8(LastMistakesNote(progress)).c_str());
    const std::vector<std::vector<std::string>> rows = MistakeRows(last);
    FillTable(mistakes_, rows);
    // The answers and times as wide as their widest text; the situation the rest.
    mistakeColumns_.clear();
    for (std::size_t column = 1; column < kMistakeHeaders.size(); ++column) {
        int width = TextWidth(mistakes_, metrics_.font, WidenUtf8(kMistakeHeaders[column]));
        for (const std::vector<std::string>& row : rows)
            width = std::max(width, TextWidth(mistakes_, metrics_.font, WidenUtf8(row[column])));
        mistakeColumns_.push_back(width + metrics_.units.X(12));
    }
    ::ShowWindow(mistakes_, last.empty() ? SW_HIDE : SW_SHOWNA);

    const std::vector<MistakeGroup>& groups = progress.recentMistakes;
    ::SetWindowTextW(groupsNote_, WidenUtf8(RecentMistakesNote(progress)).c_str());
    std::vector<std::vector<std::string>> groupRows;
    for (const MistakeGroup& group : groups)
        groupRows.push_back({group.rightAnswer, std::to_string(group.count)});
    FillTable(groups_, groupRows);
    ::ShowWindow(groupsNote_, groups.empty() ? SW_SHOWNA : SW_HIDE);
    ::ShowWindow(groups_, groups.empty() ? SW_HIDE : SW_SHOWNA);
}

SIZE ProgressPanelPage::MinimumSize() const
{
    const DialogUnits& u = metrics_.units;
    const auto charts = static_cast<int>(charts_.size());
    int height = 2 * kMarginY + kHeadingHeight + charts * kChartMinHeight + (charts - 1) * kGapY;
    if (mistakes_)
        height += 2 * kGapY + kHeadingHeight + kNoteHeight + kTableMinHeight;
    return {u.X(2 * kMarginX + kChartMinWidth + kGapX) + std::min(sessions_.width(), u.X(kTableMinWidth)), u.Y(height)};
}

// Every child at its place for the page's size and scroll position; where
// the page is smaller than its content, scroll bars take up the difference.
void ProgressPanelPage::Layout()
{
    // Not while a scroll bar it shows resizes it, nor before its children are made.
    if (laying_ || !window_ || charts_.empty())
        return;
    laying_ = true;
    const SIZE minimum = MinimumSize();
    RECT client{};
    // Showing a scroll bar narrows the page, which can call for the other.
    for (int round = 0; round < 3; ++round) {
        ::GetClientRect(window_, &client);
        bool changed = false;
        for (const int bar : {SB_HORZ, SB_VERT}) {
            const LONG view = bar == SB_HORZ ? client.right : client.bottom;
            const LONG content = std::max(view, bar == SB_HORZ ? minimum.cx : minimum.cy);
            LONG& position = bar == SB_HORZ ? scroll_.x : scroll_.y;
            position = std::clamp(position, 0L, content - view);
            SCROLLINFO info{sizeof info,
                            SIF_RANGE | SIF_PAGE | SIF_POS,
                            0,
                            static_cast<int>(content - 1),
                            static_cast<UINT>(view),
                            static_cast<int>(position),
                            0};
            ::SetScrollInfo(window_, bar, &info, TRUE);
        }
        RECT after{};
        ::GetClientRect(window_, &after);
        changed = after.right != client.right || after.bottom != client.bottom;
        if (!changed)
            break;
    }
    const DialogUnits& u = metrics_.units;
    const int width = std::max<int>(client.right, minimum.cx), height = std::max<int>(client.bottom, minimum.cy);
    const int left = u.X(kMarginX) - scroll_.x, top = u.Y(kMarginY) - scroll_.y;
    const int inner = width - 2 * u.X(kMarginX);

    HDWP moves = ::BeginDeferWindowPos(16);
    const auto place = [&moves](HWND child, int x, int y, int w, int h) {
        if (child && moves)
            moves = ::DeferWindowPos(moves, child, nullptr, x, y, std::max(0, w), std::max(0, h),
                                     SWP_NOZORDER | SWP_NOACTIVATE);
    };
    // What is left beyond the minimum goes three parts to the charts,
    // two to the mistakes, as in the Qt window.
    const int extra = height - minimum.cy;
    const int chartsExtra = mistakes_ ? extra * 3 / 5 : extra;
    const auto charts = static_cast<int>(charts_.size());
    const int chartsHeight = charts * u.Y(kChartMinHeight) + (charts - 1) * u.Y(kGapY) + chartsExtra;
    // Where the page is narrow, the table gives up room first (it scrolls
    // its columns itself), down to its least.
    const int tableWidth = std::max(std::min(sessions_.width(), inner - u.X(kGapX + kChartMinWidth)),
                                    std::min(sessions_.width(), u.X(kTableMinWidth)));
    const int chartWidth = inner - u.X(kGapX) - tableWidth;
    place(sessionsHeading_, left, top, inner, u.Y(kHeadingHeight));
    const int chartsTop = top + u.Y(kHeadingHeight);
    const int chartHeight = (chartsHeight - (charts - 1) * u.Y(kGapY)) / charts;
    for (int i = 0; i < charts; ++i)
        place(charts_[static_cast<std::size_t>(i)], left, chartsTop + i * (chartHeight + u.Y(kGapY)), chartWidth,
              chartHeight);
    place(sessions_.hwnd(), left + chartWidth + u.X(kGapX), chartsTop, tableWidth, chartsHeight);
    if (mistakes_) {
        const int bottomTop = chartsTop + chartsHeight + 2 * u.Y(kGapY);
        const int bottomHeight = top + height - 2 * u.Y(kMarginY) - bottomTop;
        const int leftWidth = (inner - u.X(kGapX)) * 5 / 7;
        const int rightLeft = left + leftWidth + u.X(kGapX), rightWidth = inner - leftWidth - u.X(kGapX);
        // A heading or note that wraps in a narrow column takes the lines it needs.
        const int headingHeight = std::max(
            {u.Y(kHeadingHeight), TextHeight(window_, metrics_.bold, WidenUtf8(kLastMistakesHeading), leftWidth),
             TextHeight(window_, metrics_.bold, WidenUtf8(kRecentMistakesHeading), rightWidth)});
        const int noteHeight =
            std::max(u.Y(kNoteHeight), TextHeight(window_, metrics_.font, TextOf(mistakesNote_), leftWidth));
        const int below = bottomTop + headingHeight;
        place(mistakesHeading_, left, bottomTop, leftWidth, headingHeight);
        place(mistakesNote_, left, below, leftWidth, noteHeight);
        place(mistakes_, left, below + noteHeight, leftWidth, bottomHeight - headingHeight - noteHeight);
        place(groupsHeading_, rightLeft, bottomTop, rightWidth, headingHeight);
        place(groupsNote_, rightLeft, below, rightWidth, bottomHeight - headingHeight);
        place(groups_, rightLeft, below, rightWidth, bottomHeight - headingHeight);
    }
    if (moves)
        ::EndDeferWindowPos(moves);
    if (mistakes_) {
        FitColumns(mistakes_, mistakeColumns_, u.X(80));
        const int groupColumns[] = {groupCountColumn_};
        FitColumns(groups_, groupColumns, u.X(40));
    }
    laying_ = false;
}

void ProgressPanelPage::Place(const RECT& area)
{
    ::SetWindowPos(window_, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
}

void ProgressPanelPage::Scroll(int bar, WORD request)
{
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    ::GetScrollInfo(window_, bar, &info);
    const int line = bar == SB_VERT ? metrics_.units.Y(8) : metrics_.units.X(8);
    int position = info.nPos;
    switch (request) {
    case SB_LINEUP: position -= line; break;
    case SB_LINEDOWN: position += line; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return;
    }
    (bar == SB_VERT ? scroll_.y : scroll_.x) = position;
    Layout();
}

void ProgressPanelPage::ScrollIntoView(HWND child)
{
    RECT view{}, rect{};
    ::GetClientRect(window_, &view);
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&rect), 2);
    // The table's top where it does not fit, else all of it.
    if (rect.top < 0 || rect.bottom - rect.top > view.bottom)
        scroll_.y += rect.top;
    else if (rect.bottom > view.bottom)
        scroll_.y += rect.bottom - view.bottom;
    if (rect.left < 0)
        scroll_.x += rect.left;
    else if (rect.right > view.right)
        scroll_.x += std::min(rect.right - view.right, rect.left);
    Layout();
}

} // namespace velmo
