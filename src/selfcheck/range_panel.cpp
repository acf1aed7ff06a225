#include "selfcheck/range_panel.h"

#include "selfcheck/range_trainer.h"

namespace velmo {
namespace {

using namespace ids;
using K = ControlKind;

constexpr DialogControl kRangeControls[] = {
    {0, K::GroupBox, "Manual Range Practice", 7, 7, 85, 69, {}, true},
    {kRangeCardBox, K::LineEdit, "", 9, 16, 26, 14, "Manual Range card box"},
    {kRangeHelp, K::Button, "Help", 37, 17, 22, 10},
    {kRangeDone, K::Button, "Done", 65, 17, 22, 10},
    {kRangeCorrect, K::Button, "Correct/Next", 9, 35, 50, 9},
    {kRangeIncorrect, K::Button, "Incorrect/Next", 9, 47, 50, 9},
    {kRangeResultBox, K::LineEdit, "", 9, 59, 69, 13, "Manual Range result box"},
};
constexpr PanelButton kRangeButtons[] = {
    {kRangeDone, Run<RangeTrainer, &RangeTrainer::Done>, true},
    {kRangeCorrect, Run<RangeTrainer, &RangeTrainer::CorrectNext>},
    {kRangeIncorrect, Run<RangeTrainer, &RangeTrainer::IncorrectNext>},
};
constexpr std::string_view kRangeHelpText = "This is for memorizing standard open charts.\n"
                                            "Press Correct/Next to start. Two random cards will show.\n"
                                            "Make your decision, and check your own chart if it was correct.\n"
                                            "Score your own performance by pressing Correct/next or Incorrect/next.\n"
                                            "Points increase with long runs of correct answers, not speed.\n"
                                            "Press 'Done' to log result to Highscore list and reset variables.\n";

constexpr PanelRow kRow = {kRangeControls, kRangeHelp,    kRangeHelpText,
                           slots::kRange,  kRangeButtons, Build<RangeTrainer>};

} // namespace

const PanelRow& RangePanel()
{
    return kRow;
}

} // namespace velmo
