// Where the main dialog goes on a work area: moved back only as far as it
// overhangs, and to the top-left corner when it is larger than the area, so
// that its title bar stays reachable.  (The fit itself, measured on the
// real dialog, is checked by the window tests at three DPIs.)
#include "app/win32/dialog_fit.h"

#include <gtest/gtest.h>

namespace velmo {
namespace {

TEST(DialogFit, PlacesTheWindowInsideTheWorkArea)
{
    const RECT work{0, 40, 1024, 768}; // a taskbar along the top
    struct Case {
        POINT at;
        SIZE size;
        POINT expected;
    };
    const Case cases[] = {
        {{100, 100}, {620, 350}, {100, 100}}, // inside: stays
        {{0, 0}, {620, 350}, {0, 40}},        // under the taskbar: just below it
        {{600, 600}, {620, 350}, {404, 418}}, // over the right and bottom edges: back inside
        {{300, 300}, {1100, 800}, {0, 40}},   // larger than the area: its top-left corner
        {{300, 300}, {1100, 300}, {0, 300}},  // too wide only: left edge, height kept
    };
    for (const Case& c : cases) {
        const POINT placed = PlaceInside(c.at, c.size, work);
        EXPECT_EQ(placed.x, c.expected.x) << c.at.x << "," << c.at.y;
        EXPECT_EQ(placed.y, c.expected.y) << c.at.x << "," << c.at.y;
    }
}

} // namespace
} // namespace velmo
