// A FileSystem whose files live in memory: the fuzzers and the soak test run
// whole programs on it, thousands of rewrites a second, with nothing flushed
// to a disk.  It keeps the observable contract of file_system.h:
//
// - a name holds nothing, a regular file or a directory; only a regular file
//   is read, and nothing else under a name is ever written through;
// - a rewrite replaces the content as a whole or, failing, not at all (no
//   temporary file ever stands, so none is left to remove);
// - Update of anything but a regular file is Unreadable and creates nothing.
//
// Names are taken as written: there are no folders to walk and no links.
// The protected WriteAllowance and ReadBackAllowed are the same seams as
// RealFileSystem's, so that one test double makes either of them fail.
#pragma once

#include "common/file_system.h"

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace velmo {

class InMemoryFileSystem : public FileSystem {
public:
    enum class Kind { Missing, File, Directory };

    std::unique_ptr<std::istream> OpenForReading(const std::string& path) override;
    ScratchRoundTrip RoundTripScratch(const std::string& path, std::string_view content) override;
    bool CreateExclusively(const std::string& path, std::string_view content) override;
    void RemoveStaleTemporaries(const std::string& path) override;
    bool Rewrite(const std::string& path, std::string_view content) override;
    UpdateOutcome Update(const std::string& path, const Change& change) override;

    // What stands under `path`, as another program or the player would see it.
    Kind KindOf(const std::string& path) const;
    // The content of the regular file `path`; nullopt for anything else.
    std::optional<std::string> Content(const std::string& path) const;
    // Every name that holds a file or a directory, in order.
    std::vector<std::string> Names() const;

    // Damage done from outside, as a player or another program might: each
    // replaces whatever stood under the name.
    void SetContent(const std::string& path, std::string content);
    void MakeDirectory(const std::string& path);
    void Remove(const std::string& path);

protected:
    // As in RealFileSystem: how many of the `wanted` bytes the next write for
    // `path` may take (fewer fails the write), and whether the scratch file
    // may be read back.
    virtual std::size_t WriteAllowance(const std::string& /*path*/, std::size_t wanted) { return wanted; }
    virtual bool ReadBackAllowed() { return true; }

private:
    struct Entry {
        Kind kind;
        std::string content;
    };

    // Whether all of `content` could be written for `path`, asking the seam
    // chunk by chunk as the real file system does.
    bool Writes(const std::string& path, std::string_view content);
    const Entry* Find(const std::string& path) const;

    std::map<std::string, Entry, std::less<>> entries_;
};

} // namespace velmo
