#include "tournament/tournament_trainer.h"

#include "common/platform.h"
#include "common/situation_timing.h"
#include "tournament/tournament_draw.h"
#include "tournament/tournament_panel.h"

namespace velmo {

TournamentTrainer::TournamentTrainer(Platform& platform)
    : platform_(platform), quiz_(platform, slots::kTournament, {tourSituationCount, tourAnswerCount, tourScore})
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
    platform_.SetBoxText(ids::kTournamentTextBox, draw.text);
    tourExpectedGroup = draw.group;
}

void TournamentTrainer::Answer(TournamentAnswer given)
{
    if (!quiz_.PassGate())
        return;
    quiz_.Judge(GroupExpects(tourExpectedGroup, given), SpeedBonus(ElapsedMs(tourStartTick, platform_.Ticks())),
                ids::kTournamentScoreBox);
}

void TournamentTrainer::Reset()
{
    quiz_.Reset({ids::kTournamentScoreBox, ids::kTournamentTextBox});
}

} // namespace velmo
