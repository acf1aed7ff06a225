#include "shell/panels.h"

#include "common/control_ids.h"
#include "common/platform.h"
#include "odds/equity_trainer.h"
#include "odds/fold_drill.h"
#include "preflop/preflop_catalogue.h"
#include "preflop/preflop_session.h"
#include "scores/highscore_file.h"
#include "scores/scores_panel.h"
#include "selfcheck/patience_trainer.h"
#include "selfcheck/range_practice.h"
#include "selfcheck/tilt_sensor.h"
#include "shell/help_texts.h"
#include "shell/trainer_set.h"
#include "tournament/tournament_session.h"

#include <functional>

namespace velmo {
namespace {

using namespace ids;
using K = ControlKind;

// A button that runs `Method` of the panel's trainer.
template <class T, void (T::*Method)()> void Run(TrainerSet& trainers, const PanelRow&)
{
    (trainers.Get<T>().*Method)();
}

template <PreflopAnswer Answer> void AnswerPreflop(TrainerSet& trainers, const PanelRow&)
{
    trainers.Get<PreflopSession>().Answer(Answer);
}

// Manual Range Practice
constexpr ControlSpec kRangeControls[] = {
    {0, K::GroupBox, "Manual Range Practice", 7, 7, 85, 69, {}, true},
    {kRangeCardBox, K::LineEdit, "", 9, 16, 26, 14, "Manual Range card box"},
    {kRangeHelp, K::Button, "Help", 37, 17, 22, 10},
    {kRangeDone, K::Button, "Done", 65, 17, 22, 10},
    {kRangeCorrect, K::Button, "Correct/Next", 9, 35, 50, 9},
    {kRangeIncorrect, K::Button, "Incorrect/Next", 9, 47, 50, 9},
    {kRangeResultBox, K::LineEdit, "", 9, 59, 69, 13, "Manual Range result box"},
};
constexpr PanelButton kRangeButtons[] = {
    {kRangeDone, Run<RangePractice, &RangePractice::Done>, true},
    {kRangeCorrect, Run<RangePractice, &RangePractice::CorrectNext>},
    {kRangeIncorrect, Run<RangePractice, &RangePractice::IncorrectNext>},
};
constexpr std::string_view kRangeHelpText = "This is for memorizing standard open charts.\n"
                                            "Press Correct/Next to start. Two random cards will show.\n"
                                            "Make your decision, and check your own chart if it was correct.\n"
                                            "Score your own performance by pressing Correct/next or Incorrect/next.\n"
                                            "Points increase with long runs of correct answers, not speed.\n"
                                            "Press 'Done' to log result to Highscore list and reset variables.\n";

// Tilt Sensor
constexpr ControlSpec kTiltControls[] = {
    {0, K::GroupBox, "Tilt Sensor", 326, 90, 76, 103},
    {kTiltHelp, K::Button, "Help", 352, 100, 22, 10},
    {kTiltStart, K::Button, "Start/Next", 341, 113, 44, 12},
    {kTiltTextBox, K::MultiLineEdit, "", 329, 129, 67, 40, "Tilt Sensor text box"},
    {kTiltYes, K::Button, "Yes", 330, 171, 19, 14},
    {kTiltNo, K::Button, "No", 354, 171, 19, 14},
    {kTiltReset, K::Button, "Reset", 375, 181, 25, 10},
};
constexpr PanelButton kTiltButtons[] = {
    {kTiltStart, Run<TiltSensor, &TiltSensor::StartNext>},
    {kTiltYes, Run<TiltSensor, &TiltSensor::Yes>},
    {kTiltNo, Run<TiltSensor, &TiltSensor::No>},
    {kTiltReset, Run<TiltSensor, &TiltSensor::Reset>},
};
constexpr std::string_view kTiltHelpText = "Are you mentally fit to play poker right now?\n"
                                           "Press the button and answer the eight questions honestly.\n"
                                           "A score and a recommendation will show.\n";

// RE/Odds
constexpr ControlSpec kOddsControls[] = {
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
    {kOddsStart, Run<EquityTrainer, &EquityTrainer::StartNext>, true},
    {kOddsFold, Run<EquityTrainer, &EquityTrainer::Fold>},
    {kOddsCall, Run<EquityTrainer, &EquityTrainer::Call>},
    {kOddsReset, Run<EquityTrainer, &EquityTrainer::Reset>},
};
constexpr std::string_view kOddsHelpText = "This will train your ability to estimate odds or % equity.\n"
                                           "Press Start. A random situation will show.\n"
                                           "Quickly decide if you should fold or call here.\n"
                                           "The faster you are correct, the better your score.\n"
                                           "Note that in reality you should also consider \n"
                                           "open/end-of-action, board, V profile, stacks, position etc. ";

// How to fold
constexpr ControlSpec kFoldControls[] = {
    {0, K::GroupBox, "How to fold", 253, 7, 69, 128},
    {kFoldTextBox, K::MultiLineEdit, "", 256, 18, 63, 52, "How to fold text box"},
    {kFoldHelp, K::Button, "Help", 253, 108, 23, 10},
    {kFoldCallOpen, K::Button, "CALL/OPEN", 259, 88, 57, 14},
    {0, K::Label, "Score:", 263, 120, 20, 9},
    {kFoldScoreBox, K::LineEdit, "", 291, 115, 26, 14, "How to fold score box"},
    {kFoldFold, K::Button, "FOLD", 260, 74, 57, 14},
};
constexpr PanelButton kFoldButtons[] = {
    {kFoldFold, Run<FoldDrill, &FoldDrill::Fold>},
    {kFoldCallOpen, Run<FoldDrill, &FoldDrill::CallOpen>},
};
constexpr std::string_view kFoldHelpText = "Beginners typically overcall.\n"
                                           "This trainer will condition you to fold more often.\n";

// Patience
constexpr ControlSpec kPatienceControls[] = {
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

// SCORES
constexpr ControlSpec kScoresControls[] = {
    {0, K::GroupBox, "SCORES", 337, 7, 51, 78},
    {kScoresHighscores, K::Button, "Highscores", 343, 18, 40, 10},
    {kScoresTotalBox, K::LineEdit, "", 346, 32, 35, 13, "SCORES total box"},
    {kScoresHelp, K::Button, "Help", 352, 52, 22, 10},
    {kScoresReset, K::Button, "Reset", 362, 73, 25, 10},
};
constexpr PanelButton kScoresButtons[] = {
    {kScoresHighscores, Run<ScoresPanel, &ScoresPanel::Highscores>, true},
    {kScoresReset, Run<ScoresPanel, &ScoresPanel::Reset>},
};
constexpr std::string_view kScoresHelpText =
    "Here you can see your current combined highscore.\n"
    "Fold and Tilt are not included.\n"
    " \n"
    "0-79 points = Fish, you need a lot more study.\n"
    "80-149 points = Reg, you need some more study.\n"
    "150+ points = Crusher, you only need this for reassurance during a downswing.";

// Tournaments
constexpr ControlSpec kTourControls[] = {
    {0, K::GroupBox, "Tournaments", 159, 78, 91, 115},
    {kTourStart, K::Button, "Start/Next", 166, 89, 44, 12},
    {kTourHelp, K::Button, "Help", 225, 86, 22, 10},
    {kTourTextBox, K::MultiLineEdit, "", 164, 105, 82, 40, "Tournaments text box"},
    {kTourPush, K::Button, "Push", 183, 151, 22, 14},
    {kTourFold, K::Button, "Fold", 209, 151, 22, 14},
    {0, K::Label, "Score:", 161, 178, 20, 9},
    {kTourScoreBox, K::LineEdit, "", 183, 173, 26, 14, "Tournaments score box"},
    {kTourReset, K::Button, "Reset", 223, 183, 25, 10},
};
constexpr PanelButton kTourButtons[] = {
    {kTourStart, Run<TournamentSession, &TournamentSession::StartNext>, true},
    {kTourPush, Run<TournamentSession, &TournamentSession::Push>},
    {kTourFold, Run<TournamentSession, &TournamentSession::Fold>},
    {kTourReset, Run<TournamentSession, &TournamentSession::Reset>},
};
constexpr std::string_view kTourHelpText = "Tournament training.\n"
                                           "Press Start. A random situation will show.\n"
                                           "Quickly decide if you should push or fold here.\n"
                                           "Ten situations play each time.\n"
                                           "The faster you are correct, the better your score.";

// Preflop Situation Trainer
constexpr ControlSpec kPreflopControls[] = {
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
    {kPreflopReset, Run<PreflopSession, &PreflopSession::Reset>},
    {kPreflopStart, Run<PreflopSession, &PreflopSession::StartNext>, true},
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

// Template order: the order of the panels is the dialog's tab order.
constexpr PanelRow kPanels[] = {
    {kRangeControls, kRangeHelp, kRangeHelpText, slots::kRange, kRangeButtons, Build<RangePractice>},
    {kTiltControls, kTiltHelp, kTiltHelpText, std::nullopt, kTiltButtons, Build<TiltSensor>},
    {kOddsControls, kOddsHelp, kOddsHelpText, slots::kOdds, kOddsButtons, Build<EquityTrainer>},
    {kFoldControls, kFoldHelp, kFoldHelpText, std::nullopt, kFoldButtons, Build<FoldDrill>},
    {kPatienceControls, kPatienceHelp, kPatienceHelpText, slots::kPatience, kPatienceButtons, Build<PatienceTrainer>},
    {kScoresControls, kScoresHelp, kScoresHelpText, slots::kCombined, kScoresButtons, Build<ScoresPanel>},
    {kTourControls, kTourHelp, kTourHelpText, slots::kTournament, kTourButtons, Build<TournamentSession>},
    {kPreflopControls, kPreflopHelp, kPreflopHelpText, slots::kPreflop, kPreflopButtons, Build<PreflopSession>},
};

} // namespace

std::span<const PanelRow> Panels()
{
    return kPanels;
}

const PanelRow* PanelOf(int id)
{
    if (id == 0)
        return nullptr;
    for (const PanelRow& panel : kPanels)
        for (const ControlSpec& control : panel.controls)
            if (control.id == id)
                return &panel;
    return nullptr;
}

const PanelRow* PanelOf(const ControlSpec& row)
{
    const std::span<const ControlSpec> all = DialogControls();
    // std::less orders any two pointers, so a row from elsewhere is told apart.
    const std::less<const ControlSpec*> before;
    if (before(&row, all.data()) || !before(&row, all.data() + all.size()))
        return nullptr;
    auto index = static_cast<std::size_t>(&row - all.data());
    for (const PanelRow& panel : kPanels) {
        if (index < panel.controls.size())
            return &panel;
        index -= panel.controls.size();
    }
    return nullptr;
}

void ShowPanelHelp(TrainerSet& trainers, const PanelRow& panel)
{
    trainers.platform.ShowMessage(panel.helpText, kHelpCaption);
}

} // namespace velmo
