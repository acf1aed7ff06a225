// The platform of the page: box texts go to the page's text fields, messages
// to its modal message box, whose OK the program waits for as the desktop
// waits for a message box's.
#pragma once

#include "common/platform.h"

namespace velmo {

class WebPlatform : public Platform {
public:
    using Platform::Platform;

    void SetBoxText(int boxId, std::string_view text) override;
    void ShowMessage(std::string_view text, std::optional<std::string_view> caption = std::nullopt) override;
};

} // namespace velmo
