#include "selfcheck/patience_trainer.h"

#include "common/number_to_text.h"
#include "common/platform.h"
#include "common/saturating_arithmetic.h"
#include "progress/practice_log.h"
#include "scores/highscore_file.h"
#include "selfcheck/patience_panel.h"

namespace velmo {
namespace {

// The rate bands.  Each round number belongs to the band below it: presses
// 1 to 50, 51 to 200 (the band with setbacks), 201 to 400, and 401 on.
constexpr float kSlowDivisor = 260.335f;
constexpr float kSetbackBandDivisor = 80.335f;
constexpr float kFasterDivisor = 34.77f;
constexpr float kFastestDivisor = 4.123f;
constexpr float kSetbackDivisor = 3.0f;

constexpr std::int32_t kSlowBandEnd = 50;
constexpr std::int32_t kSetbackBandEnd = 200;
constexpr std::int32_t kFasterBandEnd = 400;

// One draw of rand() % 100 + 1 in a hundred is a setback.
constexpr int kSetbackDraw = 3;

constexpr std::uint32_t kFreezeMs = 2000;

float Add(float points, int gain, float divisor)
{
    return static_cast<float>(static_cast<double>(points) + static_cast<double>(gain) / static_cast<double>(divisor));
}

} // namespace

PatienceTrainer::PatienceTrainer(Platform& platform, PracticeLog& log) : platform_(platform), log_(log) {}

void PatienceTrainer::Hit()
{
    // At the limit the count stays there, in the fastest band.
    patienceHitCount = SaturatingAdd(patienceHitCount, 1);
    const std::int32_t h = patienceHitCount;

    platform_.PauseAndReseed(20);
    const int g = platform_.rand() % 15 + 1;

    if (h <= kSlowBandEnd) {
        patiencePoints = Add(patiencePoints, g, kSlowDivisor);
    } else if (h <= kSetbackBandEnd) {
        patiencePoints = Add(patiencePoints, g, kSetbackBandDivisor);
        platform_.PauseAndReseed(35);
        const int r = platform_.rand() % 100 + 1;
        if (r == kSetbackDraw)
            patiencePoints =
                static_cast<float>(static_cast<double>(patiencePoints) / static_cast<double>(kSetbackDivisor));
    } else if (h <= kFasterBandEnd) {
        patiencePoints = Add(patiencePoints, g, kFasterDivisor);
    } else {
        patiencePoints = Add(patiencePoints, g, kFastestDivisor);
    }

    ShowNumber(platform_, ids::kPatiencePointsBox, patiencePoints);
    platform_.Pause(kFreezeMs);
}

void PatienceTrainer::Done()
{
    platform_.SetBoxText(ids::kPatiencePointsBox, "");

    const HighscoreResult result = UpdateHighscore(platform_, slots::kPatience, patiencePoints);
    if (result.outcome == HighscoreOutcome::NewHighscore)
        platform_.SetBoxText(ids::kPatiencePointsBox, HighscoreText(platform_, result));
    LogRecord record;
    record.panel = LogPanel::Patience;
    record.event = LogEvent::Done;
    record.score = TruncateToInt32(static_cast<double>(patiencePoints)); // as the list stores it
    record.highscore = result.outcome == HighscoreOutcome::NewHighscore;
    log_.Record(std::move(record));

    patienceHitCount = 0;
    patiencePoints = 0.0f;
}

} // namespace velmo
