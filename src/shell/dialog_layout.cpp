#include "shell/dialog_layout.h"

#include "shell/panels.h"

#include <algorithm>
#include <vector>

namespace velmo {
namespace {

std::vector<DialogControl> JoinPanels()
{
    std::vector<DialogControl> rows;
    for (const PanelRow& panel : Panels())
        rows.insert(rows.end(), panel.controls.begin(), panel.controls.end());
    return rows;
}

struct Extent {
    int width, height;
};

Extent Measure()
{
    int left = DialogControls().front().x, top = DialogControls().front().y, right = 0, bottom = 0;
    for (const DialogControl& row : DialogControls()) {
        left = std::min(left, row.x);
        top = std::min(top, row.y);
        right = std::max(right, row.x + row.width);
        bottom = std::max(bottom, row.y + row.height);
    }
    return {right + left, bottom + top};
}

const Extent& DialogExtent()
{
    static const Extent extent = Measure();
    return extent;
}

} // namespace

int DialogWidthDu()
{
    return DialogExtent().width;
}

int DialogHeightDu()
{
    return DialogExtent().height;
}

std::span<const DialogControl> DialogControls()
{
    static const std::vector<DialogControl> rows = JoinPanels();
    return rows;
}

const DialogControl* FindControl(int id)
{
    for (const DialogControl& row : DialogControls())
        if (row.id != 0 && row.id == id)
            return &row;
    return nullptr;
}

bool IsTextBox(int id)
{
    const DialogControl* row = FindControl(id);
    return row && (row->kind == ControlKind::LineEdit || row->kind == ControlKind::MultiLineEdit);
}

std::string AccessibleName(const DialogControl& row)
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
