// velmorandine: the poker decision trainer's window.
#include "app/qt/screen_colormap.h"
#include "app/qt/trainer_app.h"
#include "velmo_names.h"
#include "velmo_version.h"

#include <QApplication>

#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kUsage = "usage: velmorandine [--help | --version]\n"
                               "\n"
                               "Opens the Velmorandine window: eight small trainers for the decisions of\n"
                               "No-Limit Hold'em poker.  Best scores are kept in \"Highscores.txt\" in the\n"
                               "current working directory, beside the short-lived scratch file \"studs1.txt\".\n"
                               "Started from the desktop menu, the program runs in $XDG_DATA_HOME/velmorandine\n"
                               "(default ~/.local/share/velmorandine).  Any other argument is ignored.\n";

// --help and --version answer without a display and without opening a
// window; the first of them on the command line wins.  The window itself
// takes no options, so anything else is left alone.
bool AnsweredFromCommandLine(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("velmorandine " VELMO_VERSION "\n", stdout);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (AnsweredFromCommandLine(argc, argv))
        return 0;
    if (!velmo::HaveDisplay()) {
        std::fputs("velmorandine needs a graphical display, and none was found (DISPLAY and WAYLAND_DISPLAY are "
                   "unset); start it from a desktop session, or headless with: xvfb-run -a velmorandine\n",
                   stderr);
        return 1;
    }
#ifdef SIGXFSZ
    // Past a file-size limit a write fails instead of ending the program, and
    // the trainers show what they show for any failed write ("Quorvix file
    // problem 1", "Highscore list gone?").
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication qt(argc, argv);
    QApplication::setApplicationName(velmo::kApplicationName);
    // Docks and taskbars match the window to its launcher and icon by this
    // name (the Wayland app id; on X11 a window property beside WM_CLASS).
    QGuiApplication::setDesktopFileName(velmo::kDesktopId);
    velmo::UseScreenColormapForAllWindows(qt);
    velmo::CTrainerApp app;
    return app.InitInstance();
}
