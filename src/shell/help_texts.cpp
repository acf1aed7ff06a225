#include "shell/help_texts.h"

#include "shell/panels.h"

namespace velmo {

std::string_view HelpText(int helpButtonId)
{
    for (const PanelRow& panel : Panels())
        if (panel.helpButton == helpButtonId)
            return panel.helpText;
    return {};
}

} // namespace velmo
