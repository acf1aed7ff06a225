// What one system supplies so that the shared file rules (CarefulFileSystem
// in file_system.h) run on it: a handful of small calls on names and open
// files, each doing one thing.  A store says what stands under a name and
// what happened when it tried the one thing asked; every retry, deadline,
// fallback, fresh temporary name and "may this be removed?" lives in the
// rules, written once.  Each system's store is in its own folder
// (system/posix, system/windows, and system/web over the site's storage);
// the one in memory (memory_file_store.h) serves the fuzzers and the soak.
//
// Names are UTF-8 paths as the program writes them.  No call follows a
// symbolic link at the last step of a name, and no call waits: where another
// program is in the way the answer is Busy (or `held`) and the rules decide
// whether to try again (after Nap()).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmo {

// A file this program has open.  Closing it (destroying the object) never
// deletes it.
class StoredFile {
public:
    virtual ~StoredFile() = default;

    // Reads up to `size` bytes from `offset` into `buffer`: how many were
    // read, 0 at the end of the file, nullopt on an error.
    virtual std::optional<std::size_t> ReadAt(std::uint64_t offset, char* buffer, std::size_t size) = 0;
    // Writes up to `size` (more than 0) bytes of `data` at `offset`: how many
    // were written, at least 1, or nullopt on an error.
    virtual std::optional<std::size_t> WriteAt(std::uint64_t offset, const char* data, std::size_t size) = 0;
    // Cuts or extends the file to `size` bytes.
    virtual bool Truncate(std::uint64_t size) = 0;
    // Makes what was written durable (fsync, FlushFileBuffers, a save to
    // the browser's storage).
    virtual bool Flush() = 0;

    // For a file opened by OpenForAppend: its size now, and a write of up to
    // `size` (more than 0) bytes at its end in one step, which another
    // program's append can neither split nor overwrite (O_APPEND,
    // FILE_APPEND_DATA): how many were written, or nullopt on an error.  A
    // store without appends answers nullopt, and the log counts as unwritable.
    virtual std::optional<std::uint64_t> Size() { return std::nullopt; }
    virtual std::optional<std::size_t> Append(const char* /*data*/, std::size_t /*size*/) { return std::nullopt; }
};

// All of `file`, from its start; nullopt on a read error.
std::optional<std::string> ReadWhole(StoredFile& file);

// ReadAt over a file held whole in memory as `text`.
std::size_t ReadTextAt(std::string_view text, std::uint64_t offset, char* buffer, std::size_t size);

// Held until destroyed; then released.
class FileLock {
public:
    virtual ~FileLock() = default;
};

struct OpenResult {
    enum class Status {
        Opened,
        Missing,  // nothing under the name
        Busy,     // another program keeps it closed for now (a lease, a sharing mode)
        NotAFile, // a directory, a FIFO, a device, a symbolic link
        Failed,   // anything else (no permission, no descriptors left, ...)
    };
    Status status = Status::Failed;
    std::unique_ptr<StoredFile> file;
    bool writable = false;   // opened for writing (asked for, and allowed)
    bool readOnly = false;   // the player marked it read-only (no write bit; the read-only attribute)
    std::uint32_t names = 1; // how many names (hard links) the file has
};

struct CreateResult {
    enum class Status {
        Created,
        Exists,  // something stands under the name
        Refused, // the folder takes no new entries (permissions, immutable, read-only medium)
        Failed,  // anything else (no descriptors, no space, no such folder, ...)
    };
    Status status = Status::Failed;
    std::unique_ptr<StoredFile> file;
};

struct LockResult {
    enum class Status {
        Held,   // `lock` holds it
        Busy,   // another program holds it: try again
        NoLock, // there is nothing to lock (no file yet, a system without locks): go on unlocked
    };
    Status status = Status::NoLock;
    std::unique_ptr<FileLock> lock;
};

enum class PublishResult {
    Done,
    Exists, // a publish that may not replace found the name taken
    Busy,   // another program keeps the target open for now
    Failed,
};

// What stands under a name, not followed, as the store found it.
struct Standing {
    enum class Kind {
        Nothing, // no entry under the name
        File,    // a regular file
        Link,    // a symbolic link, a junction, or a name that leads to another file
        Other,   // a directory, a FIFO, a device, a file the store cannot remove
        Unknown, // it could not be looked at (no permission, ...)
    };
    // What the store keeps of the file it looked at, so that RemoveIfStill
    // removes exactly that file.
    class Seen {
    public:
        virtual ~Seen() = default;
    };
    Kind kind = Kind::Unknown;
    std::uint32_t names = 1; // how many names (hard links) it has
    bool readOnly = false;   // the player marked it read-only
    bool held = false;       // another program holds it open: one it made and still writes
    std::unique_ptr<Seen> seen;
};

enum class RemoveResult {
    Removed,
    Gone,  // nothing stood under the name, or it no longer names that file
    InUse, // (from the rules) a plain file another program still holds: try again
    Kept,  // anything else, left as it is
};

// A symbolic link's text, as the link holds it.
struct Link {
    std::string target;
    bool relative = false; // read from the link's own folder
};

class FileStore {
public:
    virtual ~FileStore() = default;

    // What the symbolic link `path` holds; nullopt when `path` is not a link.
    virtual std::optional<Link> LinkTarget(const std::string& path) = 0;
    // How many links in a row the system itself follows (Linux: 40).
    virtual int LinkLimit() const = 0;
    // The names of the entries of `folder` ("." for the working folder).
    virtual std::vector<std::string> List(const std::string& folder) = 0;

    // Opens the existing regular file `path` for reading and, when
    // `forWriting`, also for writing where the system allows it (else for
    // reading alone).  Never blocks on a FIFO.
    virtual OpenResult Open(const std::string& path, bool forWriting) = 0;
    // Opens the existing regular file `path` for reading and appending,
    // never blocking on a FIFO: Opened, Missing, Busy, NotAFile or Failed
    // (also where the store has no appends).
    virtual OpenResult OpenForAppend(const std::string& /*path*/) { return {OpenResult::Status::Failed, nullptr}; }
    // A new empty regular file under `path`, open for reading and writing,
    // only where nothing stands under the name (a link counts).  While it is
    // open it is held: Look says so to other programs.
    virtual CreateResult CreateExclusive(const std::string& path) = 0;
    // A new temporary file without a name in the folder of `target`, where
    // the system has such files (Linux's O_TMPFILE); Failed where not, and
    // the rules then use CreateExclusive under a fresh name.
    virtual CreateResult CreateUnnamed(const std::string& target) = 0;
    // Gives `file`, made by CreateUnnamed, the name `name`, only where
    // nothing stands there: Done, Exists or Failed.
    virtual PublishResult Name(StoredFile& file, const std::string& name) = 0;

    // Tries to take the lock between programs for the regular file `path`
    // (links already followed), without waiting.  The lock stays valid when
    // a new file is published over `path`.
    virtual LockResult TryLock(const std::string& path) = 0;

    // Gives `to`, a new file, the permission bits, owner or attributes of
    // `from`, as far as allowed.  False where it could not.
    virtual bool KeepAttributes(StoredFile& from, StoredFile& to) = 0;
    // Puts `file` (made by CreateExclusive under `name`, or by CreateUnnamed
    // with an empty `name`, which only a publish that does not replace
    // takes), written and flushed, under `target` in one step: replacing what
    // stands there when `replace`, else only where nothing does.  `file` may
    // be closed by it (Windows moves only closed files).
    virtual PublishResult Publish(StoredFile& file, const std::string& name, const std::string& target,
                                  bool replace) = 0;
    // Deletes the file this program made, open as `file`, where `name` still
    // names exactly it; never what another program put under the name since.
    virtual void Delete(StoredFile& file, const std::string& name) = 0;
    // What stands under `name`.  A file it finds stays in view (`seen`)
    // until the answer is destroyed.
    virtual Standing Look(const std::string& name) = 0;
    // Removes `name` if it still names the file `standing` saw: Removed,
    // Gone where it names another file or none, Kept where removing failed.
    virtual RemoveResult RemoveIfStill(const std::string& name, Standing& standing) = 0;

    // Waits a moment before a retry (about a millisecond at most).
    virtual void Nap() = 0;
};

// The store of the system the program runs on (the POSIX or the Windows one).
std::unique_ptr<FileStore> MakeSystemFileStore();

} // namespace velmo
