// The file store of POSIX systems (Linux first: O_TMPFILE where the kernel
// and file system offer it).
//
// Locking: the lock between programs is flock() on the highscore file
// itself, so no lock file ever appears in the player's folder.  Because a
// rewrite renames a new file over the locked one, whoever takes the lock
// checks that the name still leads to the file it locked (Busy otherwise,
// and the rules try again).
//
// Files made by CreateExclusive are put under flock() right after they are
// created and keep it while open: that is what "in use" means here.  In the
// moment between the two another program may take such a file for one left
// by a killed run and remove it.  Its maker loses nothing: it keeps the open
// file, a scratch file is read back through it and its name left alone, and
// a temporary that can no longer be renamed fails the publish (the rules
// then rewrite in place).  Where O_TMPFILE works, a rewrite's temporary has
// no name to be found until it is complete.
#include "common/file_store.h"

#include "common/temporary_names.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
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
constexpr int kLinuxLinkLimit = 40;   // the kernel's MAXSYMLINKS

class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : fd_(fd) {}
    ~UniqueFd() { Reset(); }
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept
    {
        if (this != &other) {
            Reset();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void Reset()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

class PosixFile : public StoredFile {
public:
    explicit PosixFile(UniqueFd fd) : fd_(std::move(fd)) {}
    int fd() const { return fd_.get(); }

    std::optional<std::size_t> ReadAt(std::uint64_t offset, char* buffer, std::size_t size) override
    {
        for (;;) {
            const ssize_t n = ::pread(fd(), buffer, size, static_cast<off_t>(offset));
            if (n >= 0)
                return static_cast<std::size_t>(n);
            if (errno != EINTR)
                return std::nullopt;
        }
    }
    std::optional<std::size_t> WriteAt(std::uint64_t offset, const char* data, std::size_t size) override
    {
        for (;;) {
            const ssize_t n = ::pwrite(fd(), data, size, static_cast<off_t>(offset));
            if (n > 0)
                return static_cast<std::size_t>(n);
            if (n < 0 && errno != EINTR)
                return std::nullopt;
            if (n == 0)
                return std::nullopt;
        }
    }
    bool Truncate(std::uint64_t size) override { return ::ftruncate(fd(), static_cast<off_t>(size)) == 0; }
    bool Flush() override { return ::fsync(fd()) == 0; }

private:
    UniqueFd fd_;
};

int FdOf(StoredFile& file)
{
    return static_cast<PosixFile&>(file).fd();
}

class FlockLock : public FileLock {
public:
    explicit FlockLock(UniqueFd fd) : fd_(std::move(fd)) {}

private:
    UniqueFd fd_; // closing it releases the lock
};

// True when `path` (not followed) still names the open file `fd`.
bool NamesFile(const std::string& path, int fd)
{
    struct stat named {};
    struct stat opened {};
    return ::lstat(path.c_str(), &named) == 0 && ::fstat(fd, &opened) == 0 && named.st_dev == opened.st_dev &&
           named.st_ino == opened.st_ino;
}

void ClearNonBlocking(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
}

bool RefusedByFolder(int error)
{
    return error == EACCES || error == EPERM || error == EROFS;
}

std::string FolderOf(const std::string& target)
{
    const auto slash = target.rfind('/');
    return slash == std::string::npos ? std::string(".") : target.substr(0, slash == 0 ? 1 : slash);
}

class PosixFileStore : public FileStore {
public:
    std::optional<std::string> LinkTarget(const std::string& path) override
    {
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0)
            return std::nullopt;
        target.resize(static_cast<std::size_t>(n));
        if (target.empty() || target.front() == '/' || path.find('/') == std::string::npos)
            return target;
        return FolderOf(path) + "/" + target;
    }

    int LinkLimit() const override { return kLinuxLinkLimit; }

    std::vector<std::string> List(const std::string& folder) override
    {
        std::vector<std::string> names;
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
            names.push_back(it->path().filename().string());
        return names;
    }

    OpenResult Open(const std::string& path, bool forWriting) override
    {
        // Non-blocking, so that a FIFO in the file's place cannot hang the
        // window and a lease answers at once.
        const int common = O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC;
        OpenResult result;
        UniqueFd fd(forWriting ? ::open(path.c_str(), O_RDWR | common) : -1);
        result.writable = fd.valid();
        if (!fd.valid() && (!forWriting || errno == EACCES || errno == EPERM || errno == EROFS || errno == ETXTBSY))
            fd = UniqueFd(::open(path.c_str(), O_RDONLY | common));
        if (!fd.valid()) {
            result.status = errno == ENOENT                    ? OpenResult::Status::Missing
                            : errno == EWOULDBLOCK             ? OpenResult::Status::Busy
                            : errno == ELOOP || errno == ENXIO ? OpenResult::Status::NotAFile
                                                               : OpenResult::Status::Failed;
            return result;
        }
        struct stat st {};
        if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
            result.status = OpenResult::Status::NotAFile;
            return result;
        }
        ClearNonBlocking(fd.get());
        result.status = OpenResult::Status::Opened;
        result.readOnly = (st.st_mode & 0222) == 0;
        result.names = static_cast<std::uint32_t>(st.st_nlink);
        result.file = std::make_unique<PosixFile>(std::move(fd));
        return result;
    }

    CreateResult CreateExclusive(const std::string& path) override
    {
        UniqueFd fd(
            ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, kNewFileMode));
        return Made(std::move(fd));
    }

    CreateResult CreateUnnamed(const std::string& target) override
    {
#ifdef O_TMPFILE
        UniqueFd fd(::open(FolderOf(target).c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, kNewFileMode));
        if (fd.valid())
            return Made(std::move(fd));
#endif
        return {CreateResult::Status::Failed, nullptr};
    }

    LockResult TryLock(const std::string& path) override
    {
        UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
        if (!fd.valid())
            return {errno == EWOULDBLOCK ? LockResult::Status::Busy : LockResult::Status::NoLock, nullptr};
        struct stat st {};
        if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
            return {LockResult::Status::NoLock, nullptr};
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
            // EWOULDBLOCK: another program has it.  Anything else: a file
            // system without locks, so go on unlocked rather than never store.
            return {errno == EWOULDBLOCK ? LockResult::Status::Busy : LockResult::Status::NoLock, nullptr};
        }
        // Another program may have renamed a new file over this one while
        // we took the lock: that file is the one to lock then.
        if (!NamesFile(path, fd.get()))
            return {LockResult::Status::Busy, nullptr};
        return {LockResult::Status::Held, std::make_unique<FlockLock>(std::move(fd))};
    }

    bool KeepAttributes(StoredFile& from, StoredFile& to) override
    {
        struct stat st {};
        if (::fstat(FdOf(from), &st) != 0)
            return false;
        // Owner first: changing it may clear the set-id bits that fchmod restores.
        const bool owned = ::fchown(FdOf(to), st.st_uid, st.st_gid) == 0; // EPERM: keep ours
        return ::fchmod(FdOf(to), st.st_mode & 07777) == 0 && owned;
    }

    PublishResult Publish(StoredFile& file, const std::string& name, const std::string& target, bool replace) override
    {
        const int fd = FdOf(file);
        if (!replace) {
            // link() never replaces; an unnamed file is linked straight to
            // its name.
            const bool placed = name.empty() ? LinkUnnamed(fd, target) : MoveWithoutReplacing(name, target);
            if (!placed)
                return errno == EEXIST ? PublishResult::Exists : PublishResult::Failed;
            SyncFolder(target);
            return PublishResult::Done;
        }
        std::string named = name;
        if (named.empty() && !NameUnnamed(fd, target, named))
            return PublishResult::Failed;
        if (::rename(named.c_str(), target.c_str()) != 0) {
            if (name.empty())
                Delete(file, named);
            return PublishResult::Failed;
        }
        SyncFolder(target); // some file systems cannot sync a folder; the rename stands
        return PublishResult::Done;
    }

    void Delete(StoredFile& file, const std::string& name) override
    {
        if (!name.empty() && NamesFile(name, FdOf(file)))
            ::unlink(name.c_str());
    }

    RemoveResult RemoveIfUnused(const std::string& name) override
    {
        UniqueFd fd(::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (!fd.valid())
            return errno == ENOENT ? RemoveResult::Gone : RemoveResult::Kept;
        struct stat st {};
        if (::fstat(fd.get(), &st) != 0)
            return RemoveResult::Kept;
        if (st.st_nlink == 0)
            return RemoveResult::Gone; // its maker removed it meanwhile
        if (!S_ISREG(st.st_mode) || st.st_nlink != 1 || (st.st_mode & 0222) == 0)
            return RemoveResult::Kept;
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
            return RemoveResult::InUse;
        if (!NamesFile(name, fd.get()))
            return RemoveResult::Gone; // replaced meanwhile: look again
        if (::unlink(name.c_str()) == 0)
            return RemoveResult::Removed;
        return errno == ENOENT ? RemoveResult::Gone : RemoveResult::Kept; // its maker was quicker
    }

    void Nap() override
    {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }

private:
    static CreateResult Made(UniqueFd fd)
    {
        if (!fd.valid())
            return {errno == EEXIST          ? CreateResult::Status::Exists
                    : RefusedByFolder(errno) ? CreateResult::Status::Refused
                                             : CreateResult::Status::Failed,
                    nullptr};
        ::flock(fd.get(), LOCK_EX | LOCK_NB); // in use while open
        return {CreateResult::Status::Created, std::make_unique<PosixFile>(std::move(fd))};
    }

    // Gives the unnamed file `fd` the name `name`: through /proc where it
    // is mounted, else directly (which needs a capability ordinary users lack).
    static bool LinkUnnamed(int fd, const std::string& name)
    {
        const std::string self = "/proc/self/fd/" + std::to_string(fd);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        return errno != EEXIST && ::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0;
    }

    // Renames `name` to `target` only where nothing stands there: a hard
    // link and the old name's removal where renameat2 cannot (older kernels,
    // some file systems).
    static bool MoveWithoutReplacing(const std::string& name, const std::string& target)
    {
#ifdef RENAME_NOREPLACE
        if (::renameat2(AT_FDCWD, name.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
            return true;
        if (errno != EINVAL && errno != ENOSYS)
            return false;
#endif
        if (::link(name.c_str(), target.c_str()) == 0) {
            ::unlink(name.c_str());
            return true;
        }
#ifdef __EMSCRIPTEN__
        // Emscripten's files under node have neither renameat2 nor hard
        // links: the name is looked at, then taken.  Only the tools and tests
        // run there, one program at a time; the browser uses its own store.
        struct stat standing {};
        if (errno == EEXIST || ::lstat(target.c_str(), &standing) == 0 || errno != ENOENT)
            return false;
        return ::rename(name.c_str(), target.c_str()) == 0;
#else
        return false;
#endif
    }

    // A fresh temporary name for the unnamed file `fd` beside `target`.
    static bool NameUnnamed(int fd, const std::string& target, std::string& named)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = FreshTemporaryPath(target).string();
            if (LinkUnnamed(fd, name)) {
                named = std::move(name);
                return true;
            }
            if (errno != EEXIST)
                return false;
        }
        return false;
    }

    static void SyncFolder(const std::string& target)
    {
        UniqueFd dir(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (dir.valid())
            ::fsync(dir.get());
    }
};

} // namespace

std::unique_ptr<FileStore> MakeSystemFileStore()
{
    return std::make_unique<PosixFileStore>();
}

} // namespace velmo
