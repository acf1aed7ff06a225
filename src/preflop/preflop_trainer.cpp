#include "preflop/preflop_trainer.h"

#include "common/platform.h"
#include "common/situation_timing.h"
#include "preflop/preflop_catalogue.h"
#include "preflop/preflop_panel.h"

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

PreflopTrainer::PreflopTrainer(Platform& platform, SituationStartTick& situationStart, PracticeLog& log)
    : platform_(platform), situationStart_(situationStart),
      quiz_(platform, log, LogPanel::Preflop, slots::kPreflop,
            {preflopSituationCount, preflopAnswerCount, preflopScore})
{
}

void PreflopTrainer::StartNext()
{
    if (!quiz_.NextSituation()) {
        quiz_.EndSession(ids::kPreflopTextBox);
        return;
    }
    // The clock starts before the pauses, so they count in the response time.
    situationStart_.situationStartTick = platform_.Ticks();
    platform_.PauseAndReseed(static_cast<std::uint32_t>(preflopSituationCount * 3 + 1));
    const int drawn = platform_.rand() % kPreflopAnswerCount + 1;
    preflopExpectedAnswer = static_cast<PreflopAnswer>(drawn);
    if (drawn < 1 || drawn > kPreflopAnswerCount) {
        quiz_.ShowSituation(ids::kPreflopTextBox, "You take a break.");
        return;
    }
    quiz_.ShowSituation(ids::kPreflopTextBox, GeneratePreflopSituation(platform_, preflopExpectedAnswer));
}

void PreflopTrainer::Answer(PreflopAnswer given)
{
    if (!quiz_.PassGate())
        return;
    const std::int32_t elapsed = ElapsedMs(situationStart_.situationStartTick, platform_.Ticks());
    const QuizAnswer answer{given == preflopExpectedAnswer,
                            CaptionOf(PreflopPanel(), PreflopAnswerButton(preflopExpectedAnswer)),
                            CaptionOf(PreflopPanel(), PreflopAnswerButton(given)), elapsed};
    quiz_.Judge(answer, PreflopSpeedBonus(elapsed), ids::kPreflopScoreBox);
}

void PreflopTrainer::Reset()
{
    quiz_.Reset({ids::kPreflopScoreBox, ids::kPreflopTextBox});
}

} // namespace velmo
