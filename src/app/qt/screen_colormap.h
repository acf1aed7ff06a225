// Gives the program's windows the screen's own colormap on X11.  Qt creates
// a colormap of its own for each native window even when it uses the
// screen's default visual; a screen capture that reads windows of different
// colormaps one by one (xwd -root) then shows them as black rectangles: a
// message box, or the dialog's controls, which become native windows of
// their own while a box is up.  On other platforms, and for windows of
// another visual, nothing changes.
#pragma once

class QApplication;

namespace velmo {

// Every native window the application creates from now on takes the
// screen's colormap, as soon as it exists and before it is shown.
void UseScreenColormapForAllWindows(QApplication& app);

} // namespace velmo
