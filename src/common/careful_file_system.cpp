#include "common/file_system.h"

#include "common/chunk_stream.h"
#include "common/temporary_names.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <utility>

namespace velmo {
namespace {

namespace fs = std::filesystem;

// How many fresh names a temporary tries before giving up: a clash is rare.
constexpr int kNameAttempts = 100;

fs::path FromUtf8(const std::string& text)
{
    return fs::path(std::u8string(text.begin(), text.end()));
}

std::string ToUtf8(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string FolderOf(const std::string& target)
{
    const fs::path folder = FromUtf8(target).parent_path();
    return folder.empty() ? std::string(".") : ToUtf8(folder);
}

// Reads a StoredFile from its start, chunk by chunk.
class StoredFileStreamBuf : public ChunkStreamBuf {
public:
    explicit StoredFileStreamBuf(StoredFile& file) : file_(file) {}
    explicit StoredFileStreamBuf(std::unique_ptr<StoredFile> owned) : owned_(std::move(owned)), file_(*owned_) {}

protected:
    std::size_t ReadChunk(char* buffer, std::size_t size) override
    {
        const auto n = file_.ReadAt(offset_, buffer, size);
        if (!n)
            return 0;
        offset_ += *n;
        return *n;
    }

private:
    std::unique_ptr<StoredFile> owned_;
    StoredFile& file_;
    std::uint64_t offset_ = 0;
};

using StoredFileStream = ChunkIStream<StoredFileStreamBuf>;

// Up to `limit` bytes from the start of `file`: fewer where it is shorter.
std::optional<std::string> ReadPrefix(StoredFile& file, std::size_t limit)
{
    std::string content;
    char buffer[4096];
    while (content.size() < limit) {
        const auto n = file.ReadAt(content.size(), buffer, std::min(sizeof buffer, limit - content.size()));
        if (!n)
            return std::nullopt;
        if (*n == 0)
            break;
        content.append(buffer, *n);
    }
    return content;
}

} // namespace

std::optional<std::string> ReadWhole(StoredFile& file)
{
    return ReadPrefix(file, std::string().max_size());
}

struct CarefulFileSystem::Target {
    enum class State { Open, Missing, Unusable };
    State state = State::Unusable;
    std::unique_ptr<FileLock> lock;
    OpenResult opened;
};

struct CarefulFileSystem::Temporary {
    std::unique_ptr<StoredFile> file;
    std::string name; // empty while it has none
};

CarefulFileSystem::CarefulFileSystem(std::unique_ptr<FileStore> store, std::chrono::milliseconds lockWait)
    : store_(std::move(store)), lockWait_(lockWait)
{
}

RealFileSystem::RealFileSystem(std::chrono::milliseconds lockWait) : CarefulFileSystem(MakeSystemFileStore(), lockWait)
{
}

std::optional<std::string> CarefulFileSystem::Resolve(const std::string& path)
{
    std::string current = path;
    for (int links = 0;; ++links) {
        auto next = store_->LinkTarget(current);
        if (!next)
            return current;
        if (links == store_->LinkLimit())
            return std::nullopt;
        current = std::move(*next);
    }
}

OpenResult CarefulFileSystem::OpenWithin(const std::string& target, bool forWriting, Clock::time_point deadline)
{
    for (;;) {
        OpenResult opened = store_->Open(target, forWriting);
        if (opened.status != OpenResult::Status::Busy || Clock::now() >= deadline)
            return opened;
        store_->Nap();
    }
}

CarefulFileSystem::Target CarefulFileSystem::LockAndOpen(const std::string& target)
{
    // A lease or another program's lock may be given up at any moment: both
    // are tried again until the one deadline.
    const auto deadline = Clock::now() + lockWait_;
    Target locked;
    for (;;) {
        LockResult attempt = store_->TryLock(target);
        if (attempt.status != LockResult::Status::Busy) {
            locked.lock = std::move(attempt.lock);
            break;
        }
        if (Clock::now() >= deadline)
            return locked;
        store_->Nap();
    }
    locked.opened = OpenWithin(target, true, deadline);
    switch (locked.opened.status) {
    case OpenResult::Status::Opened: locked.state = Target::State::Open; break;
    case OpenResult::Status::Missing: locked.state = Target::State::Missing; break;
    default: locked.state = Target::State::Unusable; break;
    }
    return locked;
}

bool CarefulFileSystem::WriteAll(const std::string& path, StoredFile& file, std::string_view data)
{
    std::uint64_t offset = 0;
    while (!data.empty()) {
        const std::size_t allowed = std::min(WriteAllowance(path, data.size()), data.size());
        if (allowed == 0)
            return false;
        const auto n = file.WriteAt(offset, data.data(), allowed);
        if (!n || *n == 0)
            return false;
        data.remove_prefix(*n);
        offset += *n;
    }
    return true;
}

std::optional<CarefulFileSystem::Temporary> CarefulFileSystem::MakeTemporary(const std::string& target,
                                                                             CreateResult::Status& refusal)
{
    CreateResult unnamed = store_->CreateUnnamed(target);
    if (unnamed.status == CreateResult::Status::Created)
        return Temporary{std::move(unnamed.file), {}};
    const fs::path native = FromUtf8(target);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string name = ToUtf8(FreshTemporaryPath(native));
        CreateResult made = store_->CreateExclusive(name);
        if (made.status == CreateResult::Status::Created)
            return Temporary{std::move(made.file), std::move(name)};
        refusal = made.status;
        if (made.status != CreateResult::Status::Exists)
            return std::nullopt;
    }
    refusal = CreateResult::Status::Failed;
    return std::nullopt;
}

bool CarefulFileSystem::PublishWithin(Temporary& temp, const std::string& target, bool replace)
{
    PublishResult result = PublishResult::Failed;
    // A program reading the target may keep it from being replaced (on
    // Windows): wait for it, briefly.
    const auto deadline = Clock::now() + kReaderWait;
    for (;;) {
        result = store_->Publish(*temp.file, temp.name, target, replace);
        if (result != PublishResult::Busy || Clock::now() >= deadline)
            break;
        store_->Nap();
    }
    if (result == PublishResult::Done)
        return true;
    store_->Delete(*temp.file, temp.name);
    return false;
}

// The careful second best, for a folder that takes no new file and for a
// file with more than one name: the new content written over the old,
// flushed, then cut to length.  Only the bytes it overwrites are kept aside,
// so a failed write puts them back (the rest of the old file is still there,
// as the cut comes last) and a huge file costs no more memory than the list.
bool CarefulFileSystem::RewriteInPlace(const std::string& path, StoredFile& file, std::string_view content)
{
    try {
        const auto old = ReadPrefix(file, content.size());
        if (!old)
            return false;
        if (WriteAll(path, file, content) && file.Flush() && file.Truncate(content.size()))
            return file.Flush();
        // Best effort: the write has already failed, and the caller reports it.
        if (!old->empty())
            file.WriteAt(0, old->data(), old->size());
        if (old->size() < content.size())
            file.Truncate(old->size()); // the old file ended there
        file.Flush();
        return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool CarefulFileSystem::Replace(const std::string& path, const std::string& target, Target& locked,
                                std::string_view content)
{
    OpenResult& opened = locked.opened;
    if (!opened.writable || opened.readOnly)
        return false; // a file the player made read-only is not replaced behind its back
    if (opened.names > 1)
        return RewriteInPlace(path, *opened.file, content); // every name sees the new list
    CreateResult::Status refusal = CreateResult::Status::Failed;
    auto temp = MakeTemporary(target, refusal);
    if (!temp) {
        // Only a folder that refuses new files is written in place; any other
        // failure (no descriptors left, a full disk) keeps the old file.
        return refusal == CreateResult::Status::Refused && RewriteInPlace(path, *opened.file, content);
    }
    // Owner and mode first: changing the owner may clear set-id bits.
    store_->KeepAttributes(*opened.file, *temp->file);
    if (!WriteAll(path, *temp->file, content) || !temp->file->Flush()) {
        store_->Delete(*temp->file, temp->name);
        return false;
    }
    opened.file.reset(); // no open file may stand in the way of the replacement
    if (PublishWithin(*temp, target, true))
        return true;
    // The folder took the new file but not the replacement: in place, then.
    OpenResult reopened = store_->Open(target, true);
    if (reopened.status != OpenResult::Status::Opened || !reopened.writable || reopened.readOnly)
        return false;
    return RewriteInPlace(path, *reopened.file, content);
}

bool CarefulFileSystem::CreateWhole(const std::string& path, const std::string& target, std::string_view content,
                                    bool replace)
{
    CreateResult::Status refusal = CreateResult::Status::Failed;
    auto temp = MakeTemporary(target, refusal);
    if (!temp)
        return false;
    if (!WriteAll(path, *temp->file, content) || !temp->file->Flush()) {
        store_->Delete(*temp->file, temp->name);
        return false;
    }
    return PublishWithin(*temp, target, replace);
}

std::unique_ptr<std::istream> CarefulFileSystem::OpenForReading(const std::string& path)
{
    const auto target = Resolve(path);
    if (!target)
        return nullptr;
    OpenResult opened = store_->Open(*target, false);
    if (opened.status != OpenResult::Status::Opened)
        return nullptr;
    return std::make_unique<StoredFileStream>(std::move(opened.file));
}

ScratchRoundTrip CarefulFileSystem::RoundTripScratch(const std::string& path, std::string_view content)
{
    using Status = ScratchRoundTrip::Status;
    const auto deadline = Clock::now() + lockWait_;
    std::unique_ptr<StoredFile> file;
    // Created afresh.  What stands under the name is removed only when it is
    // a plain file no running program holds (a scratch file a killed run
    // left); one that another program still holds is waited for, briefly;
    // anything else (a link, a directory, a FIFO, a read-only or hard-linked
    // file) is never removed, and the number cannot be shown.
    for (;;) {
        CreateResult made = store_->CreateExclusive(path);
        if (made.status == CreateResult::Status::Created) {
            file = std::move(made.file);
            break;
        }
        if (made.status != CreateResult::Status::Exists)
            return {Status::NotWritten, {}};
        switch (store_->RemoveIfUnused(path)) {
        case RemoveResult::Removed:
        case RemoveResult::Gone: break;
        case RemoveResult::InUse: store_->Nap(); break;
        case RemoveResult::Kept: return {Status::NotWritten, {}};
        }
        if (Clock::now() >= deadline)
            return {Status::NotWritten, {}};
    }
    if (!WriteAll(path, *file, content)) {
        store_->Delete(*file, path);
        return {Status::NotWritten, {}};
    }
    auto readBack = ReadBackAllowed() ? ReadWhole(*file) : std::nullopt;
    if (!readBack)
        return {Status::NotReadBack, {}};
    store_->Delete(*file, path);
    return {Status::Done, std::move(*readBack)};
}

bool CarefulFileSystem::CreateExclusively(const std::string& path, std::string_view content)
{
    // Written aside and published whole, only where nothing stands: no other
    // program ever reads a half-made list, and two that start at once both
    // leave a whole one.
    const auto target = Resolve(path);
    return target && CreateWhole(path, *target, content, false);
}

void CarefulFileSystem::RemoveStaleTemporaries(const std::string& path)
{
    const std::string target = Resolve(path).value_or(path);
    const fs::path native = FromUtf8(target);
    const std::string folder = FolderOf(target);
    for (const std::string& entry : store_->List(folder)) {
        if (IsTemporaryName(FromUtf8(entry), native))
            store_->RemoveIfUnused(ToUtf8(FromUtf8(folder) / FromUtf8(entry)));
    }
}

bool CarefulFileSystem::Rewrite(const std::string& path, std::string_view content)
{
    const auto target = Resolve(path);
    if (!target)
        return false;
    Target locked = LockAndOpen(*target);
    switch (locked.state) {
    case Target::State::Open: return Replace(path, *target, locked, content);
    case Target::State::Missing: return CreateWhole(path, *target, content, true);
    case Target::State::Unusable: break;
    }
    return false;
}

UpdateOutcome CarefulFileSystem::Update(const std::string& path, const Change& change)
{
    const auto target = Resolve(path);
    if (!target)
        return UpdateOutcome::Unreadable;
    Target locked = LockAndOpen(*target);
    if (locked.state != Target::State::Open)
        return UpdateOutcome::Unreadable;
    std::optional<std::string> content;
    {
        StoredFileStream current(*locked.opened.file);
        content = change(current);
    }
    if (!content)
        return UpdateOutcome::Unchanged;
    return Replace(path, *target, locked, *content) ? UpdateOutcome::Written : UpdateOutcome::WriteFailed;
}

} // namespace velmo
