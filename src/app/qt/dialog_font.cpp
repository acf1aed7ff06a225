#include "app/qt/dialog_font.h"

#include "shell/dialog_layout.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace velmo {

QFont DesktopDialogFont()
{
    QFont font = QApplication::font();
    // A desktop font given in pixels has no point size of its own.
    const qreal desktop = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    font.setPointSizeF(std::max<qreal>(8.0, desktop));
    return font;
}

BaseUnits MeasureBaseUnits(const QFont& font, const QPaintDevice* device)
{
    const QFontMetrics metrics(font, device);
    const int alphabet = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {(alphabet / 26 + 1) / 2, metrics.height()};
}

int UnitsToPixels(int units, int base, int divisor)
{
    return (units * base + divisor / 2) / divisor;
}

QSize DialogPixelSize(BaseUnits units)
{
    return {UnitsToPixels(DialogWidthDu(), units.x, 4), UnitsToPixels(DialogHeightDu(), units.y, 8)};
}

QFont FittingDialogFont(const QFont& desktop, const QRect& area, const QMargins& frame, const QPaintDevice* device)
{
    const QSize room = area.size().shrunkBy(frame);
    QFont font = desktop;
    // Half points from the desktop's size down: the first that fits is the largest.
    for (qreal points = desktop.pointSizeF(); points > kFloorPoints; points = std::ceil(points * 2 - 1) / 2) {
        font.setPointSizeF(points);
        const QSize size = DialogPixelSize(MeasureBaseUnits(font, device));
        if (size.width() <= room.width() && size.height() <= room.height())
            return font;
    }
    font.setPointSizeF(kFloorPoints);
    return font;
}

} // namespace velmo
