#include "app/web/web_platform.h"

#include "shell/help_texts.h"

#include "system/web/page_imports.h"

namespace velmo {

void WebPlatform::SetBoxText(int boxId, std::string_view text)
{
    velmo_set_box_text(boxId, text.data(), text.size());
}

void WebPlatform::ShowMessage(std::string_view text, std::optional<std::string_view> caption)
{
    // Without a caption of its own a message shows the program's name.
    const std::string_view title = caption.value_or(kHelpCaption);
    velmo_show_message(text.data(), text.size(), title.data(), title.size());
}

} // namespace velmo
