#include "same_picture.h"

#include <cstdlib>

namespace velmo {

bool SamePicture(const QImage& stored, const QImage& drawn)
{
    if (stored.size() != drawn.size())
        return false;
    const QImage a = stored.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    constexpr int kLevels = 2;
    const qsizetype allowedDifferent = qsizetype(a.width()) * a.height() / 100;
    qsizetype different = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (rowA[x] == rowB[x])
                continue;
            if (std::abs(qRed(rowA[x]) - qRed(rowB[x])) > kLevels ||
                std::abs(qGreen(rowA[x]) - qGreen(rowB[x])) > kLevels ||
                std::abs(qBlue(rowA[x]) - qBlue(rowB[x])) > kLevels ||
                std::abs(qAlpha(rowA[x]) - qAlpha(rowB[x])) > kLevels || ++different > allowedDifferent)
                return false;
        }
    }
    return true;
}

} // namespace velmo
