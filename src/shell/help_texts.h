// The panels' Help texts (each written in its panel's row), shown by their
// Help buttons with the program's name as the caption.
#pragma once

#include "velmo_names.h"

#include <string_view>

namespace velmo {

inline constexpr std::string_view kHelpCaption = kProgramName;

// The text of Help button `helpButtonId`; empty for any other id.
std::string_view HelpText(int helpButtonId);

} // namespace velmo
