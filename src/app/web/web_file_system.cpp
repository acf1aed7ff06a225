#include "app/web/web_file_system.h"

#include <sstream>

namespace velmo {
namespace {

// Holds the storage lock for one scope.
class StorageLock {
public:
    explicit StorageLock(WebStorage& storage) : storage_(storage), held_(storage.Lock(WebFileSystem::kLockWait)) {}
    ~StorageLock()
    {
        if (held_)
            storage_.Unlock();
    }
    StorageLock(const StorageLock&) = delete;
    StorageLock& operator=(const StorageLock&) = delete;
    bool held() const { return held_; }

private:
    WebStorage& storage_;
    bool held_;
};

} // namespace

std::unique_ptr<std::istream> WebFileSystem::OpenForReading(const std::string& path)
{
    std::optional<std::string> content = storage_.Read(path);
    if (!content)
        return nullptr;
    return std::make_unique<std::istringstream>(std::move(*content));
}

ScratchRoundTrip WebFileSystem::RoundTripScratch(const std::string& path, std::string_view content)
{
    return scratch_.RoundTripScratch(path, content);
}

bool WebFileSystem::CreateExclusively(const std::string& path, std::string_view content)
{
    const StorageLock lock(storage_);
    return lock.held() && !storage_.Read(path) && storage_.Write(path, content);
}

void WebFileSystem::RemoveStaleTemporaries(const std::string& /*path*/)
{
    // A stored text is replaced as a whole: no temporary ever stands.
}

bool WebFileSystem::Rewrite(const std::string& path, std::string_view content)
{
    const StorageLock lock(storage_);
    return lock.held() && storage_.Write(path, content);
}

UpdateOutcome WebFileSystem::Update(const std::string& path, const Change& change)
{
    const StorageLock lock(storage_);
    if (!lock.held())
        return UpdateOutcome::Unreadable;
    const std::optional<std::string> content = storage_.Read(path);
    if (!content)
        return UpdateOutcome::Unreadable;
    std::istringstream current(*content);
    const std::optional<std::string> next = change(current);
    if (!next)
        return UpdateOutcome::Unchanged;
    return storage_.Write(path, *next) ? UpdateOutcome::Written : UpdateOutcome::WriteFailed;
}

} // namespace velmo
