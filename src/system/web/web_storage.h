// The narrow seam between the web edition's files and the browser: named
// texts kept in the site's storage, each replaced only as a whole, and a lock
// per name that every tab of the site honours.  The browser's own
// implementation is browser_storage.cpp; tests use one in memory that can
// refuse.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmo {

class WebStorage {
public:
    enum class WriteResult {
        Done,
        Exists,  // a write that may not replace found the name taken
        Refused, // the storage is full or turned off; the old text stays
    };

    virtual ~WebStorage() = default;

    // The stored text under `name`; nullopt when there is none or the
    // storage cannot be read at all.
    virtual std::optional<std::string> Read(const std::string& name) = 0;

    // Stores `content` under `name` as a whole, in one step: replacing the
    // old text when `replace`, else only where there is none.
    virtual WriteResult Write(const std::string& name, std::string_view content, bool replace) = 0;

    // Takes the lock for `name` if no tab holds it, without waiting.
    virtual bool TryLock(const std::string& name) = 0;
    virtual void Unlock(const std::string& name) = 0;

    // Lets the page run for about a millisecond, so that another tab can
    // finish what it holds the lock for.
    virtual void Nap() = 0;
};

} // namespace velmo
