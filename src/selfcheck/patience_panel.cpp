#include "selfcheck/patience_panel.h"

#include "selfcheck/patience_trainer.h"

namespace velmo {
namespace {

using namespace ids;
using K = ControlKind;

constexpr DialogControl kPatienceControls[] = {
    {0, K::GroupBox, "Patience", 252, 135, 70, 58},
    {kPatiencePointsBox, K::LineEdit, "", 255, 146, 55, 13, "Patience points box"},
    {kPatienceHelp, K::Button, "Help", 296, 163, 22, 10},
    {kPatienceDone, K::Button, "Done", 296, 177, 22, 10},
    {kPatienceHit, K::Button, "HIT", 254, 164, 28, 18},
};
constexpr PanelButton kPatienceButtons[] = {
    {kPatienceHit, Run<PatienceTrainer, &PatienceTrainer::Hit>},
    {kPatienceDone, Run<PatienceTrainer, &PatienceTrainer::Done>, true},
};
constexpr std::string_view kPatienceHelpText = "Push the 'Hit' button SLOW to accumulate points.\n"
                                               "If you push 'Hit' repeatedly too fast, the whole program freezes.\n"
                                               "As with real Poker, there are sometimes random downswings.\n"
                                               "As with real Poker, the accumulation rate increases after a while.\n"
                                               "Press 'Done' to log points.\n";

constexpr PanelRow kRow = {kPatienceControls, kPatienceHelp,    kPatienceHelpText,
                           slots::kPatience,  kPatienceButtons, Build<PatienceTrainer>};

} // namespace

const PanelRow& PatiencePanel()
{
    return kRow;
}

} // namespace velmo
