#include "system/web/browser_storage.h"

#include "system/web/page_imports.h"

#include <cstddef>
#include <cstdlib>
#include <memory>

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
    switch (static_cast<PageWriteAnswer>(velmo_storage_write(name.c_str(), content.data(), content.size(), replace))) {
    case PageWriteAnswer::Done: return WriteResult::Done;
    case PageWriteAnswer::Exists: return WriteResult::Exists;
    case PageWriteAnswer::Refused: break;
    }
    return WriteResult::Refused;
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
