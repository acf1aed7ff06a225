// What one system supplies so that the shared file rules (careful_file_system.h)
// run on it: a handful of small calls on names and open files, each doing one
// thing and deciding nothing.  Every retry, deadline, fallback and "may this
// be removed?" lives in the rules, written once; a system only says what
// happened.  The POSIX, Windows and in-memory stores implement it (a browser
// build does the same over its own store).
//
// Names are UTF-8 paths as the program writes them.  No call follows a
// symbolic link at the last step of a name except where it says so, and no
// call waits: where another program is in the way the answer is Busy and the
// rules decide whether to try again (after Nap()).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
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
};

// All of `file`, from its start; nullopt on a read error.
std::optional<std::string> ReadWhole(StoredFile& file);

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

enum class RemoveResult {
    Removed,
    Gone,  // nothing stood under the name
    InUse, // a plain file another program created and still holds: try again
    Kept,  // anything else, left as it is
};

class FileStore {
public:
    virtual ~FileStore() = default;

    // Where the symbolic link `path` leads, as a name usable from here (a
    // relative link read from the link's own folder); nullopt when `path`
    // is not a link.
    virtual std::optional<std::string> LinkTarget(const std::string& path) = 0;
    // How many links in a row the system itself follows (Linux: 40).
    virtual int LinkLimit() const = 0;
    // The names of the entries of `folder` ("." for the working folder).
    virtual std::vector<std::string> List(const std::string& folder) = 0;

    // Opens the existing regular file `path` for reading and, when
    // `forWriting`, also for writing where the system allows it (else for
    // reading alone).  Never blocks on a FIFO.
    virtual OpenResult Open(const std::string& path, bool forWriting) = 0;
    // A new empty regular file under `path`, open for reading and writing,
    // only where nothing stands under the name (a link counts).  While it is
    // open it is in use: RemoveIfUnused leaves it alone.
    virtual CreateResult CreateExclusive(const std::string& path) = 0;
    // A new temporary file without a name in the folder of `target`, where
    // the system has such files (Linux's O_TMPFILE); Failed where not, and
    // the rules then use CreateExclusive under a fresh name.
    virtual CreateResult CreateUnnamed(const std::string& target) = 0;

    // Tries to take the lock between programs for the regular file `path`
    // (links already followed), without waiting.  The lock stays valid when
    // a new file is published over `path`.
    virtual LockResult TryLock(const std::string& path) = 0;

    // Gives `to`, a new file, the permission bits, owner or attributes of
    // `from`, as far as allowed.  False where it could not.
    virtual bool KeepAttributes(StoredFile& from, StoredFile& to) = 0;
    // Puts `file` (made by CreateExclusive under `name`, or by CreateUnnamed
    // with an empty `name`), written and flushed, under `target` in one step:
    // replacing what stands there when `replace`, else only where nothing
    // does.  `file` may be closed by it (Windows moves only closed files).
    virtual PublishResult Publish(StoredFile& file, const std::string& name, const std::string& target,
                                  bool replace) = 0;
    // Deletes the file this program made, open as `file`, where `name` still
    // names exactly it; never what another program put under the name since.
    virtual void Delete(StoredFile& file, const std::string& name) = 0;
    // Removes what stands under `name` only if it is a plain file: a
    // regular file (not a link, never followed), with that one name, not
    // marked read-only, and not in use.
    virtual RemoveResult RemoveIfUnused(const std::string& name) = 0;

    // Waits a moment before a retry (about a millisecond at most).
    virtual void Nap() = 0;
};

// The store of the system the program runs on (real_file_system_posix.cpp
// or real_file_system_windows.cpp).
std::unique_ptr<FileStore> MakeSystemFileStore();

} // namespace velmo
