#include "tournament/tournament_trainer.h"

#include "common/platform.h"
#include "common/situation_timing.h"
#include "tournament/tournament_draw.h"
#include "tournament/tournament_panel.h"

#include <utility>

namespace velmo {

TournamentTrainer::TournamentTrainer(Platform& platform, PracticeLog& log)
    : platform_(platform),
      quiz_(platform, log, LogPanel::Tournament, slots::kTournament, {tourSituationCount, tourAnswerCount, tourScore})
{
}

void TournamentTrainer::StartNext()
{
    // The clock starts before the draw, so its pauses count in the response
    // time; a press that ends the session restarts it too, which reopens the
    // last situation for one answer.
    tourStartTick = platform_.Ticks();
    if (!quiz_.NextSituation()) {
        quiz_.EndSession(ids::kTournamentTextBox);
        return;
    }
    TournamentDraw draw = DrawTournamentSituation(platform_);
    quiz_.ShowSituation(ids::kTournamentTextBox, std::move(draw.text));
    tourExpectedGroup = draw.group;
}

void TournamentTrainer::Answer(TournamentAnswer given)
{
    if (!quiz_.PassGate())
        return;
    // Before the first draw neither answer is right, and none is named.
    std::string_view rightAnswer;
    for (TournamentAnswer answer : {TournamentAnswer::Push, TournamentAnswer::Fold})
        if (GroupExpects(tourExpectedGroup, answer))
            rightAnswer = CaptionOf(TournamentPanel(), TournamentAnswerButton(answer));
    const std::int32_t elapsed = ElapsedMs(tourStartTick, platform_.Ticks());
    const QuizAnswer answer{GroupExpects(tourExpectedGroup, given), rightAnswer,
                            CaptionOf(TournamentPanel(), TournamentAnswerButton(given)), elapsed};
    quiz_.Judge(answer, SpeedBonus(elapsed), ids::kTournamentScoreBox);
}

void TournamentTrainer::Reset()
{
    quiz_.Reset({ids::kTournamentScoreBox, ids::kTournamentTextBox});
}

} // namespace velmo
