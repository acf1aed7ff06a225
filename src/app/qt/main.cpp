// velmorandine: the poker decision trainer's window.
#include "app/qt/trainer_app.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    if (!velmo::HaveDisplay()) {
        std::fputs("velmorandine needs a graphical display, and none was found (DISPLAY and WAYLAND_DISPLAY are "
                   "unset); start it from a desktop session, or headless with: xvfb-run -a velmorandine\n",
                   stderr);
        return 1;
    }
    QApplication qt(argc, argv);
    QApplication::setApplicationName("velmorandine");
    velmo::CTrainerApp app;
    return app.InitInstance();
}
