// The narrow seam between the web edition's file system and the browser:
// named texts kept in the site's storage, and one lock that every tab of the
// site honours.  The browser's own implementation is browser_storage.cpp;
// tests use one in memory that can refuse.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace velmo {

class WebStorage {
public:
    virtual ~WebStorage() = default;

    // The stored text under `name`; nullopt when there is none or the
    // storage cannot be read at all.
    virtual std::optional<std::string> Read(const std::string& name) = 0;

    // Stores `content` under `name` as a whole; false when the storage
    // refuses (full, or turned off), the old text then intact.
    virtual bool Write(const std::string& name, std::string_view content) = 0;

    // Takes the site's one storage lock, waiting at most `wait` for another
    // tab to let it go; false when it could not be had.
    virtual bool Lock(std::chrono::milliseconds wait) = 0;
    virtual void Unlock() = 0;
};

} // namespace velmo
