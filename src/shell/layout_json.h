// The layout table as the web page reads it: one JSON object with the
// dialog's size in dialog units and its controls in tab order, each with
// its kind, caption, place, panel (its place among the panels, -1 for none)
// and accessible name.  Built here so that the page gets exactly the rows
// the other windows build from.
#pragma once

#include <string>

namespace velmo {

std::string LayoutJson();

} // namespace velmo
