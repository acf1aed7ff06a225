// The web edition's files: the shared file rules (CarefulFileSystem) over a
// store that keeps a few named files, the highscore file, in the site's
// storage, where every tab of the site sees them, and everything else (the
// scratch file of number-to-text, the temporaries) in memory.
//
// A kept file is read afresh from the storage on every open and replaced
// only as a whole: a rewrite publishes its temporary into the storage in one
// step, so a refused or interrupted write leaves the old text.  It is never
// written in place (the storage has no such write), it is never removed, and
// its lock is the storage's lock for its name, which another tab holding it
// answers with Busy.  A rewrite of a kept file that would store the very text
// read under the same hold of its lock is not sent: no tab can have changed
// it meanwhile, and the storage's write would cost a commit to the disk for
// nothing (SCORES: Highscores rewrites the list on every click).
#pragma once

#include "common/file_system.h"
#include "common/memory_file_store.h"
#include "system/web/web_storage.h"

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace velmo {

class WebFileStore : public FileStore {
public:
    WebFileStore(WebStorage& storage, std::vector<std::string> keptNames)
        : storage_(storage), kept_(std::move(keptNames))
    {
    }

    std::optional<Link> LinkTarget(const std::string& path) override;
    int LinkLimit() const override { return 0; }
    std::vector<std::string> List(const std::string& folder) override;
    OpenResult Open(const std::string& path, bool forWriting) override;
    CreateResult CreateExclusive(const std::string& path) override;
    CreateResult CreateUnnamed(const std::string& target) override;
    PublishResult Name(StoredFile& file, const std::string& name) override;
    LockResult TryLock(const std::string& path) override;
    bool KeepAttributes(StoredFile& from, StoredFile& to) override;
    PublishResult Publish(StoredFile& file, const std::string& name, const std::string& target, bool replace) override;
    void Delete(StoredFile& file, const std::string& name) override;
    Standing Look(const std::string& name) override;
    RemoveResult RemoveIfStill(const std::string& name, Standing& standing) override;
    void Nap() override { storage_.Nap(); }

    // The files that never leave memory, as another program would see them.
    MemoryFileStore& memory() { return memory_; }
    bool Kept(const std::string& path) const;

private:
    class StorageLock;

    WebStorage& storage_;
    std::vector<std::string> kept_;
    MemoryFileStore memory_;
    // The kept names this program holds the lock of, each with the text the
    // storage has under it as last read or written during that hold
    // (nullopt: not known).
    std::map<std::string, std::optional<std::string>> held_;
};

class WebFileSystem : public CarefulFileSystem {
public:
    WebFileSystem(WebStorage& storage, std::vector<std::string> keptNames,
                  std::chrono::milliseconds lockWait = kDefaultLockWait)
        : CarefulFileSystem(std::make_unique<WebFileStore>(storage, std::move(keptNames)), lockWait)
    {
    }

    WebFileStore& web() { return static_cast<WebFileStore&>(store()); }
};

} // namespace velmo
