// The dialog's panels, one row each: everything that belongs to a panel is
// written in its row (its controls with its caption on the group box, its
// Help text, the highscore slot it raises, its buttons and what they run, the
// trainer it builds).  The layout table, the event table, the Help texts and
// the trainer set are all read from these rows.  A new trainer still needs,
// besides its own source files and its row here, its control IDs in
// common/control_ids.h and, where it keeps a score, a slot in
// scores/highscore_file.h.
#pragma once

#include "shell/dialog_layout.h"

#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>

namespace velmo {

class Platform;
struct SituationStartTick;
struct TrainerSet;
struct PanelRow;

// What a button runs; Help buttons run ShowPanelHelp with their own panel.
using Operation = void (*)(TrainerSet&, const PanelRow&);

struct PanelButton {
    int controlId;
    Operation run;
    bool offersScore = false; // the press that may raise the panel's highscore slot
};

// A trainer as the trainer set owns it, whatever its class (TrainerSet::Get
// finds it again by class).
struct BuiltTrainer {
    virtual ~BuiltTrainer() = default;
};

template <class T> struct TrainerOf final : BuiltTrainer {
    template <class... Args> explicit TrainerOf(Args&... args) : trainer(args...) {}
    T trainer;
};

using TrainerBuilder = std::unique_ptr<BuiltTrainer> (*)(Platform&, SituationStartTick&);

// The builder of trainer class T: constructed over the platform, and over
// the shared situation start tick when its constructor takes one.
template <class T> std::unique_ptr<BuiltTrainer> Build(Platform& platform, SituationStartTick& situationStart)
{
    if constexpr (std::is_constructible_v<T, Platform&, SituationStartTick&>)
        return std::make_unique<TrainerOf<T>>(platform, situationStart);
    else
        return std::make_unique<TrainerOf<T>>(platform);
}

struct PanelRow {
    // Its controls in template (tab) order, the group box first: the group
    // box's caption is the panel's caption.
    std::span<const ControlSpec> controls;
    int helpButton;
    std::string_view helpText;
    std::optional<int> scoreSlot;         // the highscore slot its offering button may raise
    std::span<const PanelButton> buttons; // every button but Help
    TrainerBuilder build;

    std::string_view caption() const { return controls.front().caption; }
};

// Every panel, in template order.
std::span<const PanelRow> Panels();

// The panel that holds control `id`, or nullptr when none does.
const PanelRow* PanelOf(int id);

// The panel of a row of DialogControls() (group boxes and labels included,
// which have no id of their own), or nullptr for a row from elsewhere.
const PanelRow* PanelOf(const ControlSpec& row);

// Shows the panel's Help text, captioned with the program's name.
void ShowPanelHelp(TrainerSet& trainers, const PanelRow& panel);

} // namespace velmo
