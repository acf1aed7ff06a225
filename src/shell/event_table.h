// The event table: every button's control id mapped to exactly one
// operation, read from the panels' rows.  The Qt and Win32 dialogs and the
// web page send each button's click to Dispatch, and the replay tool's
// "press" goes through Dispatch too.
#pragma once

#include "shell/panels.h"

#include <span>

namespace velmo {

struct TrainerSet;

struct EventRow {
    int controlId;
    const PanelRow* panel;
    Operation run;    // nullptr for a Help button, which shows its panel's Help text
    bool offersScore; // the press may raise the panel's highscore slot
};

// The buttons in tab order.
std::span<const EventRow> EventTable();

// The row of `controlId`, or nullptr when it is not a button.
const EventRow* FindEvent(int controlId);

// Runs the operation of `controlId`; false when it is not a button.
bool Dispatch(TrainerSet& trainers, int controlId);

} // namespace velmo
