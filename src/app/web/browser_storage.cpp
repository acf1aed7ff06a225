#include "app/web/browser_storage.h"

#include <cstddef>
#include <cstdlib>
#include <memory>

extern "C" {
// page_imports.js; each suspends the program until the browser answers.
// velmo_storage_read gives a malloc'd copy (the caller frees it) and its
// length through `length`, or null.
char* velmo_storage_read(const char* name, std::size_t* length);
int velmo_storage_write(const char* name, const char* content, std::size_t length);
int velmo_storage_lock(int waitMs);
void velmo_storage_unlock();
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

bool BrowserStorage::Write(const std::string& name, std::string_view content)
{
    return velmo_storage_write(name.c_str(), content.data(), content.size()) != 0;
}

bool BrowserStorage::Lock(std::chrono::milliseconds wait)
{
    return velmo_storage_lock(static_cast<int>(wait.count())) != 0;
}

void BrowserStorage::Unlock()
{
    velmo_storage_unlock();
}

} // namespace velmo
