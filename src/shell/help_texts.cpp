#include "shell/help_texts.h"

#include "common/control_ids.h"
#include "common/platform.h"

namespace velmo {

std::string_view HelpText(int helpButtonId)
{
    switch (helpButtonId) {
    case ids::kRangeHelp:
        return "This is for memorizing standard open charts.\n"
               "Press Correct/Next to start. Two random cards will show.\n"
               "Make your decision, and check your own chart if it was correct.\n"
               "Score your own performance by pressing Correct/next or Incorrect/next.\n"
               "Points increase with long runs of correct answers, not speed.\n"
               "Press 'Done' to log result to Highscore list and reset variables.\n";
    case ids::kTiltHelp:
        return "Are you mentally fit to play poker right now?\n"
               "Press the button and answer the eight questions honestly.\n"
               "A score and a recommendation will show.\n";
    case ids::kOddsHelp:
        return "This will train your ability to estimate odds or % equity.\n"
               "Press Start. A random situation will show.\n"
               "Quickly decide if you should fold or call here.\n"
               "The faster you are correct, the better your score.\n"
               "Note that in reality you should also consider \n"
               "open/end-of-action, board, V profile, stacks, position etc. ";
    case ids::kFoldHelp:
        return "Beginners typically overcall.\n"
               "This trainer will condition you to fold more often.\n";
    case ids::kPatienceHelp:
        return "Push the 'Hit' button SLOW to accumulate points.\n"
               "If you push 'Hit' repeatedly too fast, the whole program freezes.\n"
               "As with real Poker, there are sometimes random downswings.\n"
               "As with real Poker, the accumulation rate increases after a while.\n"
               "Press 'Done' to log points.\n";
    case ids::kScoresHelp:
        return "Here you can see your current combined highscore.\n"
               "Fold and Tilt are not included.\n"
               " \n"
               "0-79 points = Fish, you need a lot more study.\n"
               "80-149 points = Reg, you need some more study.\n"
               "150+ points = Crusher, you only need this for reassurance during a downswing.";
    case ids::kTourHelp:
        return "Tournament training.\n"
               "Press Start. A random situation will show.\n"
               "Quickly decide if you should push or fold here.\n"
               "Ten situations play each time.\n"
               "The faster you are correct, the better your score.";
    case ids::kPreflopHelp:
        return "This will train your responses in some common preflop situations.\n"
               "Press Start. A random situation will show.\n"
               "Quickly decide what to do, and click a button.\n"
               "Ten situations play each time.\n"
               "In reality, type of villains, stack sizes etc may alter these fixed ranges.\n"
               "The faster you are correct, the better your score.";
    default: return {};
    }
}

void ShowHelp(Platform& platform, int helpButtonId)
{
    platform.ShowMessage(HelpText(helpButtonId), kHelpCaption);
}

} // namespace velmo
