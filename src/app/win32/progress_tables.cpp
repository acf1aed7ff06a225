#include "app/win32/progress_tables.h"

#include "progress/progress_texts.h"
#include "system/windows/windows_text.h"

#include <algorithm>

namespace velmo {
namespace {

// A list view puts this much room around a cell's text.
int CellPadding(const ProgressMetrics& metrics)
{
    return metrics.units.X(8);
}

// The room a table leaves for its columns: its inside without the vertical scroll bar.
int InsideWidth(HWND table)
{
    RECT client{};
    ::GetClientRect(table, &client);
    const bool scrolls = (::GetWindowLongW(table, GWL_STYLE) & WS_VSCROLL) != 0;
    return client.right - (scrolls ? 0 : ::GetSystemMetrics(SM_CXVSCROLL));
}

} // namespace

HWND CreateTable(HWND parent, int id, std::span<const TableColumn> columns, const ProgressMetrics& metrics,
                 DWORD extraStyle)
{
    const HWND table = ::CreateWindowExW(
        WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | extraStyle, 0, 0, 0, 0,
        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    ::SendMessageW(table, WM_SETFONT, reinterpret_cast<WPARAM>(metrics.font), FALSE);
    ::SendMessageW(table, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                   LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_LABELTIP | LVS_EX_INFOTIP);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        std::wstring header = WidenUtf8(columns[i].header);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = columns[i].format;
        column.pszText = header.data();
        column.cx = TextWidth(table, metrics.font, header) + CellPadding(metrics);
        column.iSubItem = static_cast<int>(i);
        ::SendMessageW(table, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    return table;
}

void FillTable(HWND table, const std::vector<std::vector<std::string>>& rows)
{
    ::SendMessageW(table, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(table, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (std::size_t column = 0; column < rows[row].size(); ++column) {
            std::wstring text = WidenUtf8(rows[row][column]);
            LVITEMW item{};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(row);
            item.iSubItem = static_cast<int>(column);
            item.pszText = text.data();
            ::SendMessageW(table, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, row,
                           reinterpret_cast<LPARAM>(&item));
        }
    }
    ::SendMessageW(table, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(table, nullptr, TRUE);
}

std::wstring CellText(HWND table, int row, int column)
{
    std::wstring text(512, L'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    const auto length =
        ::SendMessageW(table, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(0, length)));
    return text;
}

void FitColumns(HWND table, std::span<const int> otherWidths, int firstAtLeast)
{
    int first = InsideWidth(table);
    for (std::size_t i = 0; i < otherWidths.size(); ++i) {
        ::SendMessageW(table, LVM_SETCOLUMNWIDTH, i + 1, otherWidths[i]);
        first -= otherWidths[i];
    }
    ::SendMessageW(table, LVM_SETCOLUMNWIDTH, 0, std::max(first, firstAtLeast));
}

void SessionsTable::Create(HWND parent, int id, LogPanel panel, const ProgressMetrics& metrics)
{
    panel_ = panel;
    bold_ = metrics.bold;
    const std::size_t count = SessionColumnCount(panel);
    std::vector<TableColumn> columns;
    for (std::size_t i = 0; i < count; ++i) {
        const auto column = static_cast<SessionColumn>(i);
        columns.push_back({SessionHeader(panel, column), column == SessionColumn::End    ? LVCFMT_LEFT
                                                         : column == SessionColumn::Best ? LVCFMT_CENTER
                                                                                         : LVCFMT_RIGHT});
    }
    list_ = CreateTable(parent, id, columns, metrics, LVS_OWNERDATA);
    // Each column as wide as its header or its widest cell in the best
    // session's bold letters, measured once rather than over the rows.
    width_ = 2 * ::GetSystemMetrics(SM_CXEDGE) + ::GetSystemMetrics(SM_CXVSCROLL);
    for (std::size_t i = 0; i < count; ++i) {
        const int columnWidth =
            std::max(TextWidth(list_, bold_, WidenUtf8(SessionHeader(panel, static_cast<SessionColumn>(i)))),
                     TextWidth(list_, bold_, WidenUtf8(kSessionWidestCells[i]))) +
            CellPadding(metrics);
        ::SendMessageW(list_, LVM_SETCOLUMNWIDTH, i, columnWidth);
        width_ += columnWidth;
    }
}

void SessionsTable::SetSeries(ScoreSeries series)
{
    series_ = std::move(series);
    const auto rows = static_cast<WPARAM>(series_.sessions.size());
    ::SendMessageW(list_, LVM_SETITEMCOUNT, rows, 0);
    ::InvalidateRect(list_, nullptr, TRUE);
    // The newest session is the one a player looks for first.
    if (rows > 0)
        ::SendMessageW(list_, LVM_ENSUREVISIBLE, rows - 1, FALSE);
}

std::optional<LRESULT> SessionsTable::OnNotify(const NMHDR& header)
{
    if (header.hwndFrom != list_)
        return std::nullopt;
    if (header.code == LVN_GETDISPINFOW) {
        LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(header)).item;
        const auto row = static_cast<std::size_t>(item.iItem);
        if ((item.mask & LVIF_TEXT) != 0 && row < series_.sessions.size() && item.cchTextMax > 0) {
            text_ = WidenUtf8(SessionCell(series_, row, static_cast<SessionColumn>(item.iSubItem)));
            const std::size_t length = std::min(text_.size(), static_cast<std::size_t>(item.cchTextMax - 1));
            std::copy_n(text_.c_str(), length, item.pszText);
            item.pszText[length] = L'\0';
        }
        return 0;
    }
    if (header.code == NM_CUSTOMDRAW) {
        const auto& draw = reinterpret_cast<const NMLVCUSTOMDRAW&>(header);
        if (draw.nmcd.dwDrawStage == CDDS_PREPAINT)
            return CDRF_NOTIFYITEMDRAW;
        if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && series_.best == draw.nmcd.dwItemSpec) {
            ::SelectObject(draw.nmcd.hdc, bold_);
            return CDRF_NEWFONT;
        }
        return CDRF_DODEFAULT;
    }
    return std::nullopt;
}

} // namespace velmo
