// Whether a stored icon still shows the current drawing.  Qt's raster engine
// picks its blending code by the processor's features, so the same drawing can
// come out a level or so apart in a few edge pixels on another machine (seen:
// 8 of 36,864 pixels, one level, between an AVX-512 machine and the one that
// wrote the files); a changed drawing moves many pixels or moves them far.
#pragma once

#include <QImage>

namespace velmo {

// Compared premultiplied, so that a faint edge pixel's rounding is not
// magnified by undoing its alpha: every channel within 2 levels, and no more
// than 1 % of the pixels different at all.
bool SamePicture(const QImage& stored, const QImage& drawn);

} // namespace velmo
