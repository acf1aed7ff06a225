// The web edition's files: the highscore file lives in the site's storage,
// where every tab of the site sees it, and each read-change-rewrite of it
// holds the storage lock, so that two tabs are two programs in one folder.
// The scratch file of number-to-text never leaves memory.
#pragma once

#include "app/web/web_storage.h"
#include "common/file_system.h"
#include "common/in_memory_file_system.h"

#include <chrono>

namespace velmo {

class WebFileSystem : public FileSystem {
public:
    // As long as the desktop waits for another program's lock.
    static constexpr std::chrono::milliseconds kLockWait{2000};

    explicit WebFileSystem(WebStorage& storage) : storage_(storage) {}

    std::unique_ptr<std::istream> OpenForReading(const std::string& path) override;
    ScratchRoundTrip RoundTripScratch(const std::string& path, std::string_view content) override;
    bool CreateExclusively(const std::string& path, std::string_view content) override;
    void RemoveStaleTemporaries(const std::string& path) override;
    bool Rewrite(const std::string& path, std::string_view content) override;
    UpdateOutcome Update(const std::string& path, const Change& change) override;

private:
    WebStorage& storage_;
    InMemoryFileSystem scratch_;
};

} // namespace velmo
