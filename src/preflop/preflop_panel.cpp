#include "preflop/preflop_panel.h"

#include "preflop/preflop_trainer.h"

namespace velmo {
namespace {

using namespace ids;
using K = ControlKind;

template <PreflopAnswer Answer> void AnswerPreflop(BuiltTrainer& built)
{
    TrainerIn<PreflopTrainer>(built).Answer(Answer);
}

constexpr DialogControl kPreflopControls[] = {
    {0, K::GroupBox, "Preflop Situation Trainer", 7, 79, 149, 114},
    {kPreflopReset, K::Button, "Reset", 130, 183, 25, 10},
    {kPreflopScoreBox, K::LineEdit, "", 128, 87, 26, 14, "Preflop score box"},
    {kPreflopHelp, K::Button, "Help", 74, 90, 22, 10},
    {0, K::Label, "Score:", 104, 91, 20, 9},
    {kPreflopStart, K::Button, "Start/Next", 9, 88, 44, 17},
    {kPreflopOpen, K::Button, "Open", 16, 110, 22, 10},
    {kPreflopFold, K::Button, "Fold", 43, 110, 22, 10},
    {kPreflopCall, K::Button, "Call", 70, 110, 22, 10},
    {kPreflopThreeBet, K::Button, "3b", 97, 110, 22, 10},
    {kPreflopOpenFoldToThreeBet, K::Button, "Open, fold to 3b", 69, 125, 53, 9},
    {kPreflopOpenCallThreeBet, K::Button, "Open, call 3b", 12, 125, 53, 9},
    {kPreflopOpenFourBet, K::Button, "Open, 4b", 12, 139, 53, 9},
    {kPreflopTextBox, K::MultiLineEdit, "", 10, 152, 144, 27, "Preflop text box"},
};
constexpr PanelButton kPreflopButtons[] = {
    {kPreflopReset, Run<PreflopTrainer, &PreflopTrainer::Reset>},
    {kPreflopStart, Run<PreflopTrainer, &PreflopTrainer::StartNext>, true},
    {kPreflopOpen, AnswerPreflop<PreflopAnswer::Open>},
    {kPreflopFold, AnswerPreflop<PreflopAnswer::Fold>},
    {kPreflopCall, AnswerPreflop<PreflopAnswer::Call>},
    {kPreflopThreeBet, AnswerPreflop<PreflopAnswer::ThreeBet>},
    {kPreflopOpenFoldToThreeBet, AnswerPreflop<PreflopAnswer::OpenFoldToThreeBet>},
    {kPreflopOpenCallThreeBet, AnswerPreflop<PreflopAnswer::OpenCallThreeBet>},
    {kPreflopOpenFourBet, AnswerPreflop<PreflopAnswer::OpenFourBet>},
};
constexpr std::string_view kPreflopHelpText =
    "This will train your responses in some common preflop situations.\n"
    "Press Start. A random situation will show.\n"
    "Quickly decide what to do, and click a button.\n"
    "Ten situations play each time.\n"
    "In reality, type of villains, stack sizes etc may alter these fixed ranges.\n"
    "The faster you are correct, the better your score.";

constexpr PanelRow kRow = {kPreflopControls, kPreflopHelp,    kPreflopHelpText,
                           slots::kPreflop,  kPreflopButtons, Build<PreflopTrainer>};

} // namespace

const PanelRow& PreflopPanel()
{
    return kRow;
}

int PreflopAnswerButton(PreflopAnswer answer)
{
    switch (answer) {
    case PreflopAnswer::Open: return kPreflopOpen;
    case PreflopAnswer::Fold: return kPreflopFold;
    case PreflopAnswer::Call: return kPreflopCall;
    case PreflopAnswer::ThreeBet: return kPreflopThreeBet;
    case PreflopAnswer::OpenCallThreeBet: return kPreflopOpenCallThreeBet;
    case PreflopAnswer::OpenFoldToThreeBet: return kPreflopOpenFoldToThreeBet;
    case PreflopAnswer::OpenFourBet: return kPreflopOpenFourBet;
    case PreflopAnswer::None: break;
    }
    return 0;
}

} // namespace velmo
