#include "app/win32/dialog_template.h"

#include "shell/dialog_layout.h"
#include "system/windows/windows_text.h"

namespace velmo {
namespace {

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kTextBox = kChild | WS_BORDER | WS_TABSTOP;

class Writer {
public:
    explicit Writer(std::vector<WORD>& words) : words_(words) {}

    void Word(WORD value) { words_.push_back(value); }
    void Dword(DWORD value)
    {
        Word(LOWORD(value));
        Word(HIWORD(value));
    }
    void Text(std::wstring_view text)
    {
        for (wchar_t c : text)
            Word(static_cast<WORD>(c));
        Word(0);
    }
    // Every item template starts on a DWORD boundary.
    void AlignToDword()
    {
        if (words_.size() % 2 != 0)
            Word(0);
    }

private:
    std::vector<WORD>& words_;
};

} // namespace

ControlClass ClassOf(const ControlSpec& row)
{
    switch (row.kind) {
    case ControlKind::GroupBox:
        return {kButtonAtom, kChild | BS_GROUPBOX | static_cast<DWORD>(row.leftAligned ? BS_LEFT : BS_CENTER)};
    case ControlKind::Button: return {kButtonAtom, kChild | WS_TABSTOP | BS_PUSHBUTTON};
    case ControlKind::LineEdit: return {kEditAtom, kTextBox | ES_LEFT | ES_AUTOHSCROLL};
    case ControlKind::MultiLineEdit: return {kEditAtom, kTextBox | ES_LEFT | ES_MULTILINE}; // wraps, no scroll bar
    case ControlKind::Label: return {kStaticAtom, kChild | SS_LEFT};
    }
    return {kStaticAtom, kChild};
}

DialogTemplate::DialogTemplate(DWORD style, WORD fontPoints)
{
    const auto controls = DialogControls();
    Writer out(words_);
    out.Dword(style);
    out.Dword(kDialogExStyle);
    out.Word(static_cast<WORD>(controls.size()));
    out.Word(0); // x, y: where the system puts a dialog without DS_CENTER
    out.Word(0);
    out.Word(DialogWidthDu());
    out.Word(DialogHeightDu());
    out.Word(0); // no menu
    out.Word(0); // the predefined dialog class
    out.Text(kDialogCaption);
    out.Word(fontPoints);
    out.Text(kDialogFont);

    // Template order is tab order.
    for (const ControlSpec& row : controls) {
        const ControlClass cls = ClassOf(row);
        out.AlignToDword();
        out.Dword(cls.style);
        out.Dword(0);
        out.Word(static_cast<WORD>(row.x));
        out.Word(static_cast<WORD>(row.y));
        out.Word(static_cast<WORD>(row.width));
        out.Word(static_cast<WORD>(row.height));
        // Group boxes and labels share id 0xFFFF, the "no id" of resource compilers.
        out.Word(row.id != 0 ? static_cast<WORD>(row.id) : static_cast<WORD>(0xFFFF));
        out.Word(0xFFFF);
        out.Word(cls.atom);
        out.Text(WidenUtf8(row.caption));
        out.Word(0); // no creation data
    }
}

EmptyDialogTemplate::EmptyDialogTemplate(DWORD style, DWORD exStyle, std::wstring_view caption, WORD widthDu,
                                         WORD heightDu)
{
    Writer out(words_);
    out.Dword(style | DS_SETFONT);
    out.Dword(exStyle);
    out.Word(0); // no controls
    out.Word(0);
    out.Word(0);
    out.Word(widthDu);
    out.Word(heightDu);
    out.Word(0); // no menu
    out.Word(0); // the predefined dialog class
    out.Text(caption);
    out.Word(kDialogFontPoints);
    out.Text(kDialogFont);
}

} // namespace velmo
