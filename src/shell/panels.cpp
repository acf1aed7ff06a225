#include "shell/panels.h"

#include "odds/fold_panel.h"
#include "odds/odds_panel.h"
#include "preflop/preflop_panel.h"
#include "scores/scores_panel.h"
#include "selfcheck/patience_panel.h"
#include "selfcheck/range_panel.h"
#include "selfcheck/tilt_panel.h"
#include "shell/dialog_layout.h"
#include "tournament/tournament_panel.h"

#include <functional>

namespace velmo {

std::span<const PanelRow> Panels()
{
    // Template order: the order of the panels is the dialog's tab order.
    static const PanelRow panels[] = {
        RangePanel(),      // Manual Range Practice
        TiltPanel(),       // Tilt Sensor
        OddsPanel(),       // RE/Odds
        FoldPanel(),       // How to fold
        PatiencePanel(),   // Patience
        ScoresPanel(),     // SCORES
        TournamentPanel(), // Tournaments
        PreflopPanel(),    // Preflop Situation Trainer
    };
    return panels;
}

const PanelRow* PanelOf(int id)
{
    if (id == 0)
        return nullptr;
    for (const PanelRow& panel : Panels())
        for (const DialogControl& control : panel.controls)
            if (control.id == id)
                return &panel;
    return nullptr;
}

const PanelRow* PanelOf(const DialogControl& row)
{
    const std::span<const DialogControl> all = DialogControls();
    // std::less orders any two pointers, so a row from elsewhere is told apart.
    const std::less<const DialogControl*> before;
    if (before(&row, all.data()) || !before(&row, all.data() + all.size()))
        return nullptr;
    auto index = static_cast<std::size_t>(&row - all.data());
    for (const PanelRow& panel : Panels()) {
        if (index < panel.controls.size())
            return &panel;
        index -= panel.controls.size();
    }
    return nullptr;
}

} // namespace velmo
