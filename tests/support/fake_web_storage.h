// The site's storage in memory, for the web edition's files without a
// browser: it refuses writes or keeps a name locked by another tab on demand.
#pragma once

#include "system/web/web_storage.h"

#include <map>
#include <set>
#include <string>
#include <thread>

namespace velmo::test {

class FakeWebStorage : public WebStorage {
public:
    std::optional<std::string> Read(const std::string& name) override
    {
        const auto it = texts.find(name);
        return it == texts.end() ? std::nullopt : std::optional(it->second);
    }
    WriteResult Write(const std::string& name, std::string_view content, bool replace) override
    {
        ++writes;
        if (refuseWrites)
            return WriteResult::Refused;
        if (!replace && texts.contains(name))
            return WriteResult::Exists;
        texts[name] = std::string(content);
        return WriteResult::Done;
    }
    bool TryLock(const std::string& name) override { return locked.insert(name).second; }
    void Unlock(const std::string& name) override { locked.erase(name); }
    void Nap() override { std::this_thread::yield(); }

    std::map<std::string, std::string> texts;
    std::set<std::string> locked; // by this program or, put here by a test, by another tab
    bool refuseWrites = false;
    int writes = 0; // asked for, refused ones too
};

} // namespace velmo::test
