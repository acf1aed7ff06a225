#include "scores/scores_trainer.h"

#include "common/number_to_text.h"
#include "common/platform.h"
#include "common/saturating_arithmetic.h"
#include "scores/highscore_file.h"
#include "scores/scores_panel.h"

namespace velmo {
namespace {

// Every slot but slot 8, which keeps the best combined total.  The sum is
// taken in 64 bits; a hand-edited file whose values leave the 32-bit range
// gives the nearest 32-bit total, so slot 8 can always hold what is shown.
std::int32_t CombinedTotal(const HighscoreSlots& slots)
{
    std::int64_t sum = 0;
    for (int slot = 0; slot < kHighscoreSlotCount; ++slot)
        if (slot != slots::kScores)
            sum += slots[static_cast<std::size_t>(slot)];
    return ClampToInt32(sum);
}

} // namespace

ScoresTrainer::ScoresTrainer(Platform& platform) : platform_(platform) {}

void ScoresTrainer::Highscores()
{
    // The read, the sum and the rewrite hold the file's lock together.
    std::int32_t total = 0;
    const UpdateOutcome outcome = UpdateHighscoreSlots(platform_.files(), [&total](HighscoreSlots& slots) {
        total = CombinedTotal(slots);
        std::int32_t& best = slots[slots::kScores];
        if (best < total)
            best = total;
        // Rewritten in every case, so a hand-edited file comes back to one
        // line of ten values.
        return true;
    });
    const bool unread = outcome == UpdateOutcome::Unreadable || outcome == UpdateOutcome::LockTimedOut;
    if (unread || outcome == UpdateOutcome::WriteFailed)
        platform_.ShowMessage(kHighscoreGone);
    if (unread)
        return; // the box and the file stay as they are

    // Always the bare total: the box reads the same whether or not it beat
    // the best combined total.
    ShowNumber(platform_, ids::kScoresTotalBox, static_cast<float>(total));
}

void ScoresTrainer::Reset()
{
    if (!WriteHighscoreValues(platform_.files(), HighscoreSlots{})) {
        platform_.ShowMessage(kHighscoreGone);
        return;
    }
    platform_.SetBoxText(ids::kScoresTotalBox, "0");
}

} // namespace velmo
