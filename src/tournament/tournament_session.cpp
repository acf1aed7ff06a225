#include "tournament/tournament_session.h"

#include "common/control_ids.h"
#include "common/number_to_text.h"
#include "common/platform.h"
#include "common/saturating_arithmetic.h"
#include "common/situation_timing.h"
#include "scores/highscore_file.h"
#include "tournament/tournament_tables.h"

namespace velmo {

TournamentSession::TournamentSession(Platform& platform) : platform_(platform) {}

void TournamentSession::StartNext()
{
    // The clock starts before the draw, so its pauses count in the response
    // time; a press that ends the session restarts it too, which reopens the
    // last situation for one answer.
    tourStartTick = platform_.Ticks();
    tourAnswerCount = 0;
    tourSituationCount = SaturatingAdd(tourSituationCount, 1);
    if (tourSituationCount > kSituationsPerSession) {
        EndSession();
        return;
    }
    TournamentDraw draw = DrawTournamentSituation(platform_);
    platform_.SetBoxText(ids::kTourTextBox, draw.text);
    tourExpectedGroup = draw.group;
}

// Offered again on every press until Reset.  A missing file or a failed
// rewrite has already been announced by UpdateHighscore and leaves the text
// box as it was.
void TournamentSession::EndSession()
{
    OfferSessionScore(platform_, slots::kTournament, tourScore, ids::kTourTextBox);
}

void TournamentSession::Push()
{
    Answer(IsPushGroup(tourExpectedGroup));
}

void TournamentSession::Fold()
{
    Answer(IsFoldGroup(tourExpectedGroup));
}

void TournamentSession::Answer(bool right)
{
    tourAnswerCount = SaturatingAdd(tourAnswerCount, 1);
    if (tourAnswerCount >= 2)
        return;
    if (right)
        tourScore = SaturatingAdd(tourScore, 1 + SpeedBonus(ElapsedMs(tourStartTick, platform_.Ticks())));
    else
        tourScore = SaturatingAdd(tourScore, -1);
    ShowNumber(platform_, ids::kTourScoreBox, static_cast<float>(tourScore));
}

void TournamentSession::Reset()
{
    tourSituationCount = 0;
    tourScore = 0;
    platform_.SetBoxText(ids::kTourScoreBox, "");
    platform_.SetBoxText(ids::kTourTextBox, "");
}

} // namespace velmo
