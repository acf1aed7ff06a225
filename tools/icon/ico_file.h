// The Windows icon file (.ico) of the program icon, made from the same
// drawing as the Linux icons, for the Win32 window's resource.
#pragma once

#include <QByteArray>
#include <QList>

namespace velmo {

// 16, 20, 24, 32, 40, 48 and 64 pixels (the small and large icons at 100 to
// 200 % scaling) as 32-bit bitmaps with a transparency mask,
// 256 pixels as PNG (the form Windows Vista and later read at that size).
QByteArray ProgramIconFile();

// The sizes ProgramIconFile holds, in its order.
QList<int> ProgramIconSizes();

} // namespace velmo
