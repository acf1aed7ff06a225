// A FileSystem whose files live in memory: the fuzzers and the soak test run
// whole programs on it, thousands of rewrites a second, with nothing flushed
// to a disk.  It runs the same rules as RealFileSystem (CarefulFileSystem)
// over a store in memory, so it makes the same choices:
//
// - a name holds nothing, a regular file or a directory; only a regular file
//   is read, and nothing else under a name is ever written through;
// - a rewrite writes a temporary and publishes it whole, or fails and keeps
//   the old content; a read-only file is never written;
// - the scratch file removes only a plain file no conversion holds.
//
// Names are taken as written: there are no folders to walk, no links and no
// other programs.  The protected WriteAllowance and ReadBackAllowed seams
// are CarefulFileSystem's, so one test double makes either system fail.
#pragma once

#include "common/file_system.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace velmo {

class MemoryFileStore;

class InMemoryFileSystem : public CarefulFileSystem {
public:
    enum class Kind { Missing, File, Directory };

    InMemoryFileSystem() : InMemoryFileSystem(kDefaultLockWait) {}
    explicit InMemoryFileSystem(std::chrono::milliseconds lockWait);

    // What stands under `path`, as another program or the player would see it.
    Kind KindOf(const std::string& path) const;
    // The content of the regular file `path`; nullopt for anything else.
    std::optional<std::string> Content(const std::string& path) const;
    // Every name that holds a file or a directory, in order.
    std::vector<std::string> Names() const;

    // Damage done from outside, as a player or another program might: each
    // but MakeReadOnly replaces whatever stood under the name.
    void SetContent(const std::string& path, std::string content);
    void MakeDirectory(const std::string& path);
    void MakeReadOnly(const std::string& path);
    void Remove(const std::string& path);

private:
    MemoryFileStore& memory();
    const MemoryFileStore& memory() const;
};

} // namespace velmo
