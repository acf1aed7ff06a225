// The program's message boxes (the Help texts, "Highscore list gone?"): one
// OK button, no icon, plain text, modal over the dialog, and wide enough
// that the window manager shows the whole title.  Ctrl+C (or the desktop's
// other copy keys) puts the caption, the text and the button on the
// clipboard, laid out as Windows does for its message boxes, so a player can
// paste a Help text or an error into a post.
#pragma once

#include <QMessageBox>

#include <memory>

namespace velmo {

std::unique_ptr<QMessageBox> BuildMessageBox(const QString& text, const QString& title, QWidget* parent);

// What the copy key puts on the clipboard: the caption, the text and the
// buttons, each between lines of 27 dashes, as Windows lays them out; with
// Linux line breaks (LF) where Windows has CRLF.  The text's own final line
// breaks are left out so that no empty line stands before the dashes, and
// mnemonic ampersands are dropped from the buttons ("&OK" copies as "OK"),
// which follow one another three blanks apart.
QString ClipboardText(const QString& caption, const QString& text, const QStringList& buttons);

// The width a window needs for the whole title beside the window manager's
// icon and buttons, measured in a bold title-bar font.
int TitleBarWidth(const QString& title);

} // namespace velmo
