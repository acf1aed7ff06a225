#include "app/win32/progress_window.h"

#include "app/win32/dialog_fit.h"
#include "app/win32/dialog_template.h"
#include "app/win32/progress_tables.h"
#include "app/win32/trainer_dlg.h"
#include "progress/progress_texts.h"
#include "shell/progress_panels.h"
#include "system/windows/windows_text.h"

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>

#include <commctrl.h>

namespace velmo {
namespace {

constexpr DWORD kStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;
// As large as its pages want (150 letters by 56 lines, as the Qt view),
// within most of the monitor's work area.
constexpr WORD kWidthDu = 600, kHeightDu = 448;
constexpr int kMarginX = 6, kMarginY = 5, kGapX = 4, kGapY = 4, kButtonHeight = 14;
// Posted to make the window again at another DPI, outside its own messages.
constexpr UINT kRecreateMessage = WM_APP + 2;

std::wstring Wide(std::string_view text)
{
    return WidenUtf8(text);
}

int ButtonWidth(HWND window, const ProgressMetrics& metrics, std::string_view caption)
{
    std::wstring text = Wide(caption);
    std::erase(text, L'&');
    return std::max(TextWidth(window, metrics.font, text) + metrics.units.X(16), metrics.units.X(50));
}

std::wstring TextOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

} // namespace

ProgressWindow::ProgressWindow(HINSTANCE instance, PracticeLog& log)
    : instance_(instance), log_(log), confirm_([this](std::string_view question) {
          return ::MessageBoxW(window_, Wide(question).c_str(), kProgressWindowTitle,
                               MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
      })
{
}

ProgressWindow::~ProgressWindow()
{
    Close();
}

void ProgressWindow::Open(HWND beside)
{
    if (!window_) {
        Create(beside, nullptr);
        return;
    }
    Refresh();
    if (::IsIconic(window_))
        ::ShowWindow(window_, SW_RESTORE);
    ::SetForegroundWindow(window_);
}

void ProgressWindow::Close()
{
    if (window_)
        ::DestroyWindow(window_);
}

void ProgressWindow::Create(HWND beside, const RECT* place)
{
    static const bool controlsReady = [] {
        const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
        return ::InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)controlsReady;
    const EmptyDialogTemplate dialogTemplate(kStyle, kExStyle, kProgressWindowTitle, kWidthDu, kHeightDu);
    window_ = ::CreateDialogIndirectParamW(instance_, dialogTemplate.get(), nullptr, DialogProc,
                                           reinterpret_cast<LPARAM>(this));
    if (!window_)
        return;
    // Moved to its monitor before its controls are made, so that they take
    // that monitor's DPI, as the main dialog's do (dialog_fit.h).
    if (place) {
        ::SetWindowPos(window_, nullptr, place->left, place->top, place->right - place->left,
                       place->bottom - place->top, SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        RECT at{};
        if (beside)
            ::GetWindowRect(beside, &at);
        const RECT work = WorkAreaAt({at.left, at.top});
        ::SetWindowPos(window_, nullptr, work.left, work.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT rect{};
        ::GetWindowRect(window_, &rect);
        const LONG width = std::min(rect.right - rect.left, (work.right - work.left) * 9 / 10);
        const LONG height = std::min(rect.bottom - rect.top, (work.bottom - work.top) * 9 / 10);
        // Centred on the work area rather than on the dialog, which would
        // push a window this size past the screen's edge.
        ::SetWindowPos(window_, nullptr, work.left + (work.right - work.left - width) / 2,
                       work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The program's icon, where the program has one (a test program has none).
    for (const auto& [which, width, height] :
         {std::tuple{ICON_BIG, SM_CXICON, SM_CYICON}, std::tuple{ICON_SMALL, SM_CXSMICON, SM_CYSMICON}})
        if (const HANDLE icon = ::LoadImageW(instance_, MAKEINTRESOURCEW(kProgramIconResource), IMAGE_ICON,
                                             ::GetSystemMetrics(width), ::GetSystemMetrics(height), LR_SHARED))
            ::SendMessageW(window_, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
    BuildControls();
    Layout();
    ::ShowWindow(window_, SW_SHOW);
    ::SetForegroundWindow(window_);
    ::SetFocus(::GetDlgItem(window_, progress_ids::kSpan));
    Refresh();
}

HWND ProgressWindow::Control(const wchar_t* windowClass, DWORD style, int id, std::string_view text)
{
    const HWND control = ::CreateWindowExW(0, windowClass, Wide(text).c_str(), WS_CHILD | style, 0, 0, 0, 0, window_,
                                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(metrics_.font), FALSE);
    return control;
}

// Creation order is tab order: the span, the buttons, the state line, Export's
// line, the pages, then the tab control (which lies under the pages, as in a
// property sheet).
void ProgressWindow::BuildControls()
{
    metrics_.font = reinterpret_cast<HFONT>(::SendMessageW(window_, WM_GETFONT, 0, 0));
    LOGFONTW bold{};
    ::GetObjectW(metrics_.font, sizeof bold, &bold);
    bold.lfWeight = FW_BOLD;
    metrics_.bold = ::CreateFontIndirectW(&bold);
    metrics_.units = DialogUnits::Of(window_);

    using namespace progress_ids;
    Control(L"STATIC", WS_VISIBLE | SS_LEFT, kSpanLabel, "&Show:");
    const HWND span = Control(L"COMBOBOX", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, kSpan, "");
    for (std::string_view name : kSpanNames)
        ::SendMessageW(span, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(name).c_str()));
    ::SendMessageW(span, CB_SETCURSEL, static_cast<WPARAM>(span_), 0);
    Control(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, kToggle, ToggleCaption(log_.IsOn()));
    Control(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, kExport, "&Export...");
    Control(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, kRefresh, "&Refresh");
    // Read-only edits rather than labels, so that Tab (and with it a screen
    // reader) reaches them and their text can be selected and copied.
    constexpr DWORD kReadOnly = WS_TABSTOP | ES_READONLY | ES_MULTILINE;
    Control(L"EDIT", WS_VISIBLE | kReadOnly, kState, "");
    Control(L"EDIT", kReadOnly, kLocation, "");
    Control(L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, kOpenFolder, "&Open its folder");

    pages_.clear();
    for (const ProgressPanel& scoring : ProgressPanels()) {
        auto page = std::make_unique<ProgressPanelPage>(scoring.panel, scoring.caption());
        page->Create(window_, kFirstPage + static_cast<int>(pages_.size()), metrics_);
        pages_.push_back(std::move(page));
    }
    const HWND tabs = Control(WC_TABCONTROLW, WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, kTabs, "Panels");
    for (std::size_t i = 0; i < pages_.size(); ++i) {
        std::wstring caption = Wide(pages_[i]->caption());
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        ::SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    ::SendMessageW(tabs, TCM_SETCURSEL, page_, 0);
    if (exportShown_)
        ShowExport();
    ShowPage();
}

INT_PTR CALLBACK ProgressWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<ProgressWindow*>(lParam)->window_ = window;
        return FALSE; // the focus is set once the controls are made
    }
    auto* self = reinterpret_cast<ProgressWindow*>(::GetWindowLongPtrW(window, DWLP_USER));
    if (!self || self->window_ != window)
        return FALSE;
    return self->Handle(message, wParam, lParam);
}

INT_PTR ProgressWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    using namespace progress_ids;
    switch (message) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case kSpan:
            if (HIWORD(wParam) == CBN_SELCHANGE)
                ShowSpan();
            return TRUE;
        case kToggle: Toggle(); return TRUE;
        case kExport: ShowExport(); return TRUE;
        case kRefresh: Refresh(); return TRUE;
        case kOpenFolder: OpenFolder(); return TRUE;
        case IDCANCEL: Close(); return TRUE; // Escape and the close box, as in a dialog
        default: return FALSE;
        }
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
        if (header.idFrom == static_cast<UINT_PTR>(kTabs) && header.code == TCN_SELCHANGE) {
            page_ = static_cast<std::size_t>(::SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0));
            ShowPage();
        }
        return FALSE;
    }
    case WM_SIZE: Layout(); return FALSE;
    case WM_GETMINMAXINFO: {
        auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
        limits.ptMinTrackSize = {metrics_.units.X(240), metrics_.units.Y(160)};
        return TRUE;
    }
    case WM_DPICHANGED: {
        // Made again at the new DPI, where the system suggests.
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        ::SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                       suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        ::PostMessageW(window_, kRecreateMessage, 0, 0);
        return TRUE;
    }
    case kRecreateMessage: {
        RECT place{};
        ::GetWindowRect(window_, &place);
        Recreate(place);
        return TRUE;
    }
    case WM_SYSCOLORCHANGE:
        // Only top-level windows hear of new colours; the lists keep their own.
        for (HWND child = ::GetWindow(window_, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            ::SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
            for (HWND inner = ::GetWindow(child, GW_CHILD); inner; inner = ::GetWindow(inner, GW_HWNDNEXT))
                ::SendMessageW(inner, WM_SYSCOLORCHANGE, 0, 0);
        }
        ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return FALSE;
    case WM_NCDESTROY:
        ::DeleteObject(metrics_.bold);
        metrics_ = {};
        pages_.clear();
        window_ = nullptr;
        return FALSE;
    default: return FALSE;
    }
}

void ProgressWindow::Recreate(RECT place)
{
    const bool focused = ::GetForegroundWindow() == window_;
    ::DestroyWindow(window_);
    Create(nullptr, &place);
    if (!focused && window_)
        ::SetWindowPos(window_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ProgressWindow::Layout()
{
    if (!window_ || pages_.empty())
        return;
    using namespace progress_ids;
    const DialogUnits& u = metrics_.units;
    RECT client{};
    ::GetClientRect(window_, &client);
    const int left = u.X(kMarginX), right = client.right - u.X(kMarginX);
    int top = u.Y(kMarginY);
    const int buttonHeight = u.Y(kButtonHeight);
    HDWP moves = ::BeginDeferWindowPos(12);
    const auto place = [&](int id, int x, int y, int w, int h) {
        if (moves)
            moves = ::DeferWindowPos(moves, ::GetDlgItem(window_, id), nullptr, x, y, std::max(0, w), std::max(0, h),
                                     SWP_NOZORDER | SWP_NOACTIVATE);
    };

    // The span on the left, the buttons on the right.
    const int labelWidth = TextWidth(window_, metrics_.font, L"Show:") + u.X(2);
    place(kSpanLabel, left, top + u.Y(3), labelWidth, u.Y(9));
    // A drop-down list's height includes its open list.
    place(kSpan, left + labelWidth + u.X(3), top, u.X(72), buttonHeight + u.Y(40));
    // The switch as wide as its longer caption, so that it does not move.
    const std::pair<int, int> buttons[] = {
        {kRefresh, ButtonWidth(window_, metrics_, "&Refresh")},
        {kExport, ButtonWidth(window_, metrics_, "&Export...")},
        {kToggle, std::max(ButtonWidth(window_, metrics_, ToggleCaption(true)),
                           ButtonWidth(window_, metrics_, ToggleCaption(false)))},
    };
    int x = right;
    for (const auto& [id, width] : buttons) {
        x -= width;
        place(id, x, top, width, buttonHeight);
        x -= u.X(kGapX);
    }
    top += buttonHeight + u.Y(kGapY);

    const int stateHeight = TextHeight(window_, metrics_.font, TextOf(::GetDlgItem(window_, kState)), right - left);
    place(kState, left, top, right - left, stateHeight);
    top += stateHeight + u.Y(kGapY);
    if (exportShown_) {
        const int openWidth = ButtonWidth(window_, metrics_, "&Open its folder");
        const int textWidth = right - left - openWidth - u.X(kGapX);
        const int height = std::max(
            buttonHeight, TextHeight(window_, metrics_.font, TextOf(::GetDlgItem(window_, kLocation)), textWidth));
        place(kLocation, left, top, textWidth, height);
        place(kOpenFolder, right - openWidth, top, openWidth, buttonHeight);
        top += height + u.Y(kGapY);
    }
    const RECT tabsRect{left, top, right, client.bottom - u.Y(kMarginY)};
    place(kTabs, tabsRect.left, tabsRect.top, tabsRect.right - tabsRect.left, tabsRect.bottom - tabsRect.top);
    if (moves)
        ::EndDeferWindowPos(moves);

    // The page fills the tab control's display area.
    RECT display = tabsRect;
    ::SendMessageW(::GetDlgItem(window_, kTabs), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    pages_[page_]->Place(display);
}

void ProgressWindow::Refresh()
{
    if (!window_)
        return;
    summary_ = log_.Summarise();
    ShowState();
    ShowSpan();
}

void ProgressWindow::ShowSpan()
{
    span_ = std::max(0, static_cast<int>(::SendDlgItemMessageW(window_, progress_ids::kSpan, CB_GETCURSEL, 0, 0)));
    // Without a readable log every page shows its empty state.
    const ProgressSummary empty{};
    const ProgressSummary& summary = summary_ ? *summary_ : empty;
    for (const auto& page : pages_)
        page->Show(summary, static_cast<ProgressSpan>(span_));
}

void ProgressWindow::ShowState()
{
    const bool on = log_.IsOn();
    ::SetDlgItemTextW(window_, progress_ids::kToggle, Wide(ToggleCaption(on)).c_str());
    ::SetDlgItemTextW(window_, progress_ids::kState, Wide(LogStateText(on, log_.failingSince(), summary_)).c_str());
    if (exportShown_)
        ShowExport();
    Layout();
}

void ProgressWindow::ShowPage()
{
    page_ = std::min(page_, pages_.size() - 1);
    const HWND focus = ::GetFocus();
    for (std::size_t i = 0; i < pages_.size(); ++i)
        if (i != page_) {
            // The focus inside a page that goes goes to the tab control.
            if (focus && ::IsChild(pages_[i]->hwnd(), focus))
                ::SetFocus(::GetDlgItem(window_, progress_ids::kTabs));
            ::ShowWindow(pages_[i]->hwnd(), SW_HIDE);
        }
    Layout();
    ::ShowWindow(pages_[page_]->hwnd(), SW_SHOWNA);
}

void ProgressWindow::SelectPage(std::size_t index)
{
    if (!window_ || index >= pages_.size())
        return;
    page_ = index;
    ::SendDlgItemMessageW(window_, progress_ids::kTabs, TCM_SETCURSEL, index, 0);
    ShowPage();
}

const ProgressPanelPage* ProgressWindow::Page(LogPanel panel) const
{
    for (const auto& page : pages_)
        if (page->panel() == panel)
            return page.get();
    return nullptr;
}

void ProgressWindow::Toggle()
{
    if (log_.IsOn()) {
        if (confirm_(kStopLogQuestion))
            log_.TurnOff();
    } else {
        log_.TurnOn();
    }
    Refresh();
}

void ProgressWindow::ShowExport()
{
    const bool shown = exportShown_;
    exportShown_ = true;
    const HWND location = ::GetDlgItem(window_, progress_ids::kLocation);
    ::SetWindowTextW(location, Wide(ExportText(log_.Location(), log_.IsOn())).c_str());
    ::ShowWindow(location, SW_SHOWNA);
    ::ShowWindow(::GetDlgItem(window_, progress_ids::kOpenFolder), SW_SHOWNA);
    if (shown)
        return;
    Layout();
    ::SetFocus(location);
}

// Explorer, with the file selected where it stands, else in its folder.
void ProgressWindow::OpenFolder()
{
    const std::wstring path = Wide(log_.Location());
    const std::size_t slash = path.find_last_of(L"\\/");
    const std::wstring folder = slash == std::wstring::npos ? L"." : path.substr(0, slash);
    const bool stands = ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    std::wstring command = stands ? L"explorer.exe /select,\"" + path + L"\"" : L"explorer.exe \"" + folder + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
}

bool ProgressWindow::TranslateKeys(MSG& message)
{
    if (!window_ || (message.hwnd != window_ && !::IsChild(window_, message.hwnd)))
        return false;
    if (message.message == WM_KEYDOWN) {
        const bool control = ::GetKeyState(VK_CONTROL) < 0;
        if (message.wParam == VK_F5) {
            Refresh();
            return true;
        }
        if (control && (message.wParam == VK_TAB || message.wParam == VK_NEXT || message.wParam == VK_PRIOR)) {
            const bool back = message.wParam == VK_PRIOR || (message.wParam == VK_TAB && ::GetKeyState(VK_SHIFT) < 0);
            SelectPage((page_ + (back ? pages_.size() - 1 : 1)) % pages_.size());
            return true;
        }
    }
    return ::IsDialogMessageW(window_, &message) != FALSE;
}

} // namespace velmo
