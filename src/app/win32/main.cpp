// velmorandine: the poker decision trainer's window on Windows.
#include "app/win32/trainer_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    velmo::CTrainerApp app(instance);
    return app.InitInstance();
}
