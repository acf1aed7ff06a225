// The event table: every button's control id mapped to exactly one
// operation.  The Qt dialog connects each button's click to Dispatch, and
// the replay tool's "press" goes through Dispatch too.
#pragma once

#include <span>

namespace velmo {

struct TrainerSet;

using Operation = void (*)(TrainerSet&);

struct EventRow {
    int controlId;
    Operation run;
};

std::span<const EventRow> EventTable();

// The row of `controlId`, or nullptr when it is not a button.
const EventRow* FindEvent(int controlId);

// Runs the operation of `controlId`; false when it is not a button.
bool Dispatch(TrainerSet& trainers, int controlId);

} // namespace velmo
