// The eight Help texts, shown by the panels' Help buttons with the caption
// "Velmorandine".
#pragma once

#include <string_view>

namespace velmo {

class Platform;

inline constexpr std::string_view kHelpCaption = "Velmorandine";

// The text of Help button `helpButtonId`; empty for any other id.
std::string_view HelpText(int helpButtonId);

void ShowHelp(Platform& platform, int helpButtonId);

} // namespace velmo
