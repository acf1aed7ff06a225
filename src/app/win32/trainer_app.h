// CTrainerApp: the Win32 application object.  It owns, for the life of the
// process, the file system, the real clock, the window's platform and the
// one TrainerSet, and runs the dialog modally.
#pragma once

#include "app/win32/win32_platform.h"
#include "common/clock.h"
#include "common/file_system.h"
#include "shell/trainer_set.h"

namespace velmo {

class CTrainerApp {
public:
    explicit CTrainerApp(HINSTANCE instance);
    // Shows the dialog and returns when it has closed; the application then
    // ends without a message loop of its own.
    int InitInstance();

private:
    HINSTANCE instance_;
    RealFileSystem files_;
    RealClock clock_;
    Win32Platform platform_;
    TrainerSet trainers_;
};

} // namespace velmo
