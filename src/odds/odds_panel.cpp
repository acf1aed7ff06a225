#include "odds/odds_panel.h"

#include "odds/odds_trainer.h"

namespace velmo {
namespace {

using namespace ids;
using K = ControlKind;

constexpr DialogControl kOddsControls[] = {
    {0, K::GroupBox, "RE/Odds", 97, 7, 154, 68},
    {kOddsTextBox, K::MultiLineEdit, "", 101, 17, 114, 28, "RE/Odds text box"},
    {kOddsHelp, K::Button, "Help", 225, 13, 22, 10},
    {kOddsStart, K::Button, "Start/Next", 103, 52, 44, 12},
    {kOddsFold, K::Button, "Fold", 157, 50, 22, 14},
    {kOddsCall, K::Button, "Call", 186, 50, 22, 14},
    {0, K::Label, "Score:", 221, 34, 20, 9},
    {kOddsScoreBox, K::LineEdit, "", 219, 47, 26, 14, "RE/Odds score box"},
    {kOddsReset, K::Button, "Reset", 225, 64, 25, 10},
};
constexpr PanelButton kOddsButtons[] = {
    {kOddsStart, Run<OddsTrainer, &OddsTrainer::StartNext>, true},
    {kOddsFold, Run<OddsTrainer, &OddsTrainer::Fold>},
    {kOddsCall, Run<OddsTrainer, &OddsTrainer::Call>},
    {kOddsReset, Run<OddsTrainer, &OddsTrainer::Reset>},
};
constexpr std::string_view kOddsHelpText = "This will train your ability to estimate odds or % equity.\n"
                                           "Press Start. A random situation will show.\n"
                                           "Quickly decide if you should fold or call here.\n"
                                           "The faster you are correct, the better your score.\n"
                                           "Note that in reality you should also consider \n"
                                           "open/end-of-action, board, V profile, stacks, position etc. ";

constexpr PanelRow kRow = {kOddsControls, kOddsHelp, kOddsHelpText, slots::kOdds, kOddsButtons, Build<OddsTrainer>};

} // namespace

const PanelRow& OddsPanel()
{
    return kRow;
}

} // namespace velmo
