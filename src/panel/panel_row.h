// A panel of the main dialog as one row of data, written beside its trainer
// (preflop/preflop_panel.cpp and the like): its controls with its caption on
// the group box, its Help text, the highscore slot it raises, its buttons and
// what they run, and the trainer it builds.  The shell lists the rows in
// order and reads the layout table, the event table, the Help texts and the
// trainer set from them, so a new trainer is its own files plus one line in
// the shell's list.
#pragma once

#include "panel/dialog_control.h"

#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>

namespace velmo {

class Platform;
class PracticeLog;
struct SituationStartTick;

// A trainer as the trainer set owns it, whatever its class.
struct BuiltTrainer {
    virtual ~BuiltTrainer();
};

template <class T> struct TrainerOf final : BuiltTrainer {
    template <class... Args> explicit TrainerOf(Args&... args) : trainer(args...) {}
    T trainer;
};

// The trainer of class T that a panel's row built.
template <class T> T& TrainerIn(BuiltTrainer& built)
{
    return dynamic_cast<TrainerOf<T>&>(built).trainer;
}

// What a button runs, given the trainer its panel built.
using Operation = void (*)(BuiltTrainer&);

// A button that runs `Method` of the panel's trainer.
template <class T, void (T::*Method)()> void Run(BuiltTrainer& built)
{
    (TrainerIn<T>(built).*Method)();
}

struct PanelButton {
    int controlId;
    Operation run;
    bool offersScore = false; // the press that may raise the panel's highscore slot
};

using TrainerBuilder = std::unique_ptr<BuiltTrainer> (*)(Platform&, SituationStartTick&, PracticeLog&);

// The builder of trainer class T: constructed over the platform, then the
// shared situation start tick and the practice log where its constructor
// takes them.
template <class T>
std::unique_ptr<BuiltTrainer> Build(Platform& platform, SituationStartTick& situationStart, PracticeLog& log)
{
    if constexpr (std::is_constructible_v<T, Platform&, SituationStartTick&, PracticeLog&>)
        return std::make_unique<TrainerOf<T>>(platform, situationStart, log);
    else if constexpr (std::is_constructible_v<T, Platform&, PracticeLog&>)
        return std::make_unique<TrainerOf<T>>(platform, log);
    else
        return std::make_unique<TrainerOf<T>>(platform);
}

struct PanelRow {
    // Its controls in template (tab) order, the group box first: the group
    // box's caption is the panel's caption.
    std::span<const DialogControl> controls;
    int helpButton;
    std::string_view helpText;
    std::optional<int> scoreSlot;         // the highscore slot its offering button may raise
    std::span<const PanelButton> buttons; // every button but Help
    TrainerBuilder build;

    std::string_view caption() const { return controls.front().caption; }
};

// The caption of the control `controlId` among the row's controls (empty
// for none), so that the log names an answer as its button does.
std::string_view CaptionOf(const PanelRow& row, int controlId);

} // namespace velmo
