#include "scores/scores_panel.h"

#include "scores/scores_trainer.h"

namespace velmo {
namespace {

using namespace ids;
using K = ControlKind;

constexpr DialogControl kScoresControls[] = {
    {0, K::GroupBox, "SCORES", 337, 7, 51, 78},
    {kScoresHighscores, K::Button, "Highscores", 343, 18, 40, 10},
    {kScoresTotalBox, K::LineEdit, "", 346, 32, 35, 13, "SCORES total box"},
    {kScoresHelp, K::Button, "Help", 352, 52, 22, 10},
    {kScoresReset, K::Button, "Reset", 362, 73, 25, 10},
};
constexpr PanelButton kScoresButtons[] = {
    {kScoresHighscores, Run<ScoresTrainer, &ScoresTrainer::Highscores>, true},
    {kScoresReset, Run<ScoresTrainer, &ScoresTrainer::Reset>},
};
constexpr std::string_view kScoresHelpText =
    "Here you can see your current combined highscore.\n"
    "Fold and Tilt are not included.\n"
    " \n"
    "0-79 points = Fish, you need a lot more study.\n"
    "80-149 points = Reg, you need some more study.\n"
    "150+ points = Crusher, you only need this for reassurance during a downswing.";

constexpr PanelRow kRow = {kScoresControls, kScoresHelp,    kScoresHelpText,
                           slots::kScores,  kScoresButtons, Build<ScoresTrainer>};

} // namespace

const PanelRow& ScoresPanel()
{
    return kRow;
}

} // namespace velmo
