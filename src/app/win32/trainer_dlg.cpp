#include "app/win32/trainer_dlg.h"

#include "app/win32/dialog_template.h"
#include "app/win32/win32_platform.h"
#include "shell/event_table.h"
#include "shell/trainer_set.h"

namespace velmo {
namespace {

// BeginPaint and EndPaint as one scope, like MFC's CPaintDC.
class PaintContext {
public:
    explicit PaintContext(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}
    ~PaintContext() { ::EndPaint(window_, &paint_); }
    PaintContext(const PaintContext&) = delete;
    PaintContext& operator=(const PaintContext&) = delete;
    HDC dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

} // namespace

CTrainerDlg::CTrainerDlg(HINSTANCE instance, TrainerSet& trainers, Win32Platform& platform)
    : instance_(instance), trainers_(trainers), platform_(platform),
      icon_(::LoadIconW(instance, MAKEINTRESOURCEW(kProgramIconResource)))
{
}

INT_PTR CTrainerDlg::DoModal()
{
    const DialogTemplate dialogTemplate;
    return ::DialogBoxIndirectParamW(instance_, dialogTemplate.get(), nullptr, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CTrainerDlg::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CTrainerDlg*>(lParam);
        ::SetWindowLongPtrW(window, DWLP_USER, lParam);
        self->window_ = window;
        return self->OnInitDialog();
    }
    auto* self = reinterpret_cast<CTrainerDlg*>(::GetWindowLongPtrW(window, DWLP_USER));
    if (!self)
        return FALSE;
    switch (message) {
    case WM_PAINT:
        if (!::IsIconic(window))
            return FALSE; // the default painting
        self->OnPaint();
        return TRUE;
    case WM_QUERYDRAGICON:
        // One of the few messages whose result a dialog procedure returns directly.
        return reinterpret_cast<INT_PTR>(self->icon_);
    case WM_COMMAND: return self->OnCommand(wParam);
    default: return FALSE;
    }
}

BOOL CTrainerDlg::OnInitDialog()
{
    platform_.AttachDialog(window_);
    ::SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    ::SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    return TRUE; // the focus goes to the first control in tab order, the card box 1000
}

// The minimised window: the program icon centred in the client area.
void CTrainerDlg::OnPaint()
{
    PaintContext dc(window_);
    ::SendMessageW(window_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.dc()), 0);
    const int iconWidth = ::GetSystemMetrics(SM_CXICON);
    const int iconHeight = ::GetSystemMetrics(SM_CYICON);
    RECT client{};
    ::GetClientRect(window_, &client);
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    ::DrawIcon(dc.dc(), x, y, icon_);
}

INT_PTR CTrainerDlg::OnCommand(WPARAM wParam)
{
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    const int id = LOWORD(wParam);
    // The dialog has no OK or Cancel button: these come from Enter in a text
    // box, Escape and the close box, and end the program.
    if (id == IDOK || id == IDCANCEL) {
        ::EndDialog(window_, id);
        return TRUE;
    }
    return Dispatch(trainers_, id) ? TRUE : FALSE;
}

} // namespace velmo
