// The main dialog's controls as data: one row per control in dialog units,
// in template order, which is also the tab order.  CTrainerDlg builds and
// connects every control from this table in one loop.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace velmo {

enum class ControlKind { GroupBox, Button, LineEdit, MultiLineEdit, Label };

enum class Panel { Range, Tilt, Odds, Fold, Patience, Scores, Tournament, Preflop };

struct ControlSpec {
    int id; // the control id; 0 for the group boxes and the "Score:" labels
    ControlKind kind;
    std::string_view caption;
    int x, y, width, height; // dialog units
    Panel panel;
    bool leftAligned = false; // group boxes: caption left instead of centred
};

// The dialog's client size in dialog units.
inline constexpr int kDialogWidthDu = 409;
inline constexpr int kDialogHeightDu = 200;

std::span<const ControlSpec> DialogControls();

// The panel's caption as its group box shows it.
std::string_view PanelCaption(Panel panel);

// The name by which users and screen readers know a control: a text box by
// its own name ("Preflop text box"), a button by its caption and panel
// ("Fold, Tournaments"), a group box or label by its caption.
std::string AccessibleName(const ControlSpec& row);

} // namespace velmo
