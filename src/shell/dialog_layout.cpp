#include "shell/dialog_layout.h"

namespace velmo {
namespace {

using K = ControlKind;
using P = Panel;

constexpr ControlSpec kControls[] = {
    {0, K::GroupBox, "Manual Range Practice", 7, 7, 85, 69, P::Range, true},
    {1000, K::LineEdit, "", 9, 16, 26, 14, P::Range},
    {1001, K::Button, "Help", 37, 17, 22, 10, P::Range},
    {1002, K::Button, "Done", 65, 17, 22, 10, P::Range},
    {1003, K::Button, "Correct/Next", 9, 35, 50, 9, P::Range},
    {1004, K::Button, "Incorrect/Next", 9, 47, 50, 9, P::Range},
    {1005, K::LineEdit, "", 9, 59, 69, 13, P::Range},

    {0, K::GroupBox, "Tilt Sensor", 326, 90, 76, 103, P::Tilt},
    {1006, K::Button, "Help", 352, 100, 22, 10, P::Tilt},
    {1007, K::Button, "Start/Next", 341, 113, 44, 12, P::Tilt},
    {1008, K::MultiLineEdit, "", 329, 129, 67, 40, P::Tilt},
    {1009, K::Button, "Yes", 330, 171, 19, 14, P::Tilt},
    {1010, K::Button, "No", 354, 171, 19, 14, P::Tilt},
    {1011, K::Button, "Reset", 375, 181, 25, 10, P::Tilt},

    {0, K::GroupBox, "RE/Odds", 97, 7, 154, 68, P::Odds},
    {1012, K::MultiLineEdit, "", 101, 17, 114, 28, P::Odds},
    {1013, K::Button, "Help", 225, 13, 22, 10, P::Odds},
    {1014, K::Button, "Start/Next", 103, 52, 44, 12, P::Odds},
    {1015, K::Button, "Fold", 157, 50, 22, 14, P::Odds},
    {1016, K::Button, "Call", 186, 50, 22, 14, P::Odds},
    {0, K::Label, "Score:", 221, 34, 20, 9, P::Odds},
    {1017, K::LineEdit, "", 219, 47, 26, 14, P::Odds},
    {1018, K::Button, "Reset", 225, 64, 25, 10, P::Odds},

    {0, K::GroupBox, "How to fold", 253, 7, 69, 128, P::Fold},
    {1019, K::MultiLineEdit, "", 256, 18, 63, 52, P::Fold},
    {1020, K::Button, "Help", 253, 108, 23, 10, P::Fold},
    {1021, K::Button, "CALL/OPEN", 259, 88, 57, 14, P::Fold},
    {0, K::Label, "Score:", 263, 120, 20, 9, P::Fold},
    {1023, K::LineEdit, "", 291, 115, 26, 14, P::Fold},
    {1024, K::Button, "FOLD", 260, 74, 57, 14, P::Fold},

    {0, K::GroupBox, "Patience", 252, 135, 70, 58, P::Patience},
    {1025, K::LineEdit, "", 255, 146, 55, 13, P::Patience},
    {1026, K::Button, "Help", 296, 163, 22, 10, P::Patience},
    {1027, K::Button, "Done", 296, 177, 22, 10, P::Patience},
    {1022, K::Button, "HIT", 254, 164, 28, 18, P::Patience},

    {0, K::GroupBox, "SCORES", 337, 7, 51, 78, P::Scores},
    {1028, K::Button, "Highscores", 343, 18, 40, 10, P::Scores},
    {1029, K::LineEdit, "", 346, 32, 35, 13, P::Scores},
    {1030, K::Button, "Help", 352, 52, 22, 10, P::Scores},
    {1031, K::Button, "Reset", 362, 73, 25, 10, P::Scores},

    {0, K::GroupBox, "Tournaments", 159, 78, 91, 115, P::Tournament},
    {1032, K::Button, "Start/Next", 166, 89, 44, 12, P::Tournament},
    {1033, K::Button, "Help", 225, 86, 22, 10, P::Tournament},
    {1034, K::MultiLineEdit, "", 164, 105, 82, 40, P::Tournament},
    {1035, K::Button, "Push", 183, 151, 22, 14, P::Tournament},
    {1036, K::Button, "Fold", 209, 151, 22, 14, P::Tournament},
    {0, K::Label, "Score:", 161, 178, 20, 9, P::Tournament},
    {1037, K::LineEdit, "", 183, 173, 26, 14, P::Tournament},
    {1038, K::Button, "Reset", 223, 183, 25, 10, P::Tournament},

    {0, K::GroupBox, "Preflop Situation Trainer", 7, 79, 149, 114, P::Preflop},
    {1039, K::Button, "Reset", 130, 183, 25, 10, P::Preflop},
    {1040, K::LineEdit, "", 128, 87, 26, 14, P::Preflop},
    {1041, K::Button, "Help", 74, 90, 22, 10, P::Preflop},
    {0, K::Label, "Score:", 104, 91, 20, 9, P::Preflop},
    {1042, K::Button, "Start/Next", 9, 88, 44, 17, P::Preflop},
    {1043, K::Button, "Open", 16, 110, 22, 10, P::Preflop},
    {1044, K::Button, "Fold", 43, 110, 22, 10, P::Preflop},
    {1045, K::Button, "Call", 70, 110, 22, 10, P::Preflop},
    {1046, K::Button, "3b", 97, 110, 22, 10, P::Preflop},
    {1048, K::Button, "Open, fold to 3b", 69, 125, 53, 9, P::Preflop},
    {1050, K::Button, "Open, call 3b", 12, 125, 53, 9, P::Preflop},
    {1051, K::Button, "Open, 4b", 12, 139, 53, 9, P::Preflop},
    {1052, K::MultiLineEdit, "", 10, 152, 144, 27, P::Preflop},
};

} // namespace

std::span<const ControlSpec> DialogControls()
{
    return kControls;
}

std::string_view PanelCaption(Panel panel)
{
    switch (panel) {
    case Panel::Range: return "Manual Range Practice";
    case Panel::Tilt: return "Tilt Sensor";
    case Panel::Odds: return "RE/Odds";
    case Panel::Fold: return "How to fold";
    case Panel::Patience: return "Patience";
    case Panel::Scores: return "SCORES";
    case Panel::Tournament: return "Tournaments";
    case Panel::Preflop: return "Preflop Situation Trainer";
    }
    return {};
}

std::string AccessibleName(const ControlSpec& row)
{
    switch (row.kind) {
    case ControlKind::Button: return std::string(row.caption) + ", " + std::string(PanelCaption(row.panel));
    case ControlKind::GroupBox:
    case ControlKind::Label: return std::string(row.caption);
    case ControlKind::LineEdit:
    case ControlKind::MultiLineEdit: break;
    }
    switch (row.id) {
    case 1000: return "Manual Range card box";
    case 1005: return "Manual Range result box";
    case 1008: return "Tilt Sensor text box";
    case 1012: return "RE/Odds text box";
    case 1017: return "RE/Odds score box";
    case 1019: return "How to fold text box";
    case 1023: return "How to fold score box";
    case 1025: return "Patience points box";
    case 1029: return "SCORES total box";
    case 1034: return "Tournaments text box";
    case 1037: return "Tournaments score box";
    case 1040: return "Preflop score box";
    case 1052: return "Preflop text box";
    default: return "Text box " + std::to_string(row.id);
    }
}

} // namespace velmo
