// The panels that the Progress views give a page each: every panel that
// ends sessions with a score, under its caption in the dialog, the timed
// quizzes first.  (How to fold scores too, but its drill never ends, so its
// page only says so; SCORES and the Tilt Sensor keep no score of their own.)
#pragma once

#include "panel/panel_row.h"
#include "progress/log_record.h"

#include <span>
#include <string_view>

namespace velmo {

struct ProgressPanel {
    LogPanel panel;
    const PanelRow& (*row)();

    std::string_view caption() const { return row().caption(); }
};

std::span<const ProgressPanel> ProgressPanels();

} // namespace velmo
