#include "tournament/tournament_draw.h"

#include "tournament/tournament_tables.h"

#include "common/platform.h"

#include <utility>

namespace velmo {
namespace {

constexpr std::uint32_t kGroupPauseMs = 126;
constexpr std::uint32_t kHandPauseMs = 16;
// Only positions 1 to 10 of the shuffled descriptions are picked; the shuffle
// makes every description equally likely all the same.
constexpr int kDescriptionPickRange = 10;

} // namespace

TournamentDraw DrawTournamentSituation(Platform& platform)
{
    platform.PauseAndReseed(kGroupPauseMs);
    const int number = platform.rand() % kTournamentGroupCount + 1;
    const TournamentGroup& group = TournamentGroups()[static_cast<std::size_t>(number - 1)];

    const auto descriptions = platform.ShuffledCopy(group.descriptions);
    platform.PauseAndReseed(group.pauseMs);
    const int i = platform.rand() % kDescriptionPickRange + 1;

    const auto hands = platform.ShuffledCopy(group.hands);
    platform.PauseAndReseed(kHandPauseMs);
    const int j = platform.rand() % group.handPickRange + 1;

    std::string text(descriptions[static_cast<std::size_t>(i)]);
    text += hands[static_cast<std::size_t>(j)];
    return {std::move(text), number};
}

bool GroupExpects(int group, TournamentAnswer answer)
{
    return group >= 1 && group <= kTournamentGroupCount &&
           TournamentGroups()[static_cast<std::size_t>(group - 1)].expected == answer;
}

} // namespace velmo
