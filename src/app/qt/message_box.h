// The program's message boxes (the Help texts, "Highscore list gone?"): one
// OK button, no icon, plain text, modal over the dialog, and wide enough
// that the window manager shows the whole title.
#pragma once

#include <QMessageBox>

#include <memory>

namespace velmo {

std::unique_ptr<QMessageBox> BuildMessageBox(const QString& text, const QString& title, QWidget* parent);

// The width a window needs for the whole title beside the window manager's
// icon and buttons, measured in a bold title-bar font.
int TitleBarWidth(const QString& title);

} // namespace velmo
