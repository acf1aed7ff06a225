// One control of the main dialog as data: its id, kind, caption and place in
// dialog units.  Each trainer writes its own panel's controls (panel_row.h);
// the shell joins them into the layout table every window builds from.
#pragma once

#include <string_view>

namespace velmo {

enum class ControlKind { GroupBox, Button, LineEdit, MultiLineEdit, Label };

struct DialogControl {
    int id; // the control id (in its panel's header); 0 for the group boxes and the "Score:" labels
    ControlKind kind;
    std::string_view caption;
    int x, y, width, height;       // dialog units
    std::string_view boxName = {}; // text boxes: the name users and screen readers know the box by
    bool leftAligned = false;      // group boxes: caption left instead of centred
};

} // namespace velmo
