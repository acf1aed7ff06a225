// A real file system whose writes can be made to fail after a number of
// bytes, like a disk that fills up part-way.
#pragma once

#include "common/file_system.h"

#include <cstddef>
#include <optional>

namespace velmo::test {

class FaultyFileSystem : public RealFileSystem {
public:
    // Every later write fails once `bytes` bytes have been written in all.
    void FailWritesAfter(std::size_t bytes) { budget_ = bytes; }
    void Heal() { budget_.reset(); }
    int failedWrites() const { return failedWrites_; }

protected:
    bool WriteAll(int fd, std::string_view data) override;

private:
    std::optional<std::size_t> budget_;
    int failedWrites_ = 0;
};

} // namespace velmo::test
