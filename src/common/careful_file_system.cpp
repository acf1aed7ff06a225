#include "common/file_system.h"

#include "common/chunk_stream.h"
#include "common/path_text.h"
#include "common/temporary_names.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <new>
#include <utility>

namespace velmo {
namespace {

namespace fs = std::filesystem;

// How many fresh names a temporary tries before giving up: a clash is rare.
constexpr int kNameAttempts = 100;

// What a claim on a fresh temporary name came to.
enum class Claim { Taken, Clash, Failed };

// Offers fresh temporary names beside `target` to `claim` until it takes
// one; a clash is rare, so the offers are bounded.
template <typename ClaimName> std::optional<std::string> ClaimFreshName(const std::string& target, ClaimName claim)
{
    const fs::path native = PathFromUtf8(target);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string name = Utf8FromPath(FreshTemporaryPath(native));
        switch (claim(name)) {
        case Claim::Taken: return name;
        case Claim::Clash: break;
        case Claim::Failed: return std::nullopt;
        }
    }
    return std::nullopt;
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

std::size_t ReadTextAt(std::string_view text, std::uint64_t offset, char* buffer, std::size_t size)
{
    if (offset >= text.size())
        return 0;
    const std::size_t n = std::min<std::size_t>(size, text.size() - offset);
    std::memcpy(buffer, text.data() + offset, n);
    return n;
}

struct CarefulFileSystem::Target {
    enum class State { Open, Missing, TimedOut, Unusable };
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
        auto link = store_->LinkTarget(current);
        if (!link)
            return current;
        if (links == store_->LinkLimit())
            return std::nullopt;
        current = link->relative ? BesideLink(current, link->target) : std::move(link->target);
    }
}

template <typename Attempt, typename Again>
auto CarefulFileSystem::RetryWhileBusy(Clock::time_point deadline, Attempt attempt, Again again)
{
    for (;;) {
        auto result = attempt();
        const Retry retry = again(result);
        if (retry == Retry::No || Clock::now() >= deadline)
            return result;
        if (retry == Retry::AfterNap)
            store_->Nap();
    }
}

CarefulFileSystem::Target CarefulFileSystem::LockAndOpen(const std::string& target)
{
    // A lease or another program's lock may be given up at any moment: both
    // are tried again until the one deadline.
    const auto deadline = Clock::now() + lockWait_;
    Target locked;
    LockResult attempt = RetryWhileBusy(
        deadline, [&] { return store_->TryLock(target); },
        [](const LockResult& tried) { return tried.status == LockResult::Status::Busy ? Retry::AfterNap : Retry::No; });
    if (attempt.status == LockResult::Status::Busy) {
        locked.state = Target::State::TimedOut;
        return locked;
    }
    locked.lock = std::move(attempt.lock);
    locked.opened = RetryWhileBusy(
        deadline, [&] { return store_->Open(target, true); },
        [](const OpenResult& tried) { return tried.status == OpenResult::Status::Busy ? Retry::AfterNap : Retry::No; });
    switch (locked.opened.status) {
    case OpenResult::Status::Opened: locked.state = Target::State::Open; break;
    case OpenResult::Status::Missing: locked.state = Target::State::Missing; break;
    case OpenResult::Status::Busy: locked.state = Target::State::TimedOut; break;
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
    std::unique_ptr<StoredFile> file;
    auto name = ClaimFreshName(target, [&](const std::string& fresh) {
        CreateResult made = store_->CreateExclusive(fresh);
        file = std::move(made.file);
        switch (made.status) {
        case CreateResult::Status::Created: return Claim::Taken;
        case CreateResult::Status::Exists: return Claim::Clash;
        default: refusal = made.status; return Claim::Failed;
        }
    });
    if (!name)
        return std::nullopt;
    return Temporary{std::move(file), std::move(*name)};
}

bool CarefulFileSystem::PublishWithin(Temporary& temp, const std::string& target, bool replace)
{
    // A replacement is a rename, which needs a name to move from.
    if (replace && temp.name.empty()) {
        auto name = ClaimFreshName(target, [&](const std::string& fresh) {
            switch (store_->Name(*temp.file, fresh)) {
            case PublishResult::Done: return Claim::Taken;
            case PublishResult::Exists: return Claim::Clash;
            default: return Claim::Failed;
            }
        });
        if (!name)
            return false;
        temp.name = std::move(*name);
    }
    // A program reading the target may keep it from being replaced (on
    // Windows): wait for it, briefly.
    const PublishResult result = RetryWhileBusy(
        Clock::now() + kReaderWait, [&] { return store_->Publish(*temp.file, temp.name, target, replace); },
        [](PublishResult tried) { return tried == PublishResult::Busy ? Retry::AfterNap : Retry::No; });
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
    // Created afresh.  What stands under the name is removed only when it is
    // a plain file no running program holds (a scratch file a killed run
    // left); one that another program still holds is waited for, briefly;
    // anything else (a link, a directory, a FIFO, a read-only or hard-linked
    // file) is never removed, and the number cannot be shown.
    struct Attempt {
        CreateResult made;
        RemoveResult cleared = RemoveResult::Kept;
    };
    Attempt last = RetryWhileBusy(
        deadline,
        [&] {
            Attempt attempt{store_->CreateExclusive(path)};
            if (attempt.made.status == CreateResult::Status::Exists)
                attempt.cleared = RemovePlainFile(path);
            return attempt;
        },
        [](const Attempt& tried) {
            if (tried.made.status != CreateResult::Status::Exists)
                return Retry::No;
            switch (tried.cleared) {
            case RemoveResult::Removed:
            case RemoveResult::Gone: return Retry::Now;
            case RemoveResult::InUse: return Retry::AfterNap;
            case RemoveResult::Kept: break;
            }
            return Retry::No;
        });
    if (last.made.status != CreateResult::Status::Created)
        return {Status::NotWritten, {}};
    std::unique_ptr<StoredFile> file = std::move(last.made.file);
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

RemoveResult CarefulFileSystem::RemovePlainFile(const std::string& name)
{
    // A link is never followed, and a read-only or hard-linked file was put
    // there by the player, not left by a run of this program.
    Standing standing = store_->Look(name);
    switch (standing.kind) {
    case Standing::Kind::Nothing: return RemoveResult::Gone;
    case Standing::Kind::File: break;
    default: return RemoveResult::Kept;
    }
    if (standing.names != 1 || standing.readOnly)
        return RemoveResult::Kept;
    if (standing.held)
        return RemoveResult::InUse;
    return store_->RemoveIfStill(name, standing);
}

void CarefulFileSystem::RemoveStaleTemporaries(const std::string& path)
{
    const std::string target = Resolve(path).value_or(path);
    const fs::path native = PathFromUtf8(target);
    const std::string folder = FolderOf(target);
    for (const std::string& entry : store_->List(folder)) {
        if (IsTemporaryName(PathFromUtf8(entry), native))
            RemovePlainFile(Utf8FromPath(PathFromUtf8(folder) / PathFromUtf8(entry)));
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
    case Target::State::TimedOut:
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
    if (locked.state == Target::State::TimedOut)
        return UpdateOutcome::LockTimedOut;
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

bool CarefulFileSystem::Stands(const std::string& path)
{
    return store_->Look(path).kind != Standing::Kind::Nothing;
}

bool CarefulFileSystem::RemoveFile(const std::string& path)
{
    Standing standing = store_->Look(path);
    switch (standing.kind) {
    case Standing::Kind::Nothing: return true;
    case Standing::Kind::File:
    case Standing::Kind::Link: break;
    default: return false;
    }
    const RemoveResult removed = store_->RemoveIfStill(path, standing);
    return removed == RemoveResult::Removed || !Stands(path);
}

AppendOutcome CarefulFileSystem::Append(const std::string& path, const Addition& addition)
{
    const auto target = Resolve(path);
    if (!target)
        return AppendOutcome::Failed;
    // A log that is off costs one look, and no lock is taken for it.
    if (store_->Look(*target).kind == Standing::Kind::Nothing)
        return AppendOutcome::Missing;
    // The lock keeps the last byte read and the append together, so that
    // another program cannot append between them.
    const auto deadline = Clock::now() + lockWait_;
    LockResult lock = RetryWhileBusy(
        deadline, [&] { return store_->TryLock(*target); },
        [](const LockResult& tried) { return tried.status == LockResult::Status::Busy ? Retry::AfterNap : Retry::No; });
    if (lock.status == LockResult::Status::Busy)
        return AppendOutcome::Failed;
    // Another program looking at the file (Windows opens it unshared for
    // that) or a lease keeps it closed for a moment.
    OpenResult opened = RetryWhileBusy(
        deadline, [&] { return store_->OpenForAppend(*target); },
        [](const OpenResult& tried) { return tried.status == OpenResult::Status::Busy ? Retry::AfterNap : Retry::No; });
    if (opened.status == OpenResult::Status::Missing)
        return AppendOutcome::Missing;
    if (opened.status != OpenResult::Status::Opened || opened.readOnly)
        return AppendOutcome::Failed;
    StoredFile& file = *opened.file;
    const auto size = file.Size();
    if (!size)
        return AppendOutcome::Failed;
    std::optional<char> lastByte;
    if (*size > 0) {
        char last = 0;
        const auto n = file.ReadAt(*size - 1, &last, 1);
        if (!n || *n != 1)
            return AppendOutcome::Failed;
        lastByte = last;
    }
    const std::string text = addition(lastByte);
    if (text.empty())
        return AppendOutcome::Appended;
    // One write: a line cut short (a full disk, a kill) is the file's last,
    // which its reader passes over and the next append ends.
    const std::size_t allowed = std::min(WriteAllowance(path, text.size()), text.size());
    const auto written = allowed == 0 ? std::nullopt : file.Append(text.data(), allowed);
    return written && *written == text.size() ? AppendOutcome::Appended : AppendOutcome::Failed;
}

} // namespace velmo
