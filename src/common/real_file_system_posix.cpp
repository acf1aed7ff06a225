// RealFileSystem on POSIX systems (Linux first: O_TMPFILE where the kernel
// and file system offer it, a named temporary file otherwise).
//
// Locking: an Update or Rewrite holds flock() on the highscore file itself,
// so no lock file ever appears in the player's folder.  Because a rewrite
// renames a new file over the locked one, whoever takes the lock checks that
// the name still leads to the file it locked, and starts over otherwise.
//
// Temporary files are named "." + target + ".tmp-velmo-" + six letters or
// digits, and are held under flock() from creation until they are renamed
// over the target or removed, so a temporary whose lock can be taken was
// left by a program that was killed, and start-up may remove it.
#include "common/file_system.h"

#include "common/chunk_stream.h"
#include "common/temporary_names.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace velmo {
namespace {

namespace fs = std::filesystem;

constexpr mode_t kNewFileMode = 0644; // before the umask, as a stream would create it

class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd() { Reset(); }
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.Release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept
    {
        if (this != &other) {
            Reset();
            fd_ = other.Release();
        }
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int Release() { return std::exchange(fd_, -1); }
    void Reset()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_ = -1;
};

// The stream of OpenForReading and Update: reads through the descriptor.
class FdStreamBuf : public ChunkStreamBuf {
public:
    FdStreamBuf(int fd, bool owned) : fd_(fd), owned_(owned) {}
    ~FdStreamBuf() override
    {
        if (owned_)
            ::close(fd_);
    }

protected:
    std::size_t ReadChunk(char* buffer, std::size_t size) override
    {
        ssize_t n;
        do {
            n = ::read(fd_, buffer, size);
        } while (n < 0 && errno == EINTR);
        return n > 0 ? static_cast<std::size_t>(n) : 0;
    }

private:
    int fd_;
    bool owned_;
};

using FdIStream = ChunkIStream<FdStreamBuf>;

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// True when `path` (not followed) still names the open file `fd`.
bool NamesFile(const std::string& path, int fd)
{
    struct stat named {};
    struct stat opened {};
    return ::lstat(path.c_str(), &named) == 0 && ::fstat(fd, &opened) == 0 && SameFile(named, opened);
}

// Removes `path` only if it still names the open file `fd`: another program
// may have put its own file under the name meanwhile.
void RemoveIfStillOurs(const std::string& path, int fd)
{
    if (NamesFile(path, fd))
        ::unlink(path.c_str());
}

void ClearNonBlocking(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
}

// The whole file from its start, through the descriptor; nullopt on an error.
std::optional<std::string> ReadAll(int fd)
{
    std::string content;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, static_cast<off_t>(content.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            return content;
        content.append(buffer, static_cast<std::size_t>(n));
    }
}

bool SyncFolder(const fs::path& folder)
{
    UniqueFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return dir.valid() && ::fsync(dir.get()) == 0;
}

fs::path FolderOf(const fs::path& target)
{
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

// Follows symbolic links by hand, so that a dangling link still names the
// file it would create.  nullopt for a link loop (or a chain too long).
std::optional<fs::path> ResolveLinks(const fs::path& start)
{
    fs::path current = start;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec)))
            return current;
        const fs::path target = fs::read_symlink(current, ec);
        if (ec)
            return current;
        current = target.is_absolute() ? target : FolderOf(current) / target;
    }
    return std::nullopt;
}

// A temporary file beside a target, open for writing and locked.  It has no
// name while it comes from O_TMPFILE, so a kill then leaves nothing behind.
struct Temporary {
    UniqueFd fd;
    std::string name;

    void Discard()
    {
        if (!name.empty())
            RemoveIfStillOurs(name, fd.get());
        fd.Reset();
    }
};

std::optional<Temporary> CreateTemporary(const fs::path& target)
{
#ifdef O_TMPFILE
    UniqueFd unnamed(::open(FolderOf(target).c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, kNewFileMode));
    if (unnamed.valid()) {
        ::flock(unnamed.get(), LOCK_EX | LOCK_NB); // held into the moment it gets a name
        return Temporary{std::move(unnamed), {}};
    }
#endif
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = FreshTemporaryPath(target).string();
        UniqueFd fd(::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kNewFileMode));
        if (fd.valid()) {
            ::flock(fd.get(), LOCK_EX | LOCK_NB);
            return Temporary{std::move(fd), std::move(name)};
        }
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

// Gives an unnamed temporary a name of its own beside the target.
bool NameTemporary(Temporary& temp, const fs::path& target)
{
    const std::string self = "/proc/self/fd/" + std::to_string(temp.fd.get());
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = FreshTemporaryPath(target).string();
        // Through /proc where it is mounted, else directly (which needs a
        // capability that ordinary users lack).
        int linked = ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW);
        if (linked != 0 && errno != EEXIST)
            linked = ::linkat(temp.fd.get(), "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH);
        if (linked == 0) {
            temp.name = std::move(name);
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// Moves the written temporary over the target, and makes the rename durable.
bool Publish(Temporary& temp, const fs::path& target)
{
    if (temp.name.empty() && !NameTemporary(temp, target))
        return false;
    if (::rename(temp.name.c_str(), target.c_str()) != 0)
        return false;
    temp.name.clear();
    SyncFolder(FolderOf(target)); // some file systems cannot sync a folder; the rename stands
    return true;
}

// The target of a Rewrite or Update, opened and locked.
struct LockedTarget {
    enum class State { Locked, Missing, Unusable };
    State state = State::Unusable;
    UniqueFd fd;
    bool writable = false;
    struct stat st {};
};

} // namespace

class RealFileSystem::Implementation {
public:
    explicit Implementation(RealFileSystem& files) : files_(files) {}

    // Writes `data` from the start of the file, as far as the seam allows.
    bool WriteAll(const std::string& path, int fd, std::string_view data)
    {
        off_t offset = 0;
        while (!data.empty()) {
            const std::size_t allowed = std::min(files_.WriteAllowance(path, data.size()), data.size());
            if (allowed == 0) {
                errno = ENOSPC;
                return false;
            }
            const ssize_t n = ::pwrite(fd, data.data(), allowed, offset);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            data.remove_prefix(static_cast<std::size_t>(n));
            offset += n;
        }
        return true;
    }

    // Opens the existing regular file `target` and takes its lock, waiting at
    // most the file system's lock wait for another program to finish.
    LockedTarget Lock(const fs::path& target)
    {
        const auto deadline = std::chrono::steady_clock::now() + files_.lockWait_;
        for (;;) {
            LockedTarget locked;
            const int common = O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC; // no FIFO hang, no link swapped in
            locked.fd = UniqueFd(::open(target.c_str(), O_RDWR | common));
            locked.writable = locked.fd.valid();
            if (!locked.fd.valid() && errno != ENOENT && errno != ELOOP)
                locked.fd = UniqueFd(::open(target.c_str(), O_RDONLY | common)); // readable, maybe not writable
            if (!locked.fd.valid()) {
                locked.state = errno == ENOENT ? LockedTarget::State::Missing : LockedTarget::State::Unusable;
                return locked;
            }
            if (::fstat(locked.fd.get(), &locked.st) != 0 || !S_ISREG(locked.st.st_mode))
                return LockedTarget{};
            ClearNonBlocking(locked.fd.get());
            if (!WaitForLock(locked.fd.get(), deadline))
                return LockedTarget{};
            if (NamesFile(target.string(), locked.fd.get())) {
                locked.state = LockedTarget::State::Locked;
                return locked;
            }
            // Another program renamed a new file over this one while we
            // waited: that file is the one to lock now.
            if (std::chrono::steady_clock::now() >= deadline)
                return LockedTarget{};
        }
    }

    // Writes `content` over the locked target: a temporary renamed over it
    // where the folder takes one, else the file itself in place.
    bool Replace(const std::string& path, const fs::path& target, LockedTarget& locked, std::string_view content)
    {
        if (!locked.writable)
            return false; // a file the player made read-only is not replaced behind its back
        auto temp = CreateTemporary(target);
        if (!temp)
            return RewriteInPlace(path, locked, content);
        const int fd = temp->fd.get();
        // Owner first: changing it may clear the set-id bits that fchmod restores.
        [[maybe_unused]] const int chowned = ::fchown(fd, locked.st.st_uid, locked.st.st_gid); // EPERM: keep ours
        bool ok = WriteAll(path, fd, content);
        ok = ok && ::fchmod(fd, locked.st.st_mode & 07777) == 0;
        ok = ok && ::fsync(fd) == 0;
        if (!ok) {
            temp->Discard();
            return false;
        }
        if (Publish(*temp, target))
            return true;
        temp->Discard();
        return RewriteInPlace(path, locked, content);
    }

    // Writes a file where none exists (Reset of a deleted file).
    bool CreateNew(const std::string& path, const fs::path& target, std::string_view content)
    {
        auto temp = CreateTemporary(target);
        if (!temp)
            return false;
        if (WriteAll(path, temp->fd.get(), content) && ::fsync(temp->fd.get()) == 0 && Publish(*temp, target))
            return true;
        temp->Discard();
        return false;
    }

private:
    bool WaitForLock(int fd, std::chrono::steady_clock::time_point deadline)
    {
        for (;;) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
                return true;
            if (errno == EINTR)
                continue;
            if (errno != EWOULDBLOCK)
                return true; // a file system without locks: go on unlocked rather than never store
            if (std::chrono::steady_clock::now() >= deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    // The careful second best for a folder that takes no new file: the whole
    // content in one write, cut to length, flushed.  A failed write puts the
    // old bytes back, which fit where they were.
    bool RewriteInPlace(const std::string& path, LockedTarget& locked, std::string_view content)
    {
        const int fd = locked.fd.get();
        const auto old = ReadAll(fd);
        if (!old)
            return false;
        if (WriteAll(path, fd, content) && ::ftruncate(fd, static_cast<off_t>(content.size())) == 0 && ::fsync(fd) == 0)
            return true;
        // Best effort: the write has already failed, and the caller reports it.
        if (::pwrite(fd, old->data(), old->size(), 0) == static_cast<ssize_t>(old->size()) &&
            ::ftruncate(fd, static_cast<off_t>(old->size())) == 0)
            ::fsync(fd);
        return false;
    }

    RealFileSystem& files_;
};

std::unique_ptr<std::istream> RealFileSystem::OpenForReading(const std::string& path)
{
    // Non-blocking so that a FIFO in the file's place cannot hang the window.
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (!fd.valid() || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return nullptr;
    ClearNonBlocking(fd.get());
    return std::make_unique<FdIStream>(fd.Release(), true);
}

ScratchRoundTrip RealFileSystem::RoundTripScratch(const std::string& path, std::string_view content)
{
    using Status = ScratchRoundTrip::Status;
    Implementation impl(*this);
    UniqueFd fd;
    // Created afresh; whatever already stands under the name (a link, a
    // FIFO, another program's file) is removed, never written through, and
    // the creation tried again.
    for (int attempt = 0; attempt < 10 && !fd.valid(); ++attempt) {
        fd = UniqueFd(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644));
        if (fd.valid())
            break;
        if (errno != EEXIST)
            return {Status::NotWritten, {}};
        if (::unlink(path.c_str()) != 0 && errno != ENOENT)
            return {Status::NotWritten, {}}; // a directory, or a folder that refuses
    }
    if (!fd.valid())
        return {Status::NotWritten, {}};
    if (!impl.WriteAll(path, fd.get(), content)) {
        RemoveIfStillOurs(path, fd.get());
        return {Status::NotWritten, {}};
    }
    auto readBack = ReadBackAllowed() ? ReadAll(fd.get()) : std::nullopt;
    if (!readBack)
        return {Status::NotReadBack, {}};
    RemoveIfStillOurs(path, fd.get());
    return {Status::Done, std::move(*readBack)};
}

bool RealFileSystem::CreateExclusively(const std::string& path, std::string_view content)
{
    const auto target = ResolveLinks(path);
    if (!target)
        return false;
    UniqueFd fd(::open(target->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kNewFileMode));
    if (!fd.valid())
        return false;
    // A second program that opened the new, still empty file first and took
    // its lock is already writing a whole list: leave the file to it.
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        return true;
    Implementation impl(*this);
    if (!impl.WriteAll(path, fd.get(), content) || ::fsync(fd.get()) != 0) {
        RemoveIfStillOurs(target->string(), fd.get());
        return false;
    }
    SyncFolder(FolderOf(*target));
    return true;
}

void RealFileSystem::RemoveStaleTemporaries(const std::string& path)
{
    const fs::path target = ResolveLinks(path).value_or(fs::path(path));
    std::error_code ec;
    for (fs::directory_iterator it(FolderOf(target), ec), end; !ec && it != end; it.increment(ec)) {
        if (!IsTemporaryName(it->path().filename(), target))
            continue;
        const std::string name = it->path().string();
        UniqueFd fd(::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat st {};
        if (!fd.valid() || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) // no one is writing it any more
            RemoveIfStillOurs(name, fd.get());
    }
}

bool RealFileSystem::Rewrite(const std::string& path, std::string_view content)
{
    const auto target = ResolveLinks(path);
    if (!target)
        return false;
    Implementation impl(*this);
    LockedTarget locked = impl.Lock(*target);
    switch (locked.state) {
    case LockedTarget::State::Locked: return impl.Replace(path, *target, locked, content);
    case LockedTarget::State::Missing: return impl.CreateNew(path, *target, content);
    case LockedTarget::State::Unusable: break;
    }
    return false;
}

UpdateOutcome RealFileSystem::Update(const std::string& path, const Change& change)
{
    const auto target = ResolveLinks(path);
    if (!target)
        return UpdateOutcome::Unreadable;
    Implementation impl(*this);
    LockedTarget locked = impl.Lock(*target);
    if (locked.state != LockedTarget::State::Locked)
        return UpdateOutcome::Unreadable;
    std::optional<std::string> content;
    {
        FdIStream current(locked.fd.get(), false);
        content = change(current);
    }
    if (!content)
        return UpdateOutcome::Unchanged;
    return impl.Replace(path, *target, locked, *content) ? UpdateOutcome::Written : UpdateOutcome::WriteFailed;
}

} // namespace velmo
