#include "odds/fold_trainer.h"

#include "common/number_to_text.h"
#include "common/platform.h"
#include "common/saturating_arithmetic.h"
#include "odds/fold_panel.h"
#include "odds/fold_situation_texts.h"
#include "progress/practice_log.h"

namespace velmo {

namespace {

// The further shuffles after the first, by the draw m = rand() % 4.
constexpr int kExtraShuffles[] = {1, 2, 3, 6};

// Only the first six places of the shuffled list can be drawn.
constexpr int kDrawnPlaces = 6;

} // namespace

FoldTrainer::FoldTrainer(Platform& platform, PracticeLog& log) : platform_(platform), log_(log) {}

void FoldTrainer::Fold()
{
    platform_.SetBoxText(ids::kFoldTextBox, "");

    auto foldSituationTexts = platform_.ShuffledCopy(kFoldSituationTexts);

    platform_.PauseAndReseed(33);
    const int m = platform_.rand() % 4;
    for (int n = 0; n < kExtraShuffles[m]; ++n)
        platform_.Shuffle(foldSituationTexts);

    platform_.PauseAndReseed(133);
    const int i = platform_.rand() % kDrawnPlaces;
    platform_.SetBoxText(ids::kFoldTextBox, foldSituationTexts[static_cast<std::size_t>(i)]);

    AddPoints(1);
}

void FoldTrainer::CallOpen()
{
    AddPoints(-4);
}

void FoldTrainer::AddPoints(std::int32_t points)
{
    const std::int32_t before = foldScore;
    foldScore = SaturatingAdd(foldScore, points);
    ShowScore();
    LogRecord record;
    record.panel = LogPanel::Fold;
    record.event = LogEvent::Press;
    record.points = ClampToInt32(static_cast<std::int64_t>(foldScore) - before);
    record.score = foldScore;
    log_.Record(std::move(record));
}

void FoldTrainer::ShowScore()
{
    ShowNumber(platform_, ids::kFoldScoreBox, static_cast<float>(foldScore));
}

} // namespace velmo
