#include "preflop/preflop_session.h"

#include "common/control_ids.h"
#include "common/number_to_text.h"
#include "common/platform.h"
#include "common/saturating_arithmetic.h"
#include "common/situation_timing.h"
#include "preflop/preflop_catalogue.h"
#include "scores/highscore_file.h"

namespace velmo {
namespace {

// This trainer's guard on the response time.  A time that reads negative
// means more than 2^31 ms have passed since the situation started (the
// signed difference wrapped): a late answer, which earns no bonus rather than
// the negative one of the bare division.  A time of 0 ms, which the pauses
// before every situation rule out, earns the bonus of a 1 ms answer.
std::int32_t PreflopSpeedBonus(std::int32_t elapsedMs)
{
    return elapsedMs < 0 ? 0 : SpeedBonus(elapsedMs);
}

} // namespace

PreflopSession::PreflopSession(Platform& platform, SituationStartTick& situationStart)
    : platform_(platform), situationStart_(situationStart)
{
}

void PreflopSession::StartNext()
{
    preflopAnswerCount = 0;
    preflopSituationCount = SaturatingAdd(preflopSituationCount, 1);
    if (preflopSituationCount > kSituationsPerSession) {
        EndSession();
        return;
    }
    // The clock starts before the pauses, so they count in the response time.
    situationStart_.situationStartTick = platform_.Ticks();
    platform_.PauseAndReseed(static_cast<std::uint32_t>(preflopSituationCount * 3 + 1));
    const int drawn = platform_.rand() % kPreflopAnswerCount + 1;
    preflopExpectedAnswer = static_cast<PreflopAnswer>(drawn);
    if (drawn < 1 || drawn > kPreflopAnswerCount) {
        platform_.SetBoxText(ids::kPreflopTextBox, "You take a break.");
        return;
    }
    platform_.SetBoxText(ids::kPreflopTextBox, GeneratePreflopSituation(platform_, preflopExpectedAnswer));
}

// Offered again on every press until Reset.  A missing file or a failed
// rewrite has already been announced by UpdateHighscore and leaves the
// text box as it was.
void PreflopSession::EndSession()
{
    OfferSessionScore(platform_, slots::kPreflop, preflopScore, ids::kPreflopTextBox);
}

void PreflopSession::Answer(PreflopAnswer given)
{
    preflopAnswerCount = SaturatingAdd(preflopAnswerCount, 1);
    if (preflopAnswerCount >= 2)
        return;
    const std::int32_t elapsed = ElapsedMs(situationStart_.situationStartTick, platform_.Ticks());
    if (given == preflopExpectedAnswer)
        preflopScore = SaturatingAdd(preflopScore, 1 + PreflopSpeedBonus(elapsed));
    else
        preflopScore = SaturatingAdd(preflopScore, -1);
    ShowNumber(platform_, ids::kPreflopScoreBox, static_cast<float>(preflopScore));
}

void PreflopSession::Reset()
{
    preflopSituationCount = 0;
    preflopScore = 0;
    platform_.SetBoxText(ids::kPreflopScoreBox, "");
    platform_.SetBoxText(ids::kPreflopTextBox, "");
}

} // namespace velmo
