#include "tournament/tournament_panel.h"

#include "tournament/tournament_trainer.h"

namespace velmo {
namespace {

using namespace ids;
using K = ControlKind;

template <TournamentAnswer Answer> void AnswerTournament(BuiltTrainer& built)
{
    TrainerIn<TournamentTrainer>(built).Answer(Answer);
}

constexpr DialogControl kTournamentControls[] = {
    {0, K::GroupBox, "Tournaments", 159, 78, 91, 115},
    {kTournamentStart, K::Button, "Start/Next", 166, 89, 44, 12},
    {kTournamentHelp, K::Button, "Help", 225, 86, 22, 10},
    {kTournamentTextBox, K::MultiLineEdit, "", 164, 105, 82, 40, "Tournaments text box"},
    {kTournamentPush, K::Button, "Push", 183, 151, 22, 14},
    {kTournamentFold, K::Button, "Fold", 209, 151, 22, 14},
    {0, K::Label, "Score:", 161, 178, 20, 9},
    {kTournamentScoreBox, K::LineEdit, "", 183, 173, 26, 14, "Tournaments score box"},
    {kTournamentReset, K::Button, "Reset", 223, 183, 25, 10},
};
constexpr PanelButton kTournamentButtons[] = {
    {kTournamentStart, Run<TournamentTrainer, &TournamentTrainer::StartNext>, true},
    {kTournamentPush, AnswerTournament<TournamentAnswer::Push>},
    {kTournamentFold, AnswerTournament<TournamentAnswer::Fold>},
    {kTournamentReset, Run<TournamentTrainer, &TournamentTrainer::Reset>},
};
constexpr std::string_view kTournamentHelpText = "Tournament training.\n"
                                                 "Press Start. A random situation will show.\n"
                                                 "Quickly decide if you should push or fold here.\n"
                                                 "Ten situations play each time.\n"
                                                 "The faster you are correct, the better your score.";

constexpr PanelRow kRow = {kTournamentControls, kTournamentHelp,    kTournamentHelpText,
                           slots::kTournament,  kTournamentButtons, Build<TournamentTrainer>};

} // namespace

const PanelRow& TournamentPanel()
{
    return kRow;
}

int TournamentAnswerButton(TournamentAnswer answer)
{
    return answer == TournamentAnswer::Push ? ids::kTournamentPush : ids::kTournamentFold;
}

} // namespace velmo
