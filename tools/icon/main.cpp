// velmorandine-icon: writes the program icon from the same drawing the
// window uses: as PNGs for the hicolor theme, DIR/<size>x<size>/apps/NAME.png,
// or as the Windows icon file that the Win32 build takes as its resource
// (--ico writes it, --check-ico fails when the file no longer matches the
// drawing).
#include "app/qt/program_icon.h"
#include "ico_file.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

int WriteIcoFile(const QString& path)
{
    QFile file(path);
    const QByteArray content = velmo::ProgramIconFile();
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}

int CheckIcoFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.readAll() != velmo::ProgramIconFile()) {
        std::fprintf(stderr, "%s does not hold the current program icon; rewrite it with: velmorandine-icon --ico %s\n",
                     qPrintable(path), qPrintable(path));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: velmorandine-icon DIR NAME | --ico FILE | --check-ico FILE\n");
        return 2;
    }
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    if (std::string_view(argv[1]) == "--ico")
        return WriteIcoFile(QString::fromLocal8Bit(argv[2]));
    if (std::string_view(argv[1]) == "--check-ico")
        return CheckIcoFile(QString::fromLocal8Bit(argv[2]));
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QString("%1/%2x%2/apps").arg(dir).arg(size);
        if (!QDir().mkpath(folder) || !velmo::RenderProgramIcon(size).save(folder + "/" + name + ".png")) {
            std::fprintf(stderr, "cannot write the %dx%d icon\n", size, size);
            return 1;
        }
    }
    return 0;
}
