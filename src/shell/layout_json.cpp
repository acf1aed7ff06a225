#include "shell/layout_json.h"

#include "common/json_text.h"
#include "shell/dialog_layout.h"
#include "shell/panels.h"

#include <cstddef>
#include <sstream>

namespace velmo {
namespace {

const char* KindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::GroupBox: return "group";
    case ControlKind::Button: return "button";
    case ControlKind::LineEdit: return "line";
    case ControlKind::MultiLineEdit: return "multiline";
    case ControlKind::Label: return "label";
    }
    return "";
}

// The touch layout shows one panel at a time, by its place among the panels.
std::ptrdiff_t PanelIndex(const DialogControl& row)
{
    const PanelRow* panel = PanelOf(row);
    return panel ? panel - Panels().data() : -1;
}

} // namespace

std::string LayoutJson()
{
    std::ostringstream json;
    json << "{\"width\":" << DialogWidthDu() << ",\"height\":" << DialogHeightDu() << ",\"controls\":[";
    const char* separator = "";
    for (const DialogControl& row : DialogControls()) {
        json << separator << "{\"id\":" << row.id << ",\"kind\":\"" << KindName(row.kind)
             << "\",\"caption\":" << JsonString(row.caption) << ",\"x\":" << row.x << ",\"y\":" << row.y
             << ",\"width\":" << row.width << ",\"height\":" << row.height << ",\"panel\":" << PanelIndex(row)
             << ",\"name\":" << JsonString(AccessibleName(row)) << ",\"left\":" << (row.leftAligned ? "true" : "false")
             << "}";
        separator = ",";
    }
    json << "]}";
    return json.str();
}

} // namespace velmo
