// An open file of a POSIX system, as the POSIX store hands it to the rules:
// a descriptor that closes itself, and positioned reads and writes that go
// on through interrupted calls.
#pragma once

#include "common/file_store.h"

#include <utility>

namespace velmo {

class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : fd_(fd) {}
    ~UniqueFd() { Reset(); }
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void Reset();

private:
    int fd_;
};

class PosixFile : public StoredFile {
public:
    explicit PosixFile(UniqueFd fd) : fd_(std::move(fd)) {}
    int fd() const { return fd_.get(); }

    std::optional<std::size_t> ReadAt(std::uint64_t offset, char* buffer, std::size_t size) override;
    std::optional<std::size_t> WriteAt(std::uint64_t offset, const char* data, std::size_t size) override;
    bool Truncate(std::uint64_t size) override;
    bool Flush() override;
    std::optional<std::uint64_t> Size() override;
    std::optional<std::size_t> Append(const char* data, std::size_t size) override;

private:
    UniqueFd fd_;
};

} // namespace velmo
