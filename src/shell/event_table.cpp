#include "shell/event_table.h"

#include "shell/help_texts.h"
#include "shell/trainer_set.h"

#include <vector>

namespace velmo {
namespace {

// The buttons in tab order; a button the panel's row gives no operation is
// left out, which the shell's tests catch.
std::vector<EventRow> JoinButtons()
{
    std::vector<EventRow> rows;
    for (const PanelRow& panel : Panels())
        for (const DialogControl& control : panel.controls) {
            if (control.kind != ControlKind::Button)
                continue;
            if (control.id == panel.helpButton)
                rows.push_back({control.id, &panel, nullptr, false});
            for (const PanelButton& button : panel.buttons)
                if (button.controlId == control.id)
                    rows.push_back({control.id, &panel, button.run, button.offersScore});
        }
    return rows;
}

} // namespace

std::span<const EventRow> EventTable()
{
    static const std::vector<EventRow> rows = JoinButtons();
    return rows;
}

const EventRow* FindEvent(int controlId)
{
    for (const EventRow& row : EventTable())
        if (row.controlId == controlId)
            return &row;
    return nullptr;
}

bool Dispatch(TrainerSet& trainers, int controlId)
{
    const EventRow* row = FindEvent(controlId);
    if (!row)
        return false;
    if (row->run)
        row->run(trainers.BuiltFor(*row->panel));
    else
        trainers.platform.ShowMessage(row->panel->helpText, kHelpCaption);
    return true;
}

} // namespace velmo
