#include "system/web/browser_storage.h"

#include <cstddef>
#include <cstdlib>
#include <memory>

extern "C" {
// page_imports.js; each but unlock suspends the program until the browser
// answers.  velmo_storage_read gives a malloc'd copy (the caller frees it)
// and its length through `length`, or null.  velmo_storage_write answers
// 1 done, 2 exists, 0 refused.
char* velmo_storage_read(const char* name, std::size_t* length);
int velmo_storage_write(const char* name, const char* content, std::size_t length, int replace);
int velmo_storage_try_lock(const char* name);
void velmo_storage_unlock(const char* name);
void velmo_storage_nap();
}

namespace velmo {

std::optional<std::string> BrowserStorage::Read(const std::string& name)
{
    std::size_t length = 0;
    const std::unique_ptr<char, decltype(&std::free)> text(velmo_storage_read(name.c_str(), &length), &std::free);
    if (!text)
        return std::nullopt;
    return std::string(text.get(), length);
}

WebStorage::WriteResult BrowserStorage::Write(const std::string& name, std::string_view content, bool replace)
{
    switch (velmo_storage_write(name.c_str(), content.data(), content.size(), replace ? 1 : 0)) {
    case 1: return WriteResult::Done;
    case 2: return WriteResult::Exists;
    default: return WriteResult::Refused;
    }
}

bool BrowserStorage::TryLock(const std::string& name)
{
    return velmo_storage_try_lock(name.c_str()) != 0;
}

void BrowserStorage::Unlock(const std::string& name)
{
    velmo_storage_unlock(name.c_str());
}

void BrowserStorage::Nap()
{
    velmo_storage_nap();
}

} // namespace velmo
