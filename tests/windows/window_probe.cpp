// velmo-window-probe: looks into the running Win32 window from another
// process, the way a test on Windows would, so that the window test can
// check what the real controls hold rather than what the program meant to
// put there.
//
//   layout        the dialog against the layout table at the font size that
//                 fits the work area: control order (= tab order), ids,
//                 classes, styles, captions, positions; window styles; the
//                 window inside the work area; the focus on the card box.  (Wine does not pass
//                 WM_GETICON between processes; the test reads the icon from
//                 the X window instead.)
//   text ID       the text of control ID, in UTF-8
//   center ID     the screen position of control ID's centre, "X Y"
//   message       caption and text of the message box on top of the dialog,
//                 and the screen position of its OK button
//   metric icon|small-icon   the large or small icon's width in pixels
//   system-menu   opens the dialog's system menu, as Alt+Space does where no
//                 window manager takes that key (posts SC_KEYMENU), and
//                 waits until it shows
//   progress-command   posts the system menu's "Progress..." command
//   progress      the Progress window: its title, its state line and, for
//                 the page shown, its caption and every visible table's
//                 rows, one line each, cells between tabs
//
// Exit status 0 when the window (and for "message", a message box) is there
// and, for "layout", everything matches; 1 otherwise.
#include "app/win32/caption_fit.h"
#include "app/win32/dialog_fit.h"
#include "app/win32/dialog_template.h"
#include "app/win32/progress_entry.h"
#include "app/win32/progress_window.h"
#include "shell/dialog_layout.h"
#include "system/windows/windows_api.h"
#include "system/windows/windows_text.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <io.h>
#include <string>
#include <vector>

#include <commctrl.h>

namespace {

using velmo::NarrowToUtf8;

// The main dialog: of the windows captioned "Velmorandine" (the Help
// message boxes are too), the one without an owner.
HWND FindDialog()
{
    HWND window = nullptr;
    while ((window = ::FindWindowExW(nullptr, window, L"#32770", velmo::kDialogCaption)) != nullptr)
        if (!::GetWindow(window, GW_OWNER))
            return window;
    return nullptr;
}

std::wstring TextOf(HWND window)
{
    // WM_GETTEXT crosses processes; GetWindowTextW would not read an edit
    // control of another process.
    const auto length = ::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = ::SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::wstring ClassNameOf(HWND window)
{
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

// The same template, created hidden in this process, maps dialog units to
// pixels exactly as the program's dialog does.  The dialog manager converts
// position and size each on their own, so the size is mapped as a size.
RECT PixelsOf(HWND reference, const velmo::ControlSpec& row)
{
    RECT units{row.x, row.y, row.width, row.height};
    ::MapDialogRect(reference, &units);
    return {units.left, units.top, units.left + units.right, units.top + units.bottom};
}

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

HWND HiddenReferenceDialog(WORD points)
{
    const velmo::DialogTemplate hidden(velmo::kDialogStyle & ~static_cast<DWORD>(WS_VISIBLE), points);
    return ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), hidden.get(), nullptr, IgnoreMessages, 0);
}

std::string RectText(const RECT& rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " + std::to_string(rect.right - rect.left) +
           "x" + std::to_string(rect.bottom - rect.top);
}

int Layout(HWND dialog)
{
    int faults = 0;
    const auto fault = [&faults](const std::string& what) {
        std::printf("%s\n", what.c_str());
        ++faults;
    };

    const auto style = static_cast<DWORD>(::GetWindowLongW(dialog, GWL_STYLE));
    const DWORD wanted = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME;
    if ((style & wanted) != wanted || (style & (WS_MAXIMIZEBOX | WS_THICKFRAME)) != 0)
        fault("window style " + std::to_string(style));
    if ((::GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW) == 0)
        fault("no WS_EX_APPWINDOW");

    // The font size that fits the work area where the dialog stands, found
    // as the program finds it; where a size fits, the window lies inside
    // that area.  (Where none does, the window test sees from the X side
    // where the window manager put it.)
    RECT window{};
    ::GetWindowRect(dialog, &window);
    const velmo::DialogFit fit = velmo::FitDialog(::GetModuleHandleW(nullptr), {window.left, window.top});
    const RECT work = velmo::WorkAreaAt({window.left, window.top});
    const bool fits = fit.size.cx <= work.right - work.left && fit.size.cy <= work.bottom - work.top;
    RECT inside{};
    if (fits && !(::IntersectRect(&inside, &window, &work) && ::EqualRect(&inside, &window)))
        fault("window " + RectText(window) + " outside the work area " + RectText(work));

    const HWND reference = HiddenReferenceDialog(fit.points);
    // Fonts belong to the process that made them, so the captions are
    // fitted and measured on the reference dialog, as the program fits its own.
    const auto overflowing = [&reference] {
        std::string names;
        for (const velmo::ControlSpec* row : velmo::OverflowingButtons(reference))
            names += " \"" + std::string(row->caption) + "\"";
        return names;
    };
    const std::string shrunk = overflowing();
    velmo::CaptionFonts captionFonts;
    captionFonts.Fit(reference);
    if (const std::string still = overflowing(); !still.empty())
        fault("captions wider than their buttons' borders:" + still);
    HWND child = ::GetWindow(dialog, GW_CHILD);
    for (const velmo::ControlSpec& row : velmo::DialogControls()) {
        const std::string name = "control " + std::to_string(row.id) + " \"" + std::string(row.caption) + "\": ";
        if (!child) {
            fault(name + "missing");
            break;
        }
        const int id = ::GetDlgCtrlID(child);
        if (id != (row.id ? row.id : 0xFFFF))
            fault(name + "found id " + std::to_string(id) + " in its place");
        const velmo::ControlClass cls = velmo::ClassOf(row);
        const wchar_t* className = cls.atom == 0x0080 ? L"Button" : cls.atom == 0x0081 ? L"Edit" : L"Static";
        if (_wcsicmp(ClassNameOf(child).c_str(), className) != 0)
            fault(name + "class " + NarrowToUtf8(ClassNameOf(child)));
        auto childStyle = static_cast<DWORD>(::GetWindowLongW(child, GWL_STYLE));
        // A bordered edit control of a dialog takes the sunken 3-D edge in
        // place of the flat border.
        if ((::GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0)
            childStyle |= WS_BORDER;
        if ((childStyle & cls.style) != cls.style)
            fault(name + "style " + std::to_string(childStyle));
        if (row.kind != velmo::ControlKind::LineEdit && row.kind != velmo::ControlKind::MultiLineEdit &&
            NarrowToUtf8(TextOf(child)) != row.caption)
            fault(name + "caption \"" + NarrowToUtf8(TextOf(child)) + "\"");
        RECT actual{};
        ::GetWindowRect(child, &actual);
        ::MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&actual), 2);
        const RECT expected = PixelsOf(reference, row);
        if (!::EqualRect(&actual, &expected))
            fault(name + "at " + RectText(actual) + ", not " + RectText(expected));
        child = ::GetWindow(child, GW_HWNDNEXT);
    }
    if (child)
        fault("more controls than the layout table has");

    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &thread) ||
        thread.hwndFocus != ::GetDlgItem(dialog, 1000))
        fault("the focus is not on the card box 1000");

    RECT client{};
    ::GetClientRect(dialog, &client);
    RECT size{0, 0, velmo::DialogWidthDu(), velmo::DialogHeightDu()};
    ::MapDialogRect(reference, &size);
    if (!::EqualRect(&client, &size))
        fault("client area " + std::to_string(client.right) + "x" + std::to_string(client.bottom));
    ::DestroyWindow(reference);
    captionFonts.Release();
    if (!shrunk.empty())
        std::printf("captions in a smaller font:%s\n", shrunk.c_str());

    std::printf("%d controls, %u dpi, font %u pt, client %ldx%ld px, window %s px in work area %s, %d difference(s)\n",
                static_cast<int>(velmo::DialogControls().size()), ::GetDpiForSystem(), fit.points, client.right,
                client.bottom, RectText(window).c_str(), RectText(work).c_str(), faults);
    return faults == 0 ? 0 : 1;
}

// A message box is a dialog of its own, owned by the main dialog.
int Message(HWND dialog)
{
    HWND box = nullptr;
    while ((box = ::FindWindowExW(nullptr, box, L"#32770", nullptr)) != nullptr)
        if (box != dialog && ::GetWindow(box, GW_OWNER) == dialog && ::IsWindowVisible(box))
            break;
    if (!box)
        return 1;
    std::string text;
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (_wcsicmp(ClassNameOf(child).c_str(), L"Static") == 0 && ::GetWindowTextLengthW(child) > 0)
            text += NarrowToUtf8(TextOf(child));
    RECT ok{};
    ::GetWindowRect(::GetDlgItem(box, IDOK), &ok);
    std::printf("caption: %s\ntext: %s\nok: %ld %ld\n", NarrowToUtf8(TextOf(box)).c_str(), text.c_str(),
                (ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2);
    return 0;
}

// The cells of a list view of another process: its items and texts live
// there, so the LVITEMW and the text buffer go into that process's memory.
std::vector<std::string> TableRows(HWND table)
{
    std::vector<std::string> rows;
    DWORD process = 0;
    ::GetWindowThreadProcessId(table, &process);
    const HANDLE other = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process);
    if (!other)
        return rows;
    constexpr std::size_t kTextChars = 512;
    void* remote = ::VirtualAllocEx(other, nullptr, sizeof(LVITEMW) + kTextChars * sizeof(wchar_t),
                                    MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    auto* remoteText = reinterpret_cast<wchar_t*>(static_cast<char*>(remote) + sizeof(LVITEMW));
    const auto header = reinterpret_cast<HWND>(::SendMessageW(table, LVM_GETHEADER, 0, 0));
    const auto columns = static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    const auto count = static_cast<int>(::SendMessageW(table, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; remote && row < count; ++row) {
        std::string line;
        for (int column = 0; column < columns; ++column) {
            LVITEMW item{};
            item.iSubItem = column;
            item.pszText = remoteText;
            item.cchTextMax = static_cast<int>(kTextChars);
            ::WriteProcessMemory(other, remote, &item, sizeof item, nullptr);
            const auto length =
                ::SendMessageW(table, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote));
            std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(0, length)), L'\0');
            ::ReadProcessMemory(other, remoteText, text.data(), text.size() * sizeof(wchar_t), nullptr);
            if (column > 0)
                line += '\t';
            line += NarrowToUtf8(text);
        }
        rows.push_back(line);
    }
    if (remote)
        ::VirtualFreeEx(other, remote, 0, MEM_RELEASE);
    ::CloseHandle(other);
    return rows;
}

int SystemMenu(HWND dialog)
{
    if (!::PostMessageW(dialog, WM_SYSCOMMAND, SC_KEYMENU, ' '))
        return 1;
    const DWORD thread = ::GetWindowThreadProcessId(dialog, nullptr);
    for (int wait = 0; wait < 100; ++wait) {
        for (HWND menu = nullptr; (menu = ::FindWindowExW(nullptr, menu, L"#32768", nullptr)) != nullptr;)
            if (::IsWindowVisible(menu) && ::GetWindowThreadProcessId(menu, nullptr) == thread)
                return 0;
        ::Sleep(50);
    }
    return 1;
}

int Progress()
{
    const HWND window = ::FindWindowExW(nullptr, nullptr, L"#32770", velmo::kProgressWindowTitle);
    if (!window)
        return 1;
    std::printf("title: %s\n", NarrowToUtf8(TextOf(window)).c_str());
    std::printf("state: %s\n", NarrowToUtf8(TextOf(::GetDlgItem(window, velmo::progress_ids::kState))).c_str());
    for (HWND page = ::GetWindow(window, GW_CHILD); page; page = ::GetWindow(page, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(page) < velmo::progress_ids::kFirstPage || !::IsWindowVisible(page))
            continue;
        std::printf("page: %s\n", NarrowToUtf8(TextOf(page)).c_str());
        for (HWND child = ::GetWindow(page, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            if (_wcsicmp(ClassNameOf(child).c_str(), L"SysListView32") == 0 && ::IsWindowVisible(child))
                for (const std::string& row : TableRows(child))
                    std::printf("%d: %s\n", ::GetDlgCtrlID(child), row.c_str());
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    ::_setmode(::_fileno(stdout), _O_BINARY); // "\n" alone, for the shell that reads it
    const HWND dialog = FindDialog();
    if (!dialog || argc < 2) {
        std::fprintf(
            stderr,
            dialog ? "usage: velmo-window-probe layout|text ID|center ID|message|metric icon|small-icon|system-menu|"
                     "progress-command|progress\n"
                   : "no Velmorandine window\n");
        return 1;
    }
    const std::string command = argv[1];
    if (command == "layout")
        return Layout(dialog);
    if (command == "message")
        return Message(dialog);
    if (command == "system-menu")
        return SystemMenu(dialog);
    if (command == "progress-command")
        return ::PostMessageW(dialog, WM_SYSCOMMAND, velmo::kProgressCommand, 0) ? 0 : 1;
    if (command == "progress")
        return Progress();
    // The icon sizes the program loads, as this DPI-aware process sees them.
    if (argc == 3 && command == "metric") {
        const std::string which = argv[2];
        std::printf("%d\n", ::GetSystemMetrics(which == "small-icon" ? SM_CXSMICON : SM_CXICON));
        return which == "icon" || which == "small-icon" ? 0 : 1;
    }
    if (argc == 3 && (command == "text" || command == "center")) {
        const HWND control = ::GetDlgItem(dialog, std::atoi(argv[2]));
        if (!control)
            return 1;
        if (command == "text") {
            std::fputs(NarrowToUtf8(TextOf(control)).c_str(), stdout);
            return 0;
        }
        RECT rect{};
        ::GetWindowRect(control, &rect);
        std::printf("%ld %ld\n", (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        return 0;
    }
    return 1;
}
