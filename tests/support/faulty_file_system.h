// A real file system whose writes can be made to fail after a number of
// bytes, like a disk that fills up part-way, or for one file only; and whose
// scratch file can be made unreadable.
#pragma once

#include "common/file_system.h"

#include <cstddef>
#include <optional>
#include <string>

namespace velmo::test {

class FaultyFileSystem : public RealFileSystem {
public:
    using RealFileSystem::RealFileSystem;

    // Every later write fails once `bytes` bytes have been written in all.
    void FailWritesAfter(std::size_t bytes) { budget_ = bytes; }
    // Every later write for the file `path` fails at once; others go on.
    void RefuseWritesTo(const std::string& path) { refused_ = path; }
    void FailReadBack() { readBackFails_ = true; }
    void Heal()
    {
        budget_.reset();
        refused_.reset();
        readBackFails_ = false;
    }

protected:
    std::size_t WriteAllowance(const std::string& path, std::size_t wanted) override;
    bool ReadBackAllowed() override { return !readBackFails_; }

private:
    std::optional<std::size_t> budget_;
    std::optional<std::string> refused_;
    bool readBackFails_ = false;
};

} // namespace velmo::test
