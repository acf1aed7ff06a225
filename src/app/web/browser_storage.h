// The site's storage as the browser keeps it (storage.js on the page): texts
// that survive reloads and restarts, and a lock shared by every tab.
#pragma once

#include "app/web/web_storage.h"

namespace velmo {

class BrowserStorage : public WebStorage {
public:
    std::optional<std::string> Read(const std::string& name) override;
    bool Write(const std::string& name, std::string_view content) override;
    bool Lock(std::chrono::milliseconds wait) override;
    void Unlock() override;
};

} // namespace velmo
