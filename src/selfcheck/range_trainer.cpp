#include "selfcheck/range_trainer.h"

#include "common/number_to_text.h"
#include "common/platform.h"
#include "common/saturating_arithmetic.h"
#include "progress/practice_log.h"
#include "scores/highscore_file.h"
#include "selfcheck/range_panel.h"

#include <array>
#include <vector>

namespace velmo {
namespace {

constexpr std::array<char, 13> kRanks = {'A', 'K', 'Q', 'J', 'T', '9', '8', '7', '6', '5', '4', '3', '2'};
constexpr std::array<char, 4> kSuits = {'c', 'd', 'h', 's'};

// Only the first eleven places of a shuffled suit can be drawn.
constexpr int kDrawnPlaces = 11;

struct CardPick {
    int suit;
    int position;
    bool operator==(const CardPick&) const = default;
};

// The second card is drawn with these pauses, again and again while it
// equals the first: two cards of one deck are never the same card.
CardPick DrawSecondCard(Platform& platform)
{
    platform.PauseAndReseed(15);
    const int suit = platform.rand() % static_cast<int>(kSuits.size());
    platform.PauseAndReseed(231);
    const int position = platform.rand() % kDrawnPlaces;
    return {suit, position};
}

} // namespace

std::string DealTwoCards(Platform& platform)
{
    // Clubs, diamonds, hearts, spades, each shuffled as soon as it is filled.
    std::array<std::vector<std::string>, kSuits.size()> suitCards;
    for (std::size_t s = 0; s < kSuits.size(); ++s) {
        for (char rank : kRanks)
            suitCards[s].push_back(std::string{rank, kSuits[s]});
        platform.Shuffle(suitCards[s]);
    }

    platform.PauseAndReseed(154);
    const int suit = platform.rand() % static_cast<int>(kSuits.size());
    platform.PauseAndReseed(54);
    const CardPick first{suit, platform.rand() % kDrawnPlaces};

    CardPick second = DrawSecondCard(platform);
    while (second == first)
        second = DrawSecondCard(platform);

    const auto card = [&suitCards](const CardPick& pick) -> const std::string& {
        return suitCards[static_cast<std::size_t>(pick.suit)][static_cast<std::size_t>(pick.position)];
    };
    return card(first) + card(second);
}

RangeTrainer::RangeTrainer(Platform& platform, PracticeLog& log) : platform_(platform), log_(log) {}

void RangeTrainer::CorrectNext()
{
    Next(true);
}

void RangeTrainer::IncorrectNext()
{
    Next(false);
}

void RangeTrainer::Next(bool correct)
{
    platform_.SetBoxText(ids::kRangeCardBox, DealTwoCards(platform_));

    // The first press after the start or after Done has no hand to judge.
    if (correct && rangePressCount > 0)
        rangeCorrectCount = static_cast<float>(static_cast<double>(rangeCorrectCount) + 1.0);
    rangePressCount = SaturatingAdd(rangePressCount, 1);
    rangeAnsweredCount = static_cast<float>(static_cast<double>(rangeAnsweredCount) + 1.0);
    rangePercent =
        static_cast<float>(static_cast<double>(rangeCorrectCount) / static_cast<double>(rangeAnsweredCount) * 100.0);
    if (rangePressCount == 1)
        rangeAnsweredCount = 0.0f;

    platform_.SetBoxText(ids::kRangeResultBox, "Runs:" + NumberToText(platform_, rangeAnsweredCount) + ", " +
                                                   NumberToText(platform_, rangePercent) + " %");
}

void RangeTrainer::Done()
{
    // The score in double precision, truncated toward zero.
    const std::int32_t score =
        TruncateToInt32((static_cast<double>(rangePercent) / 10.0) * (static_cast<double>(rangeAnsweredCount) / 20.0));

    const HighscoreResult result = UpdateHighscore(platform_, slots::kRange, score);
    if (result.outcome == HighscoreOutcome::NewHighscore)
        platform_.SetBoxText(ids::kRangeResultBox, HighscoreText(platform_, result));
    LogRecord record;
    record.panel = LogPanel::Range;
    record.event = LogEvent::Done;
    record.score = score;
    record.highscore = result.outcome == HighscoreOutcome::NewHighscore;
    log_.Record(std::move(record));

    rangePressCount = 0;
    rangeCorrectCount = 0.0f;
    rangeAnsweredCount = 0.0f;
    rangePercent = 0.0f;
    platform_.SetBoxText(ids::kRangeCardBox, "");
}

} // namespace velmo
