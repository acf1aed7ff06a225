#include "app/win32/trainer_app.h"

#include "app/win32/trainer_dlg.h"

namespace velmo {

CTrainerApp::CTrainerApp(HINSTANCE instance) : instance_(instance), platform_(files_, clock_), trainers_(platform_) {}

int CTrainerApp::InitInstance()
{
    StartUp(trainers_); // before the window, which shows nothing of it
    CTrainerDlg dialog(instance_, trainers_, platform_);
    dialog.DoModal(); // the dialog's result is of no interest: closing it ends the program
    return 0;
}

} // namespace velmo
