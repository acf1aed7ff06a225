// The dialog's font and what follows from it: the base units that turn the
// layout's dialog units into pixels, and the font size that makes the whole
// window fit a screen.  The layout stays in dialog units, so choosing a
// smaller font shrinks every control, gap and caption together.
#pragma once

#include "shell/dialog_layout.h"

#include <QFont>
#include <QMargins>
#include <QRect>
#include <QSize>

class QPaintDevice;

namespace velmo {

// The smallest dialog font as Qt sizes fonts, in real points.
inline constexpr qreal kFloorPoints = kSmallestDialogPoints;

struct BaseUnits {
    int x = 0;
    int y = 0;
};

// The desktop's font, never smaller than the 8 points the layout was drawn for.
QFont DesktopDialogFont();

// Base units as a dialog template computes them: the average width of the
// alphabet and the font's height, measured on `device` (its resolution).
BaseUnits MeasureBaseUnits(const QFont& font, const QPaintDevice* device);

// Dialog units to pixels, rounded like MulDiv.
int UnitsToPixels(int units, int base, int divisor);

// The client size of the whole dialog at these base units.
QSize DialogPixelSize(BaseUnits units);

// `desktop` at the largest point size, from its own down to kFloorPoints in
// half-point steps, at which the dialog and its window frame fit inside
// `area`.  When not even the floor fits, the floor.
QFont FittingDialogFont(const QFont& desktop, const QRect& area, const QMargins& frame, const QPaintDevice* device);

} // namespace velmo
