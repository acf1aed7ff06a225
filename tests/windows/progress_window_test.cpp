// The Win32 Progress window over a practice log held in a string, in this
// process: the numbers its list views hold for the known log (the Qt view's
// test expects the same), the span, the log's switch and state line, the
// empty state, one window at a time; and the dialog's ways in, the system
// menu's entry and Ctrl+P through the message filter hook.  (The real
// program opening it with keys and the system command is the window test's.)
#include "app/win32/dialog_template.h"
#include "app/win32/progress_entry.h"
#include "app/win32/progress_tables.h"
#include "app/win32/progress_window.h"
#include "progress/log_records.h"
#include "support/string_practice_log.h"
#include "system/windows/windows_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmo::test {
namespace {

using Cells = std::vector<std::string>;

int Rows(HWND table)
{
    return static_cast<int>(::SendMessageW(table, LVM_GETITEMCOUNT, 0, 0));
}

Cells Row(HWND table, int row)
{
    const auto header = reinterpret_cast<HWND>(::SendMessageW(table, LVM_GETHEADER, 0, 0));
    const auto columns = static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    Cells cells;
    for (int column = 0; column < columns; ++column)
        cells.push_back(NarrowToUtf8(CellText(table, row, column)));
    return cells;
}

std::string Text(HWND window)
{
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return NarrowToUtf8(text);
}

class ProgressWindowTest : public ::testing::Test {
protected:
    HWND Table(LogPanel panel, int id) const
    {
        const ProgressPanelPage* page = window.Page(panel);
        return page ? ::GetDlgItem(page->hwnd(), id) : nullptr;
    }
    HWND Control(int id) const { return ::GetDlgItem(window.hwnd(), id); }
    // A click as the button sends it.
    void Click(int id) const
    {
        ::SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Control(id)));
    }
    void ChooseSpan(ProgressSpan span) const
    {
        ::SendMessageW(Control(progress_ids::kSpan), CB_SETCURSEL, static_cast<WPARAM>(span), 0);
        ::SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(progress_ids::kSpan, CBN_SELCHANGE),
                       reinterpret_cast<LPARAM>(Control(progress_ids::kSpan)));
    }
    std::string State() const { return Text(Control(progress_ids::kState)); }

    StringPracticeLog log{KnownProgressLog(), kNow};
    ProgressWindow window{::GetModuleHandleW(nullptr), log};
};

TEST_F(ProgressWindowTest, TablesShowTheLogsNumbers)
{
    window.Open(nullptr);
    ASSERT_TRUE(window.hwnd());
    EXPECT_EQ(Text(window.hwnd()), "Velmorandine Progress");
    EXPECT_EQ(log.summaries, 1); // read once per opening, not once per span or page

    const HWND sessions = Table(LogPanel::Preflop, progress_ids::kSessionsTable);
    ASSERT_EQ(Rows(sessions), 2);
    EXPECT_EQ(Row(sessions, 0), (Cells{"2026-12-06 14:03", "50", "best", "75 %", "0.5 s"}));
    EXPECT_EQ(Row(sessions, 1), (Cells{"2026-12-08 14:03", "30", "", "60 %", "0.8 s"}));
    const HWND mistakes = Table(LogPanel::Preflop, progress_ids::kMistakesTable);
    ASSERT_EQ(Rows(mistakes), 2);
    EXPECT_EQ(Row(mistakes, 0), (Cells{"situation 2", "Fold", "Raise", "0.6 s"}));
    EXPECT_EQ(Row(mistakes, 1), (Cells{"situation 4", "Fold", "Call", "1.0 s"}));
    const HWND groups = Table(LogPanel::Preflop, progress_ids::kGroupsTable);
    ASSERT_EQ(Rows(groups), 2);
    EXPECT_EQ(Row(groups, 0), (Cells{"Raise", "2"}));
    EXPECT_EQ(Row(groups, 1), (Cells{"Call", "1"}));

    // The span picks sessions; the best is the best within it.
    const HWND range = Table(LogPanel::Range, progress_ids::kSessionsTable);
    EXPECT_EQ(Rows(range), 1);
    ChooseSpan(ProgressSpan::Everything);
    ASSERT_EQ(Rows(range), 2);
    EXPECT_EQ(Row(range, 0), (Cells{"2026-10-30 14:03", "12", ""}));
    EXPECT_EQ(Row(range, 1), (Cells{"2026-12-07 14:03", "20", "best"}));
    ChooseSpan(ProgressSpan::LastWeek);
    EXPECT_EQ(Rows(sessions), 2);
    EXPECT_EQ(Rows(range), 1);
    EXPECT_EQ(Rows(Table(LogPanel::Tournament, progress_ids::kSessionsTable)), 0);
    EXPECT_EQ(log.summaries, 1);

    // How to fold's run: its last press's score, and how many presses folded.
    EXPECT_EQ(Row(Table(LogPanel::Fold, progress_ids::kSessionsTable), 0),
              (Cells{"2026-12-09 14:03", "-3", "best", "50 %"}));
}

TEST_F(ProgressWindowTest, OpensOnceAndReadsTheLogAfresh)
{
    window.Open(nullptr);
    const HWND first = window.hwnd();
    window.Open(nullptr);
    EXPECT_EQ(window.hwnd(), first);
    EXPECT_EQ(log.summaries, 2);
    Click(progress_ids::kRefresh);
    EXPECT_EQ(log.summaries, 3);
    ::SendMessageW(first, WM_COMMAND, IDCANCEL, 0); // Escape closes it
    EXPECT_FALSE(window.hwnd());
    EXPECT_FALSE(::IsWindow(first));
}

TEST_F(ProgressWindowTest, ToggleTurnsTheLogOnAndOffAfterAsking)
{
    bool answer = false;
    window.SetConfirm([&](std::string_view) { return answer; });
    window.Open(nullptr);
    EXPECT_EQ(Text(Control(progress_ids::kToggle)), "Stop the practice &log...");

    Click(progress_ids::kToggle); // declined: the history stays
    EXPECT_EQ(log.turnOffs, 0);
    answer = true;
    Click(progress_ids::kToggle);
    EXPECT_EQ(log.turnOffs, 1);
    EXPECT_TRUE(State().starts_with("The practice log is off")) << State();
    EXPECT_EQ(Text(Control(progress_ids::kToggle)), "Keep a practice &log");
    EXPECT_EQ(Rows(Table(LogPanel::Preflop, progress_ids::kSessionsTable)), 0);

    Click(progress_ids::kToggle);
    EXPECT_EQ(log.turnOns, 1);
    EXPECT_EQ(State(), "The practice log is on and written.");

    // Export shows where the file is, and the button that opens its folder.
    EXPECT_FALSE(::IsWindowVisible(Control(progress_ids::kOpenFolder)));
    Click(progress_ids::kExport);
    EXPECT_TRUE(::IsWindowVisible(Control(progress_ids::kOpenFolder)));
    EXPECT_NE(Text(Control(progress_ids::kLocation)).find(log.Location()), std::string::npos);
}

TEST_F(ProgressWindowTest, StateLineTellsFailuresAndSkippedLines)
{
    log.failing = LocalTime{kNow - kDay - 60 * 60 * 1000, 60};
    window.Open(nullptr);
    EXPECT_NE(State().find("could not be written since 2026-12-08 13:03"), std::string::npos) << State();
    EXPECT_NE(State().find("1 unreadable line was skipped"), std::string::npos) << State();
}

TEST_F(ProgressWindowTest, LogOffShowsAnEmptyState)
{
    log.on = false;
    window.Open(nullptr);
    EXPECT_TRUE(State().starts_with("The practice log is off")) << State();
    for (LogPanel panel : {LogPanel::Preflop, LogPanel::Range, LogPanel::Patience})
        EXPECT_EQ(Rows(Table(panel, progress_ids::kSessionsTable)), 0);
    const HWND odds = window.Page(LogPanel::Odds)->hwnd();
    EXPECT_EQ(Text(::GetDlgItem(odds, progress_ids::kMistakesNote)), "No finished session yet.");
    window.SelectPage(2);
    EXPECT_TRUE(::IsWindowVisible(odds));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(odds, progress_ids::kMistakesTable)));
    ::UpdateWindow(window.hwnd()); // every chart paints its empty state
}

// Tab goes through the window's controls and into the page shown, and
// skips what is hidden (Export's line before Export).
TEST_F(ProgressWindowTest, TabGoesThroughTheControlsAndThePage)
{
    window.Open(nullptr);
    using namespace progress_ids;
    const int expected[] = {kToggle,        kExport,      kRefresh, kState, kSessionsTable,
                            kMistakesTable, kGroupsTable, kTabs,    kSpan};
    HWND at = Control(kSpan);
    for (const int id : expected) {
        at = ::GetNextDlgTabItem(window.hwnd(), at, FALSE);
        EXPECT_EQ(::GetDlgCtrlID(at), id);
    }
}

// The keys the dialog manager does not know, as the message loop hands them
// over: F5 reads the log again, Ctrl+Tab turns to the next page.
TEST_F(ProgressWindowTest, F5RefreshesAndCtrlTabTurnsThePage)
{
    window.Open(nullptr);
    MSG f5{Control(progress_ids::kSpan), WM_KEYDOWN, VK_F5, 0, 0, {0, 0}};
    EXPECT_TRUE(window.TranslateKeys(f5));
    EXPECT_EQ(log.summaries, 2);
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    MSG ctrlTab{Control(progress_ids::kSpan), WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
    EXPECT_TRUE(window.TranslateKeys(ctrlTab));
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    EXPECT_TRUE(::IsWindowVisible(window.Page(LogPanel::Tournament)->hwnd()));
    EXPECT_FALSE(::IsWindowVisible(window.Page(LogPanel::Preflop)->hwnd()));
    MSG elsewhere{nullptr, WM_KEYDOWN, VK_F5, 0, 0, {0, 0}}; // not the window's
    EXPECT_FALSE(window.TranslateKeys(elsewhere));
}

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

TEST(ProgressEntry, SystemMenuAndCtrlPOpenTheWindow)
{
    StringPracticeLog log(KnownProgressLog(), kNow);
    ProgressEntry entry(::GetModuleHandleW(nullptr), log);
    const EmptyDialogTemplate dialogTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, L"Velmorandine", 100, 50);
    const HWND dialog =
        ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), dialogTemplate.get(), nullptr, IgnoreMessages, 0);
    ASSERT_TRUE(dialog);
    entry.AddMenuEntry(dialog);
    const HMENU menu = ::GetSystemMenu(dialog, FALSE);
    const int last = ::GetMenuItemCount(menu) - 1;
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(last), text, 64, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(text), L"&Progress...\tCtrl+P");
    EXPECT_EQ(::GetMenuItemID(menu, last), kProgressCommand);

    EXPECT_FALSE(entry.OnSysCommand(dialog, SC_MOVE));
    EXPECT_FALSE(entry.window().hwnd());
    EXPECT_TRUE(entry.OnSysCommand(dialog, kProgressCommand | 2)); // the low bits are the system's
    EXPECT_TRUE(entry.window().hwnd());
    entry.window().Close();

    // Ctrl+P as the dialog manager's loop hands it to the hook.
    const ProgressEntry::Hook hook(entry);
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    MSG ctrlP{dialog, WM_KEYDOWN, 'P', 0, 0, {0, 0}};
    EXPECT_TRUE(::CallMsgFilterW(&ctrlP, MSGF_DIALOGBOX));
    EXPECT_TRUE(entry.window().hwnd());
    EXPECT_EQ(log.summaries, 2);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    MSG plainP{dialog, WM_KEYDOWN, 'P', 0, 0, {0, 0}};
    EXPECT_FALSE(::CallMsgFilterW(&plainP, MSGF_DIALOGBOX));
    ::DestroyWindow(dialog);
}

} // namespace
} // namespace velmo::test
