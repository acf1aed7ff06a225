#include "app/qt/trainer_app.h"

#include "app/qt/trainer_dlg.h"

#include <cstdlib>

namespace velmo {

CTrainerApp::CTrainerApp() : platform_(files_, clock_), trainers_(platform_) {}

int CTrainerApp::InitInstance()
{
    StartUp(trainers_); // before the window, which shows nothing of it
    CTrainerDlg dialog(trainers_, platform_);
    dialog.exec(); // the dialog's result is of no interest: closing it ends the program
    return 0;
}

bool HaveDisplay()
{
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

} // namespace velmo
