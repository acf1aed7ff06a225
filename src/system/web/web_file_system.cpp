#include "system/web/web_file_system.h"

#include <algorithm>

namespace velmo {
namespace {

// A kept file as it was read from the storage.  Writes fail: the storage
// replaces its texts only as a whole, through Publish.
class StoredText : public StoredFile {
public:
    explicit StoredText(std::string text) : text_(std::move(text)) {}

    std::optional<std::size_t> ReadAt(std::uint64_t offset, char* buffer, std::size_t size) override
    {
        return ReadTextAt(text_, offset, buffer, size);
    }
    std::optional<std::size_t> WriteAt(std::uint64_t, const char*, std::size_t) override { return std::nullopt; }
    bool Truncate(std::uint64_t) override { return false; }
    bool Flush() override { return true; }

private:
    std::string text_;
};

} // namespace

class WebFileStore::StorageLock : public FileLock {
public:
    StorageLock(WebFileStore& store, std::string name) : store_(store), name_(std::move(name)) {}
    ~StorageLock() override
    {
        store_.held_.erase(name_);
        store_.storage_.Unlock(name_);
    }
    StorageLock(const StorageLock&) = delete;
    StorageLock& operator=(const StorageLock&) = delete;

private:
    WebFileStore& store_;
    std::string name_;
};

bool WebFileStore::Kept(const std::string& path) const
{
    return std::find(kept_.begin(), kept_.end(), path) != kept_.end();
}

std::optional<Link> WebFileStore::LinkTarget(const std::string& /*path*/)
{
    return std::nullopt; // neither the storage nor the memory has links
}

std::vector<std::string> WebFileStore::List(const std::string& folder)
{
    return memory_.List(folder); // where temporaries could be left
}

OpenResult WebFileStore::Open(const std::string& path, bool forWriting)
{
    if (!Kept(path))
        return memory_.Open(path, forWriting);
    std::optional<std::string> text = storage_.Read(path);
    if (const auto held = held_.find(path); held != held_.end())
        held->second = text;
    if (!text)
        return {OpenResult::Status::Missing, nullptr};
    OpenResult result{OpenResult::Status::Opened, std::make_unique<StoredText>(std::move(*text))};
    result.writable = forWriting; // replaced whole by Publish
    return result;
}

CreateResult WebFileStore::CreateExclusive(const std::string& path)
{
    // A kept name is only ever made by publishing a temporary.
    if (Kept(path))
        return {CreateResult::Status::Failed, nullptr};
    return memory_.CreateExclusive(path);
}

CreateResult WebFileStore::CreateUnnamed(const std::string& target)
{
    return memory_.CreateUnnamed(target);
}

PublishResult WebFileStore::Name(StoredFile& file, const std::string& name)
{
    return Kept(name) ? PublishResult::Failed : memory_.Name(file, name);
}

LockResult WebFileStore::TryLock(const std::string& path)
{
    if (!Kept(path))
        return memory_.TryLock(path);
    if (!storage_.TryLock(path))
        return {LockResult::Status::Busy, nullptr};
    held_.insert_or_assign(path, std::nullopt);
    return {LockResult::Status::Held, std::make_unique<StorageLock>(*this, path)};
}

bool WebFileStore::KeepAttributes(StoredFile& /*from*/, StoredFile& /*to*/)
{
    return true; // neither place has attributes
}

PublishResult WebFileStore::Publish(StoredFile& file, const std::string& name, const std::string& target, bool replace)
{
    if (!Kept(target))
        return memory_.Publish(file, name, target, replace);
    const std::optional<std::string> text = ReadWhole(file);
    if (!text)
        return PublishResult::Failed;
    const auto held = held_.find(target);
    const bool unchanged = replace && held != held_.end() && held->second == text;
    if (!unchanged) {
        switch (storage_.Write(target, *text, replace)) {
        case WebStorage::WriteResult::Done: break;
        case WebStorage::WriteResult::Exists: return PublishResult::Exists;
        case WebStorage::WriteResult::Refused: return PublishResult::Failed;
        }
        if (held != held_.end())
            held->second = text;
    }
    if (!name.empty())
        memory_.Delete(file, name); // the temporary now lives in the storage
    return PublishResult::Done;
}

void WebFileStore::Delete(StoredFile& file, const std::string& name)
{
    if (!Kept(name))
        memory_.Delete(file, name);
}

Standing WebFileStore::Look(const std::string& name)
{
    if (!Kept(name))
        return memory_.Look(name);
    Standing standing;
    standing.kind = Standing::Kind::Other; // the storage removes nothing
    return standing;
}

RemoveResult WebFileStore::RemoveIfStill(const std::string& name, Standing& standing)
{
    return memory_.RemoveIfStill(name, standing);
}

} // namespace velmo
