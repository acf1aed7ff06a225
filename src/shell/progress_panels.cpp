#include "shell/progress_panels.h"

#include "odds/fold_panel.h"
#include "odds/odds_panel.h"
#include "preflop/preflop_panel.h"
#include "selfcheck/patience_panel.h"
#include "selfcheck/range_panel.h"
#include "tournament/tournament_panel.h"

namespace velmo {

std::span<const ProgressPanel> ProgressPanels()
{
    static constexpr ProgressPanel panels[] = {
        {LogPanel::Preflop, PreflopPanel}, {LogPanel::Tournament, TournamentPanel}, {LogPanel::Odds, OddsPanel},
        {LogPanel::Fold, FoldPanel},       {LogPanel::Range, RangePanel},           {LogPanel::Patience, PatiencePanel},
    };
    return panels;
}

} // namespace velmo
