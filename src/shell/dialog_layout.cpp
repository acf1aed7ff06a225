#include "shell/dialog_layout.h"

#include "common/control_ids.h"

namespace velmo {
namespace {

using namespace ids;
using K = ControlKind;
using P = Panel;

constexpr ControlSpec kControls[] = {
    {0, K::GroupBox, "Manual Range Practice", 7, 7, 85, 69, P::Range, {}, true},
    {kRangeCardBox, K::LineEdit, "", 9, 16, 26, 14, P::Range, "Manual Range card box"},
    {kRangeHelp, K::Button, "Help", 37, 17, 22, 10, P::Range},
    {kRangeDone, K::Button, "Done", 65, 17, 22, 10, P::Range},
    {kRangeCorrect, K::Button, "Correct/Next", 9, 35, 50, 9, P::Range},
    {kRangeIncorrect, K::Button, "Incorrect/Next", 9, 47, 50, 9, P::Range},
    {kRangeResultBox, K::LineEdit, "", 9, 59, 69, 13, P::Range, "Manual Range result box"},

    {0, K::GroupBox, "Tilt Sensor", 326, 90, 76, 103, P::Tilt},
    {kTiltHelp, K::Button, "Help", 352, 100, 22, 10, P::Tilt},
    {kTiltStart, K::Button, "Start/Next", 341, 113, 44, 12, P::Tilt},
    {kTiltTextBox, K::MultiLineEdit, "", 329, 129, 67, 40, P::Tilt, "Tilt Sensor text box"},
    {kTiltYes, K::Button, "Yes", 330, 171, 19, 14, P::Tilt},
    {kTiltNo, K::Button, "No", 354, 171, 19, 14, P::Tilt},
    {kTiltReset, K::Button, "Reset", 375, 181, 25, 10, P::Tilt},

    {0, K::GroupBox, "RE/Odds", 97, 7, 154, 68, P::Odds},
    {kOddsTextBox, K::MultiLineEdit, "", 101, 17, 114, 28, P::Odds, "RE/Odds text box"},
    {kOddsHelp, K::Button, "Help", 225, 13, 22, 10, P::Odds},
    {kOddsStart, K::Button, "Start/Next", 103, 52, 44, 12, P::Odds},
    {kOddsFold, K::Button, "Fold", 157, 50, 22, 14, P::Odds},
    {kOddsCall, K::Button, "Call", 186, 50, 22, 14, P::Odds},
    {0, K::Label, "Score:", 221, 34, 20, 9, P::Odds},
    {kOddsScoreBox, K::LineEdit, "", 219, 47, 26, 14, P::Odds, "RE/Odds score box"},
    {kOddsReset, K::Button, "Reset", 225, 64, 25, 10, P::Odds},

    {0, K::GroupBox, "How to fold", 253, 7, 69, 128, P::Fold},
    {kFoldTextBox, K::MultiLineEdit, "", 256, 18, 63, 52, P::Fold, "How to fold text box"},
    {kFoldHelp, K::Button, "Help", 253, 108, 23, 10, P::Fold},
    {kFoldCallOpen, K::Button, "CALL/OPEN", 259, 88, 57, 14, P::Fold},
    {0, K::Label, "Score:", 263, 120, 20, 9, P::Fold},
    {kFoldScoreBox, K::LineEdit, "", 291, 115, 26, 14, P::Fold, "How to fold score box"},
    {kFoldFold, K::Button, "FOLD", 260, 74, 57, 14, P::Fold},

    {0, K::GroupBox, "Patience", 252, 135, 70, 58, P::Patience},
    {kPatiencePointsBox, K::LineEdit, "", 255, 146, 55, 13, P::Patience, "Patience points box"},
    {kPatienceHelp, K::Button, "Help", 296, 163, 22, 10, P::Patience},
    {kPatienceDone, K::Button, "Done", 296, 177, 22, 10, P::Patience},
    {kPatienceHit, K::Button, "HIT", 254, 164, 28, 18, P::Patience},

    {0, K::GroupBox, "SCORES", 337, 7, 51, 78, P::Scores},
    {kScoresHighscores, K::Button, "Highscores", 343, 18, 40, 10, P::Scores},
    {kScoresTotalBox, K::LineEdit, "", 346, 32, 35, 13, P::Scores, "SCORES total box"},
    {kScoresHelp, K::Button, "Help", 352, 52, 22, 10, P::Scores},
    {kScoresReset, K::Button, "Reset", 362, 73, 25, 10, P::Scores},

    {0, K::GroupBox, "Tournaments", 159, 78, 91, 115, P::Tournament},
    {kTourStart, K::Button, "Start/Next", 166, 89, 44, 12, P::Tournament},
    {kTourHelp, K::Button, "Help", 225, 86, 22, 10, P::Tournament},
    {kTourTextBox, K::MultiLineEdit, "", 164, 105, 82, 40, P::Tournament, "Tournaments text box"},
    {kTourPush, K::Button, "Push", 183, 151, 22, 14, P::Tournament},
    {kTourFold, K::Button, "Fold", 209, 151, 22, 14, P::Tournament},
    {0, K::Label, "Score:", 161, 178, 20, 9, P::Tournament},
    {kTourScoreBox, K::LineEdit, "", 183, 173, 26, 14, P::Tournament, "Tournaments score box"},
    {kTourReset, K::Button, "Reset", 223, 183, 25, 10, P::Tournament},

    {0, K::GroupBox, "Preflop Situation Trainer", 7, 79, 149, 114, P::Preflop},
    {kPreflopReset, K::Button, "Reset", 130, 183, 25, 10, P::Preflop},
    {kPreflopScoreBox, K::LineEdit, "", 128, 87, 26, 14, P::Preflop, "Preflop score box"},
    {kPreflopHelp, K::Button, "Help", 74, 90, 22, 10, P::Preflop},
    {0, K::Label, "Score:", 104, 91, 20, 9, P::Preflop},
    {kPreflopStart, K::Button, "Start/Next", 9, 88, 44, 17, P::Preflop},
    {kPreflopOpen, K::Button, "Open", 16, 110, 22, 10, P::Preflop},
    {kPreflopFold, K::Button, "Fold", 43, 110, 22, 10, P::Preflop},
    {kPreflopCall, K::Button, "Call", 70, 110, 22, 10, P::Preflop},
    {kPreflopThreeBet, K::Button, "3b", 97, 110, 22, 10, P::Preflop},
    {kPreflopOpenFoldToThreeBet, K::Button, "Open, fold to 3b", 69, 125, 53, 9, P::Preflop},
    {kPreflopOpenCallThreeBet, K::Button, "Open, call 3b", 12, 125, 53, 9, P::Preflop},
    {kPreflopOpenFourBet, K::Button, "Open, 4b", 12, 139, 53, 9, P::Preflop},
    {kPreflopTextBox, K::MultiLineEdit, "", 10, 152, 144, 27, P::Preflop, "Preflop text box"},
};

} // namespace

std::span<const ControlSpec> DialogControls()
{
    return kControls;
}

const ControlSpec* FindControl(int id)
{
    for (const ControlSpec& row : kControls)
        if (row.id != 0 && row.id == id)
            return &row;
    return nullptr;
}

bool IsTextBox(int id)
{
    const ControlSpec* row = FindControl(id);
    return row && (row->kind == ControlKind::LineEdit || row->kind == ControlKind::MultiLineEdit);
}

std::string_view PanelCaption(Panel panel)
{
    for (const ControlSpec& row : kControls)
        if (row.kind == ControlKind::GroupBox && row.panel == panel)
            return row.caption;
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
    return std::string(row.boxName);
}

} // namespace velmo
