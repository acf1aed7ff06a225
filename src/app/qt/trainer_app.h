// CTrainerApp: the application object.  It owns, for the life of the
// process, the file system, the real clock, the window's platform, the one
// TrainerSet and the dialog, and runs the dialog modally.
#pragma once

#include "app/qt/window_platform.h"
#include "common/clock.h"
#include "common/file_system.h"
#include "shell/trainer_set.h"

namespace velmo {

class CTrainerApp {
public:
    CTrainerApp();
    // Shows the dialog and returns when it has closed.
    int InitInstance();

private:
    RealFileSystem files_;
    RealClock clock_;
    WindowPlatform platform_;
    TrainerSet trainers_;
};

// True when Qt can open a window here (a display, a Wayland socket, or a
// platform chosen with QT_QPA_PLATFORM).
bool HaveDisplay();

} // namespace velmo
