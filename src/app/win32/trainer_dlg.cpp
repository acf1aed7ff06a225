#include "app/win32/trainer_dlg.h"

#include "app/win32/dialog_template.h"
#include "app/win32/win32_platform.h"
#include "shell/dialog_layout.h"
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

// The result with which a dialog ends to be made again at another font size.
constexpr INT_PTR kRefit = 0x7654;
// Posted to check the fit once a move or a DPI change is complete.
constexpr UINT kCheckFitMessage = WM_APP + 1;

HICON LoadProgramIcon(HINSTANCE instance, int widthMetric, int heightMetric)
{
    return static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(kProgramIconResource), IMAGE_ICON,
                                           ::GetSystemMetrics(widthMetric), ::GetSystemMetrics(heightMetric), 0));
}

POINT TopLeftOf(HWND window)
{
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return {rect.left, rect.top};
}

} // namespace

CTrainerDlg::CTrainerDlg(HINSTANCE instance, TrainerSet& trainers, Win32Platform& platform)
    : instance_(instance), trainers_(trainers), platform_(platform),
      icon_(LoadProgramIcon(instance, SM_CXICON, SM_CYICON)),
      smallIcon_(LoadProgramIcon(instance, SM_CXSMICON, SM_CYSMICON)), progress_(instance, trainers.log)
{
}

CTrainerDlg::~CTrainerDlg()
{
    ::DestroyIcon(icon_);
    ::DestroyIcon(smallIcon_);
}

INT_PTR CTrainerDlg::DoModal()
{
    // The first dialog opens where the dialog manager puts a template at
    // 0,0: the top-left corner of the primary monitor.
    POINT at{0, 0};
    const ProgressEntry::Hook progressKeys(progress_);
    for (;;) {
        fit_ = FitDialog(instance_, at);
        const DialogTemplate dialogTemplate(kDialogStyle, fit_.points);
        const INT_PTR result = ::DialogBoxIndirectParamW(instance_, dialogTemplate.get(), nullptr, DialogProc,
                                                         reinterpret_cast<LPARAM>(this));
        captionFonts_.Release();
        if (result != kRefit)
            return result;
        at = fit_.topLeft;
    }
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
    case WM_SYSCOMMAND: return self->progress_.OnSysCommand(window, wParam) ? TRUE : FALSE;
    case WM_ENTERSIZEMOVE: self->moving_ = true; return FALSE;
    case WM_EXITSIZEMOVE:
        self->moving_ = false;
        ::PostMessageW(window, kCheckFitMessage, 0, 0);
        return FALSE;
    case WM_DPICHANGED:
        // Where the system rescales the dialog itself it does so now; the
        // check afterwards makes it again where the size no longer fits or
        // the system left it as it was.  A drag checks when it ends.
        if (!self->placing_ && !self->moving_)
            ::PostMessageW(window, kCheckFitMessage, 0, 0);
        return FALSE;
    case kCheckFitMessage: self->CheckFit(); return TRUE;
    case WM_DESTROY: self->KeepState(); return FALSE;
    default: return FALSE;
    }
}

BOOL CTrainerDlg::OnInitDialog()
{
    platform_.AttachDialog(window_);
    ::SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    ::SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    placing_ = true;
    ::SetWindowPos(window_, nullptr, fit_.topLeft.x, fit_.topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    placing_ = false;
    captionFonts_.Fit(window_);
    progress_.AddMenuEntry(window_);
    if (!started_) {
        started_ = true;
        return TRUE; // the focus goes to the first control in tab order, the card box 1000
    }
    for (const auto& [id, text] : texts_)
        ::SetDlgItemTextW(window_, id, text.c_str());
    const HWND focus = ::GetDlgItem(window_, focus_);
    if (!focus)
        return TRUE;
    ::SetFocus(focus);
    return FALSE; // the focus is set
}

// The dialog at the size that fits where it now stands; made again when the
// font size or the window's size differs.
void CTrainerDlg::CheckFit()
{
    if (::IsIconic(window_))
        return;
    const DialogFit fit = FitDialog(instance_, TopLeftOf(window_));
    RECT rect{};
    ::GetWindowRect(window_, &rect);
    if (fit.points == fit_.points && fit.size.cx == rect.right - rect.left && fit.size.cy == rect.bottom - rect.top)
        return;
    fit_ = fit;
    ::EndDialog(window_, kRefit);
}

// Kept as the dialog goes, for the dialog that may replace it: whatever a
// message box or a pause still wrote into it after EndDialog is included.
void CTrainerDlg::KeepState()
{
    texts_.clear();
    for (const ControlSpec& row : DialogControls()) {
        if (!IsTextBox(row.id))
            continue;
        const HWND box = ::GetDlgItem(window_, row.id);
        std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(box)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(::GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
        texts_.emplace_back(row.id, std::move(text));
    }
    const HWND focus = ::GetFocus();
    focus_ = focus && ::IsChild(window_, focus) ? ::GetDlgCtrlID(focus) : 0;
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
