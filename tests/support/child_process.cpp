#include "support/child_process.h"

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace velmo::test {

ChildProcess::ChildProcess(std::function<int(ChildProcess& self)> body)
{
    int fds[2];
    if (::pipe(fds) != 0)
        throw std::runtime_error("cannot create a pipe");
    readyRead_ = fds[0];
    readyWrite_ = fds[1];
    pid_ = ::fork();
    if (pid_ < 0)
        throw std::runtime_error("cannot fork");
    if (pid_ == 0) {
        ::close(readyRead_);
        int status = 100;
        try {
            status = body(*this);
        } catch (...) {
        }
        ::_exit(status); // no test teardown, no atexit handlers in the child
    }
    ::close(readyWrite_);
    readyWrite_ = -1;
}

ChildProcess::~ChildProcess()
{
    Kill();
    if (readyRead_ >= 0)
        ::close(readyRead_);
}

void ChildProcess::Ready()
{
    const char byte = 'r';
    [[maybe_unused]] const ssize_t n = ::write(readyWrite_, &byte, 1);
}

bool ChildProcess::WaitUntilReady(std::chrono::milliseconds limit)
{
    pollfd p{readyRead_, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(limit.count())) <= 0)
        return false;
    char byte;
    return ::read(readyRead_, &byte, 1) == 1; // 0: the child ended without being ready
}

std::optional<int> ChildProcess::Wait(std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (pid_ > 0) {
        int status = 0;
        const pid_t done = ::waitpid(pid_, &status, WNOHANG);
        if (done == pid_) {
            pid_ = -1;
            if (WIFEXITED(status))
                return WEXITSTATUS(status);
            return std::nullopt;
        }
        if (done < 0 && errno != EINTR)
            break;
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    Kill();
    return std::nullopt;
}

void ChildProcess::Kill()
{
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGKILL);
    int status = 0;
    while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
}

} // namespace velmo::test
