// velmorandine-screenshot: renders the real dialog off screen into a PNG,
// for the README.  It works in a temporary directory, so no highscore file
// of the user's is touched, and runs on a simulated clock.
//
//   velmorandine-screenshot OUT.png [--scale F] [--press ID]...
#include "app/qt/trainer_dlg.h"
#include "app/qt/window_platform.h"
#include "common/clock.h"
#include "common/file_system.h"
#include "shell/event_table.h"
#include "shell/trainer_set.h"
#include "velmo_names.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::string out;
    std::string scale;
    std::vector<int> presses;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--scale" && i + 1 < argc)
            scale = argv[++i];
        else if (arg == "--press" && i + 1 < argc)
            presses.push_back(std::atoi(argv[++i]));
        else if (out.empty() && arg[0] != '-')
            out = arg;
        else {
            std::fprintf(stderr, "usage: velmorandine-screenshot OUT.png [--scale F] [--press ID]...\n");
            return 2;
        }
    }
    if (out.empty()) {
        std::fprintf(stderr, "usage: velmorandine-screenshot OUT.png [--scale F] [--press ID]...\n");
        return 2;
    }
    // The window shrinks to fit a small screen; the offscreen platform's own
    // is 800x600, so it gets one the window fits at any scale instead.
    QTemporaryDir work;
    const std::string screens = work.filePath("screens.json").toStdString();
    if (!std::getenv("QT_QPA_PLATFORM")) {
        if (std::FILE* config = std::fopen(screens.c_str(), "w")) {
            std::fputs(R"({"screens": [{"name": "large", "x": 0, "y": 0, "width": 7680, "height": 4320,
                           "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})",
                       config);
            std::fclose(config);
        }
        setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).c_str(), 1);
    }
    if (!scale.empty())
        setenv("QT_SCALE_FACTOR", scale.c_str(), 1);

    QApplication qt(argc, argv);
    QApplication::setApplicationName(velmo::kApplicationName);
    const QString target = QDir::current().absoluteFilePath(QString::fromStdString(out));
    QDir::setCurrent(work.path());

    velmo::RealFileSystem files;
    velmo::SimulatedClock clock;
    velmo::WindowPlatform platform(files, clock);
    platform.SetPresenter([](const QString&, const QString&) {});
    velmo::TrainerSet trainers(platform);
    velmo::StartUp(trainers);
    velmo::CTrainerDlg dialog(trainers, platform);
    dialog.show();
    for (int id : presses) {
        velmo::Dispatch(trainers, id);
        clock.Advance(1500);
    }
    QApplication::processEvents();
    if (!dialog.grab().save(target)) {
        std::fprintf(stderr, "cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}
