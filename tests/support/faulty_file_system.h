// File systems whose writes can be made to fail after a number of bytes, like
// a disk that fills up part-way, or for one file only; and whose scratch file
// can be made unreadable.  FaultyFileSystem is the real one, in a test's
// working directory; FaultyInMemoryFileSystem keeps its files in memory.
#pragma once

#include "common/file_system.h"
#include "common/in_memory_file_system.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace velmo::test {

// The faults asked for, shared by both file systems.
class WriteFaults {
public:
    // Every later write fails once `bytes` bytes have been written in all.
    void FailWritesAfter(std::size_t bytes) { budget_ = bytes; }
    // Every later write for the file `path` fails at once; others go on.
    void RefuseWritesTo(const std::string& path) { refused_ = path; }
    void FailReadBack() { readBackFails_ = true; }
    // Runs `act` once, as the next write begins: another program's work
    // in the middle of this one's.
    void DuringNextWrite(std::function<void()> act) { duringWrite_ = std::move(act); }
    void Heal()
    {
        budget_.reset();
        refused_.reset();
        readBackFails_ = false;
    }

protected:
    // How many of the `wanted` bytes the next write for `path` may take.
    std::size_t Allowance(const std::string& path, std::size_t wanted);
    bool ReadBackWorks() const { return !readBackFails_; }

private:
    std::optional<std::size_t> budget_;
    std::optional<std::string> refused_;
    std::function<void()> duringWrite_;
    bool readBackFails_ = false;
};

template <class Files> class Faulty : public Files, public WriteFaults {
public:
    using Files::Files;

protected:
    std::size_t WriteAllowance(const std::string& path, std::size_t wanted) override { return Allowance(path, wanted); }
    bool ReadBackAllowed() override { return ReadBackWorks(); }
};

using FaultyFileSystem = Faulty<RealFileSystem>;
using FaultyInMemoryFileSystem = Faulty<InMemoryFileSystem>;

} // namespace velmo::test
