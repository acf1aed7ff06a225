#include "odds/fold_panel.h"

#include "odds/fold_trainer.h"

namespace velmo {
namespace {

using namespace ids;
using K = ControlKind;

constexpr DialogControl kFoldControls[] = {
    {0, K::GroupBox, "How to fold", 253, 7, 69, 128},
    {kFoldTextBox, K::MultiLineEdit, "", 256, 18, 63, 52, "How to fold text box"},
    {kFoldHelp, K::Button, "Help", 253, 108, 23, 10},
    {kFoldCallOpen, K::Button, "CALL/OPEN", 259, 88, 57, 14},
    {0, K::Label, "Score:", 263, 120, 20, 9},
    {kFoldScoreBox, K::LineEdit, "", 291, 115, 26, 14, "How to fold score box"},
    {kFoldFold, K::Button, "FOLD", 260, 74, 57, 14},
};
constexpr PanelButton kFoldButtons[] = {
    {kFoldFold, Run<FoldTrainer, &FoldTrainer::Fold>},
    {kFoldCallOpen, Run<FoldTrainer, &FoldTrainer::CallOpen>},
};
constexpr std::string_view kFoldHelpText = "Beginners typically overcall.\n"
                                           "This trainer will condition you to fold more often.\n";

constexpr PanelRow kRow = {kFoldControls, kFoldHelp, kFoldHelpText, std::nullopt, kFoldButtons, Build<FoldTrainer>};

} // namespace

const PanelRow& FoldPanel()
{
    return kRow;
}

} // namespace velmo
