// Gives the program's windows the screen's own colormap on X11.  Qt creates
// a colormap of its own for its windows even when they use the screen's
// default visual; a screen capture that reads windows of different colormaps
// one by one (xwd -root) then takes the area of a message box from the
// dialog beneath it, which is hidden there, and shows a black rectangle until
// the box is moved.  On other platforms, and for windows of another visual,
// nothing changes.
#pragma once

class QWidget;

namespace velmo {

// Creates the native window of `window` if it has none yet.
void UseScreenColormap(QWidget& window);

} // namespace velmo
