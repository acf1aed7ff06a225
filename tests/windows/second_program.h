// A second program for the Windows tests: the unit-test program started
// again with CreateProcessW in the current folder, running one role that a
// test file registered.  Lets a test run two programs on one folder, as a
// player who starts the window twice does, or hold a lock in another process.
// (The POSIX tests fork instead; Windows has no fork.)
#pragma once

#include "system/windows/windows_api.h"

#include <chrono>
#include <optional>

namespace velmo::test {

// A role a second program can play: `k` tells two copies apart; the exit
// status is the role's result.
using Role = int (*)(int k);

// Registers a role under `name` before main runs (a namespace-scope object).
struct RoleRegistration {
    RoleRegistration(const char* name, Role role);
};

class SecondProgram {
public:
    // Starts at once; a role that was never registered exits with 99.
    SecondProgram(const char* role, int k);
    ~SecondProgram(); // ends a program that is still running
    SecondProgram(const SecondProgram&) = delete;
    SecondProgram& operator=(const SecondProgram&) = delete;

    // The exit status, or nullopt when the program did not start or did not
    // end within `limit` (it is ended then).
    std::optional<int> Wait(std::chrono::milliseconds limit);

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

} // namespace velmo::test
