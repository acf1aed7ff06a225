#include "app/web/web_platform.h"

#include "shell/help_texts.h"

#include <cstddef>

extern "C" {
// page_imports.js; velmo_show_message suspends the program until OK.
void velmo_set_box_text(int boxId, const char* text, std::size_t length);
void velmo_show_message(const char* text, std::size_t length, const char* caption, std::size_t captionLength);
}

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
