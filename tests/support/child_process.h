// A second program for the tests: a forked child that runs a function and
// exits with its result.  Lets a test hold a lease or a lock in another
// process, run two programs in one folder, or kill one in mid-write.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <sys/types.h>

namespace velmo::test {

class ChildProcess {
public:
    // Forks at once; the child runs `body` and exits with its return value
    // (an escaping exception exits with 100).
    explicit ChildProcess(std::function<int(ChildProcess& self)> body);
    ~ChildProcess(); // kills and reaps a child that is still running
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // In the child: tells the test that it is ready (holds its lock, ...).
    void Ready();

    // In the test: true once the child said Ready(); false when it ended
    // first or `limit` passed.
    bool WaitUntilReady(std::chrono::milliseconds limit);

    // The exit status, or nullopt when the child did not end normally within
    // `limit` (it is killed then).
    std::optional<int> Wait(std::chrono::milliseconds limit);

    void Kill();

private:
    pid_t pid_ = -1;
    int readyRead_ = -1;
    int readyWrite_ = -1;
};

} // namespace velmo::test
