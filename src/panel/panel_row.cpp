#include "panel/panel_row.h"

namespace velmo {

// Out of line, so that the class's virtual table has one home.
BuiltTrainer::~BuiltTrainer() = default;

std::string_view CaptionOf(const PanelRow& row, int controlId)
{
    for (const DialogControl& control : row.controls)
        if (control.id == controlId)
            return control.caption;
    return {};
}

} // namespace velmo
