#include "selfcheck/tilt_panel.h"

#include "selfcheck/tilt_trainer.h"

namespace velmo {
namespace {

using namespace ids;
using K = ControlKind;

constexpr DialogControl kTiltControls[] = {
    {0, K::GroupBox, "Tilt Sensor", 326, 90, 76, 103},
    {kTiltHelp, K::Button, "Help", 352, 100, 22, 10},
    {kTiltStart, K::Button, "Start/Next", 341, 113, 44, 12},
    {kTiltTextBox, K::MultiLineEdit, "", 329, 129, 67, 40, "Tilt Sensor text box"},
    {kTiltYes, K::Button, "Yes", 330, 171, 19, 14},
    {kTiltNo, K::Button, "No", 354, 171, 19, 14},
    {kTiltReset, K::Button, "Reset", 375, 181, 25, 10},
};
constexpr PanelButton kTiltButtons[] = {
    {kTiltStart, Run<TiltTrainer, &TiltTrainer::StartNext>},
    {kTiltYes, Run<TiltTrainer, &TiltTrainer::Yes>},
    {kTiltNo, Run<TiltTrainer, &TiltTrainer::No>},
    {kTiltReset, Run<TiltTrainer, &TiltTrainer::Reset>},
};
constexpr std::string_view kTiltHelpText = "Are you mentally fit to play poker right now?\n"
                                           "Press the button and answer the eight questions honestly.\n"
                                           "A score and a recommendation will show.\n";

constexpr PanelRow kRow = {kTiltControls, kTiltHelp, kTiltHelpText, std::nullopt, kTiltButtons, Build<TiltTrainer>};

} // namespace

const PanelRow& TiltPanel()
{
    return kRow;
}

} // namespace velmo
