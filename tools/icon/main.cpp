// velmorandine-icon: writes the program icon from the same drawing the
// window uses: as PNGs for the hicolor theme, DIR/<size>x<size>/apps/NAME.png,
// or as the Windows icon file that the Win32 build takes as its resource
// (--ico writes it, --check-ico fails when the file no longer matches the
// drawing), or as the web edition's PNGs of 192 and 512 pixels, which the
// web build, which cannot run Qt either, takes from src/app/web (--web DIR
// writes DIR/icon-192.png and DIR/icon-512.png, --check-web DIR fails when
// they no longer match the drawing).
#include "app/qt/program_icon.h"
#include "ico_file.h"
#include "same_picture.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

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

// Each image the file holds against the drawing at its size, and the same
// sizes as the file written now would hold.
int CheckIcoFile(const QString& path)
{
    QImageReader reader(path, "ico");
    QList<int> storedSizes;
    bool same = reader.canRead();
    for (int i = 0; same && i < reader.imageCount(); ++i) {
        same = reader.jumpToImage(i);
        const QImage stored = reader.read();
        same = same && !stored.isNull() && velmo::SamePicture(stored, velmo::RenderProgramIcon(stored.width()));
        storedSizes.append(stored.width());
    }
    if (!same || storedSizes != velmo::ProgramIconSizes()) {
        std::fprintf(stderr, "%s does not hold the current program icon; rewrite it with: velmorandine-icon --ico %s\n",
                     qPrintable(path), qPrintable(path));
        return 1;
    }
    return 0;
}

constexpr int kWebSizes[] = {192, 512};

QString WebIconPath(const QString& dir, int size)
{
    return QString("%1/icon-%2.png").arg(dir).arg(size);
}

int WriteWebIcons(const QString& dir)
{
    for (int size : kWebSizes) {
        if (!velmo::RenderProgramIcon(size).save(WebIconPath(dir, size))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(WebIconPath(dir, size)));
            return 1;
        }
    }
    return 0;
}

// Pixels compared, not bytes: another zlib may pack the same picture otherwise.
int CheckWebIcons(const QString& dir)
{
    for (int size : kWebSizes) {
        if (!velmo::SamePicture(QImage(WebIconPath(dir, size)), velmo::RenderProgramIcon(size))) {
            std::fprintf(stderr,
                         "%s does not hold the current program icon; rewrite both with: velmorandine-icon --web %s\n",
                         qPrintable(WebIconPath(dir, size)), qPrintable(dir));
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(
            stderr,
            "usage: velmorandine-icon DIR NAME | --ico FILE | --check-ico FILE | --web DIR | --check-web DIR\n");
        return 2;
    }
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    if (std::string_view(argv[1]) == "--ico")
        return WriteIcoFile(QString::fromLocal8Bit(argv[2]));
    if (std::string_view(argv[1]) == "--check-ico")
        return CheckIcoFile(QString::fromLocal8Bit(argv[2]));
    if (std::string_view(argv[1]) == "--web")
        return WriteWebIcons(QString::fromLocal8Bit(argv[2]));
    if (std::string_view(argv[1]) == "--check-web")
        return CheckWebIcons(QString::fromLocal8Bit(argv[2]));
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
