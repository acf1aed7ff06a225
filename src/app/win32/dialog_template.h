// The main dialog's template, built in memory from the shell's layout table:
// the same controls, dialog units, captions and tab order as the Qt window,
// in the form DialogBoxIndirectParamW takes.
#pragma once

#include "shell/dialog_layout.h"
#include "system/windows/windows_api.h"
#include "velmo_names.h"

#include <string_view>
#include <vector>

namespace velmo {

inline constexpr const wchar_t* kDialogCaption = kProgramNameWide;
inline constexpr wchar_t kDialogFont[] = L"MS Sans Serif";
inline constexpr WORD kDialogFontPoints = 8;

inline constexpr DWORD kDialogStyle =
    WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_SETFONT;
inline constexpr DWORD kDialogExStyle = WS_EX_APPWINDOW;

// A DLGTEMPLATE with its DLGITEMTEMPLATEs, DWORD-aligned in the vector; the
// font's size may be smaller than the layout's where the screen is small
// (dialog_fit.h).
class DialogTemplate {
public:
    explicit DialogTemplate(DWORD style = kDialogStyle, WORD fontPoints = kDialogFontPoints);
    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    std::vector<WORD> words_;
};

// A template without controls, for a window whose controls are made in code
// (the Progress window): it gets the dialog font at the DPI it is made at,
// dialog units, and the dialog manager's keyboard handling, as the main
// dialog does.
class EmptyDialogTemplate {
public:
    EmptyDialogTemplate(DWORD style, DWORD exStyle, std::wstring_view caption, WORD widthDu, WORD heightDu);
    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    std::vector<WORD> words_;
};

// The window class atom and style of one row of the layout table.
struct ControlClass {
    WORD atom; // 0x0080 button, 0x0081 edit, 0x0082 static
    DWORD style;
};
ControlClass ClassOf(const ControlSpec& row);

} // namespace velmo
