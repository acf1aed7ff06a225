#include "scores/scores_panel.h"

#include "common/control_ids.h"
#include "common/number_to_text.h"
#include "common/platform.h"
#include "scores/highscore_file.h"

#include <algorithm>
#include <limits>

namespace velmo {
namespace {

// Every slot but slot 8, which keeps the best combined total.  The sum is
// taken in 64 bits; a hand-edited file whose values leave the 32-bit range
// gives the nearest 32-bit total, so slot 8 can always hold what is shown.
std::int32_t CombinedTotal(const HighscoreSlots& slots)
{
    std::int64_t sum = 0;
    for (int slot = 0; slot < kHighscoreSlotCount; ++slot)
        if (slot != slots::kCombined)
            sum += slots[static_cast<std::size_t>(slot)];
    sum = std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                   std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(sum);
}

} // namespace

ScoresPanel::ScoresPanel(Platform& platform) : platform_(platform) {}

void ScoresPanel::Highscores()
{
    auto values = ReadHighscoreValues(platform_.files());
    if (!values) {
        platform_.MessageBox(kHighscoreGone);
        return;
    }

    const std::int32_t total = CombinedTotal(values->slots);
    std::int32_t& best = values->slots[slots::kCombined];
    if (best < total)
        best = total;

    // Rewritten in every case, so a hand-edited file comes back to one line
    // of ten values.
    if (!WriteHighscoreValues(platform_.files(), values->slots))
        platform_.MessageBox(kHighscoreGone);

    // Always the bare total: the box reads the same whether or not it beat
    // the best combined total.
    ShowNumber(platform_, ids::kScoresTotalBox, static_cast<float>(total));
}

void ScoresPanel::Reset()
{
    if (!WriteHighscoreValues(platform_.files(), HighscoreSlots{})) {
        platform_.MessageBox(kHighscoreGone);
        return;
    }
    platform_.SetWindowText(ids::kScoresTotalBox, "0");
}

} // namespace velmo
