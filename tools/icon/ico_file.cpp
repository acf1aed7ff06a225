#include "ico_file.h"

#include "app/qt/program_icon.h"

#include <QBuffer>
#include <QImage>

#include <vector>

namespace velmo {
namespace {

constexpr int kPngSize = 256;

void PutWord(QByteArray& out, quint16 value)
{
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>(value >> 8));
}

void PutDword(QByteArray& out, quint32 value)
{
    PutWord(out, static_cast<quint16>(value & 0xffff));
    PutWord(out, static_cast<quint16>(value >> 16));
}

// An icon image in the bitmap form: a header whose height counts the colour
// rows and the mask rows, the colour rows bottom-up as straight (not
// premultiplied) BGRA, then a 1-bit mask, set where the icon is transparent,
// for the systems that ignore alpha.
QByteArray BitmapImage(const QImage& drawn)
{
    const QImage image = drawn.convertToFormat(QImage::Format_ARGB32);
    const int size = image.width();
    const int maskStride = ((size + 31) / 32) * 4;
    QByteArray out;
    PutDword(out, 40);
    PutDword(out, static_cast<quint32>(size));
    PutDword(out, static_cast<quint32>(2 * size));
    PutWord(out, 1);
    PutWord(out, 32);
    PutDword(out, 0);
    PutDword(out, static_cast<quint32>(size * size * 4 + maskStride * size));
    for (int i = 0; i < 4; ++i)
        PutDword(out, 0);
    for (int y = size - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < size; ++x) {
            out.append(static_cast<char>(qBlue(row[x])));
            out.append(static_cast<char>(qGreen(row[x])));
            out.append(static_cast<char>(qRed(row[x])));
            out.append(static_cast<char>(qAlpha(row[x])));
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QByteArray mask(maskStride, '\0');
        for (int x = 0; x < size; ++x)
            if (qAlpha(row[x]) == 0)
                mask[x / 8] = static_cast<char>(mask[x / 8] | (0x80 >> (x % 8)));
        out.append(mask);
    }
    return out;
}

QByteArray PngImage(const QImage& image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return out;
}

} // namespace

QList<int> ProgramIconSizes()
{
    return {16, 20, 24, 32, 40, 48, 64, kPngSize};
}

QByteArray ProgramIconFile()
{
    std::vector<std::pair<int, QByteArray>> images;
    for (int size : ProgramIconSizes()) {
        const QImage drawn = RenderProgramIcon(size);
        images.emplace_back(size, size == kPngSize ? PngImage(drawn) : BitmapImage(drawn));
    }

    QByteArray out;
    PutWord(out, 0);
    PutWord(out, 1); // an icon, not a cursor
    PutWord(out, static_cast<quint16>(images.size()));
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (const auto& [size, data] : images) {
        const char side = static_cast<char>(size >= 256 ? 0 : size); // 0 stands for 256
        out.append(side);
        out.append(side);
        out.append('\0'); // no palette
        out.append('\0');
        PutWord(out, 1);
        PutWord(out, 32);
        PutDword(out, static_cast<quint32>(data.size()));
        PutDword(out, offset);
        offset += static_cast<quint32>(data.size());
    }
    for (const auto& image : images)
        out.append(image.second);
    return out;
}

} // namespace velmo
