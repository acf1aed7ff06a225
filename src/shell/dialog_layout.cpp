#include "shell/dialog_layout.h"

#include "shell/panels.h"

#include <vector>

namespace velmo {
namespace {

std::vector<ControlSpec> JoinPanels()
{
    std::vector<ControlSpec> rows;
    for (const PanelRow& panel : Panels())
        rows.insert(rows.end(), panel.controls.begin(), panel.controls.end());
    return rows;
}

} // namespace

std::span<const ControlSpec> DialogControls()
{
    static const std::vector<ControlSpec> rows = JoinPanels();
    return rows;
}

const ControlSpec* FindControl(int id)
{
    for (const ControlSpec& row : DialogControls())
        if (row.id != 0 && row.id == id)
            return &row;
    return nullptr;
}

bool IsTextBox(int id)
{
    const ControlSpec* row = FindControl(id);
    return row && (row->kind == ControlKind::LineEdit || row->kind == ControlKind::MultiLineEdit);
}

std::string AccessibleName(const ControlSpec& row)
{
    switch (row.kind) {
    case ControlKind::Button: {
        const PanelRow* panel = PanelOf(row.id);
        return std::string(row.caption) + ", " + std::string(panel ? panel->caption() : std::string_view{});
    }
    case ControlKind::GroupBox:
    case ControlKind::Label: return std::string(row.caption);
    case ControlKind::LineEdit:
    case ControlKind::MultiLineEdit: break;
    }
    return std::string(row.boxName);
}

} // namespace velmo
