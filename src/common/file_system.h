// File access of the two files the program owns: the scratch file of
// NumberToText and the highscore file.
//
// FileSystem speaks of names and contents only.  CarefulFileSystem holds
// the program's file rules, written once (careful_file_system.cpp), over a
// FileStore of small per-system calls (file_store.h): RealFileSystem runs
// them on the system's files (real_file_system_posix.cpp or _windows.cpp),
// InMemoryFileSystem on files in memory.  What a system cannot offer (Linux
// links under Windows, hard links in memory) differs; the rules do not:
//
// - nothing that already stands under a name is written through, truncated
//   or replaced unless the operation says so;
// - a file being rewritten is never left half-written by a failure or a kill:
//   the new content replaces the old as a whole, or the old stays;
// - the read, change and rewrite of one Update never interleave with another
//   program's Update or Rewrite of the same file, and no wait is unbounded.
//
// And where a choice had to be made:
// - a symbolic link is followed as the system follows it (Linux: 40 in a
//   row); a dangling link names the file to create;
// - a read-only highscore file (no write bit; the read-only attribute) is
//   never written, even by a user allowed to; an offer then fails;
// - a highscore file with more than one name (hard links) is rewritten in
//   place, so that every name sees the new list;
// - only a folder that refuses new files is rewritten in place; any other
//   failure to make the temporary fails the rewrite and keeps the old file;
// - a new highscore file is written aside and published whole only where
//   nothing stands under its name, so no program reads a half-made list;
// - the scratch file removes nothing but a plain file (regular, one name,
//   not read-only, not a link) that no running program holds: a scratch file
//   an earlier run left.  Another program's scratch file is waited for, at
//   most the lock wait; anything else stands, and the number cannot be shown.
//
// CarefulFileSystem's protected WriteAllowance is the seam through which
// tests make a write fail part-way (CI runs as root, so file permissions
// cannot be used to provoke failures).
#pragma once

#include "common/file_store.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace velmo {

// What came of one round trip through a scratch file.
struct ScratchRoundTrip {
    enum class Status {
        Done,       // `readBack` holds what the file gave back
        NotWritten, // the file could not be created, or the write failed
        NotReadBack // written, but reading it back failed; the file stays
    };
    Status status;
    std::string readBack;
};

enum class UpdateOutcome {
    Unreadable,   // cannot be opened (missing, not a regular file, a link loop)
    LockTimedOut, // another program kept it locked past the bounded wait
    Unchanged,    // read; the change asked for no rewrite
    Written,      // read and rewritten
    WriteFailed,  // read, but the rewrite failed; the old content stays
};

enum class AppendOutcome {
    Missing,  // nothing stands under the name: nothing was written
    Appended, // the whole text went out
    Failed,   // anything else: not a file, read-only, locked too long, a full disk
};

class FileSystem {
public:
    // Given the current content, the new content, or nullopt for none.
    using Change = std::function<std::optional<std::string>(std::istream& current)>;
    // Given the file's last byte (none for an empty file), the text to append.
    using Addition = std::function<std::string(std::optional<char> lastByte)>;

    virtual ~FileSystem() = default;

    // A stream over a regular file, or nullptr when the path cannot be opened
    // for reading or is not a regular file (a directory, a FIFO, ...).
    virtual std::unique_ptr<std::istream> OpenForReading(const std::string& path) = 0;

    // Writes `content` to a file created afresh under `path` and reads it
    // back through the same open file.  What stood under the name before is
    // removed only when it is a plain file no running program holds (one a
    // killed run left; one still held is waited for, briefly); anything else
    // (a link, a FIFO, a directory, a read-only or hard-linked file) stays,
    // is never written through, and gives NotWritten.  The name is removed
    // at the end only if it still names the file made here, and a failed
    // write removes the partly written file the same way.
    virtual ScratchRoundTrip RoundTripScratch(const std::string& path, std::string_view content) = 0;

    // Creates `path` holding `content` only where nothing stands under the
    // name (a dangling symbolic link counts as nothing: the file it names is
    // created).  An existing file is never opened or replaced, however it
    // fails to open.  False when nothing was created.
    virtual bool CreateExclusively(const std::string& path, std::string_view content) = 0;

    // Removes temporary files that an earlier rewrite of `path` left when it
    // was killed, and only those no running program is still writing.
    virtual void RemoveStaleTemporaries(const std::string& path) = 0;

    // Replaces the content of `path`, creating the file where it is missing.
    // Where possible a temporary file beside the target is written, flushed
    // and renamed over it, keeping the old file's permission bits (and owner
    // where allowed); in a folder that takes no new files the existing file is
    // rewritten in place instead.  A symbolic link stays a link and the file
    // it points to is rewritten.  A link loop, anything but a regular file,
    // and a file that cannot be opened for writing are left as they are.
    // An existing file is written under the same lock as Update.  False on
    // any failure, the old content then intact.
    virtual bool Rewrite(const std::string& path, std::string_view content) = 0;

    // Reads `path`, lets `change` decide the new content and rewrites it as
    // Rewrite does, all under a lock on the file that other programs using
    // this interface honour.  Nothing is created: a missing file is Unreadable.
    virtual UpdateOutcome Update(const std::string& path, const Change& change) = 0;

    // Whether anything stands under `path` (a file, a link, a directory, ...).
    virtual bool Stands(const std::string& path) = 0;

    // Removes the file or link `path`, never a directory or the like; true
    // when nothing stands under the name afterwards.
    virtual bool RemoveFile(const std::string& path) = 0;

    // Appends `addition`'s text to the existing regular file `path` in one
    // write, under the lock of Update, so that two programs' appends neither
    // interleave nor split a line.  Never creates the file and never blocks
    // on a FIFO; a read-only file is not written.
    virtual AppendOutcome Append(const std::string& path, const Addition& addition) = 0;
};

// The rules over a store; see the top of this file.
class CarefulFileSystem : public FileSystem {
public:
    // How long an Update or Rewrite waits for another program's lock, and a
    // scratch round trip for another program's scratch file to go.
    static constexpr std::chrono::milliseconds kDefaultLockWait{2000};
    // How long a publish waits for a program that reads the target.
    static constexpr std::chrono::milliseconds kReaderWait{200};

    CarefulFileSystem(std::unique_ptr<FileStore> store, std::chrono::milliseconds lockWait);

    std::unique_ptr<std::istream> OpenForReading(const std::string& path) override;
    ScratchRoundTrip RoundTripScratch(const std::string& path, std::string_view content) override;
    bool CreateExclusively(const std::string& path, std::string_view content) override;
    void RemoveStaleTemporaries(const std::string& path) override;
    bool Rewrite(const std::string& path, std::string_view content) override;
    UpdateOutcome Update(const std::string& path, const Change& change) override;
    bool Stands(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;
    AppendOutcome Append(const std::string& path, const Addition& addition) override;

protected:
    // How many of the `wanted` bytes the next write for the file `path` may
    // take.  Fewer, down to 0, makes the write fail there, as a full disk
    // would; tests override it.
    virtual std::size_t WriteAllowance(const std::string& /*path*/, std::size_t wanted) { return wanted; }

    // Whether the scratch file may be read back; false fails the reading as
    // an I/O error would.
    virtual bool ReadBackAllowed() { return true; }

    FileStore& store() { return *store_; }
    const FileStore& store() const { return *store_; }

private:
    using Clock = std::chrono::steady_clock;
    struct Target; // a file locked and opened for a rewrite
    struct Temporary;

    // The name `path` finally leads to; nullopt for a loop or too long a chain.
    std::optional<std::string> Resolve(const std::string& path);
    Target LockAndOpen(const std::string& target);
    // Whether an attempt is tried again at once, after a nap, or not.
    enum class Retry { No, Now, AfterNap };
    // Makes `attempt` until `again` says No for what it gave, or the
    // deadline has passed: the one loop behind every bounded wait.
    template <typename Attempt, typename Again>
    auto RetryWhileBusy(Clock::time_point deadline, Attempt attempt, Again again);
    // Removes `name` only where it is a plain file: regular, one name, not
    // read-only, not held by a running program (InUse then).
    RemoveResult RemovePlainFile(const std::string& name);
    std::optional<Temporary> MakeTemporary(const std::string& target, CreateResult::Status& refusal);
    bool Replace(const std::string& path, const std::string& target, Target& locked, std::string_view content);
    bool CreateWhole(const std::string& path, const std::string& target, std::string_view content, bool replace);
    bool PublishWithin(Temporary& temp, const std::string& target, bool replace);
    bool RewriteInPlace(const std::string& path, StoredFile& file, std::string_view content);
    bool WriteAll(const std::string& path, StoredFile& file, std::string_view data);

    std::unique_ptr<FileStore> store_;
    std::chrono::milliseconds lockWait_;
};

// The files of the system the program runs on.
class RealFileSystem : public CarefulFileSystem {
public:
    explicit RealFileSystem(std::chrono::milliseconds lockWait = kDefaultLockWait);
};

} // namespace velmo
