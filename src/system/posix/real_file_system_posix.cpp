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

#include "common/path_text.h"
#include "system/posix/posix_file.h"
#include "system/posix/posix_names.h"

#include <cerrno>
#include <chrono>
#include <climits>
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

// A file the player made read-only has no write bit at all.
bool ReadOnly(const struct stat& st)
{
    return (st.st_mode & 0222) == 0;
}

// What an open() gave, `fd` (invalid with errno set where it failed): a
// FIFO or folder in the file's place is not a file, and a file opened
// without blocking blocks again for its reads and writes.
OpenResult Opened(UniqueFd fd, bool writable)
{
    OpenResult result;
    if (!fd.valid()) {
        result.status = errno == ENOENT                                       ? OpenResult::Status::Missing
                        : errno == EWOULDBLOCK                                ? OpenResult::Status::Busy
                        : errno == ELOOP || errno == ENXIO || errno == EISDIR ? OpenResult::Status::NotAFile
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
    result.writable = writable;
    result.readOnly = ReadOnly(st);
    result.names = static_cast<std::uint32_t>(st.st_nlink);
    result.file = std::make_unique<PosixFile>(std::move(fd));
    return result;
}

// A file Look found, kept open (and under its flock when no one else had
// it) until the answer is gone.
struct SeenFd : Standing::Seen {
    explicit SeenFd(UniqueFd seen) : fd(std::move(seen)) {}
    UniqueFd fd;
};

class PosixFileStore : public FileStore {
public:
    std::optional<Link> LinkTarget(const std::string& path) override
    {
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0)
            return std::nullopt;
        target.resize(static_cast<std::size_t>(n));
        const bool relative = !target.empty() && target.front() != '/';
        return Link{std::move(target), relative};
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
        UniqueFd fd(forWriting ? ::open(path.c_str(), O_RDWR | common) : -1);
        const bool writable = fd.valid();
        if (!fd.valid() && (!forWriting || errno == EACCES || errno == EPERM || errno == EROFS || errno == ETXTBSY))
            fd = UniqueFd(::open(path.c_str(), O_RDONLY | common));
        return Opened(std::move(fd), writable);
    }

    OpenResult OpenForAppend(const std::string& path) override
    {
        return Opened(UniqueFd(::open(path.c_str(), O_RDWR | O_APPEND | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC)), true);
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

    PublishResult Name(StoredFile& file, const std::string& name) override
    {
        if (LinkUnnamed(FdOf(file), name))
            return PublishResult::Done;
        return errno == EEXIST ? PublishResult::Exists : PublishResult::Failed;
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
        if (::rename(name.c_str(), target.c_str()) != 0)
            return PublishResult::Failed;
        SyncFolder(target); // some file systems cannot sync a folder; the rename stands
        return PublishResult::Done;
    }

    void Delete(StoredFile& file, const std::string& name) override
    {
        if (!name.empty() && NamesFile(name, FdOf(file)))
            ::unlink(name.c_str());
    }

    Standing Look(const std::string& name) override
    {
        Standing standing;
        UniqueFd fd(::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat st {};
        if (!fd.valid()) {
            standing.kind = errno == ENOENT  ? Standing::Kind::Nothing
                            : errno == ELOOP ? Standing::Kind::Link
                                             : Standing::Kind::Unknown;
            return standing;
        }
        if (::fstat(fd.get(), &st) != 0)
            return standing;
        if (st.st_nlink == 0) {
            standing.kind = Standing::Kind::Nothing; // its maker removed it meanwhile
            return standing;
        }
        standing.kind = S_ISREG(st.st_mode) ? Standing::Kind::File : Standing::Kind::Other;
        standing.names = static_cast<std::uint32_t>(st.st_nlink);
        standing.readOnly = ReadOnly(st);
        // Its maker keeps a flock on it while it writes.
        standing.held = S_ISREG(st.st_mode) && ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
        standing.seen = std::make_unique<SeenFd>(std::move(fd));
        return standing;
    }

    RemoveResult RemoveIfStill(const std::string& name, Standing& standing) override
    {
        if (!NamesFile(name, static_cast<SeenFd&>(*standing.seen).fd.get()))
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
