// The site's storage as the browser keeps it (storage.js on the page): texts
// that survive reloads and restarts, and Web Locks shared by every tab.
#pragma once

#include "system/web/web_storage.h"

namespace velmo {

class BrowserStorage : public WebStorage {
public:
    std::optional<std::string> Read(const std::string& name) override;
    WriteResult Write(const std::string& name, std::string_view content, bool replace) override;
    bool TryLock(const std::string& name) override;
    void Unlock(const std::string& name) override;
    void Nap() override;
};

} // namespace velmo
