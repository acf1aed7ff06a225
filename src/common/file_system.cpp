#include "common/file_system.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace velmo {
namespace {

// A read-only stream over a descriptor, so that the file is opened exactly
// once and checked to be a regular file before anything is read.
class FdStreamBuf : public std::streambuf {
public:
    explicit FdStreamBuf(int fd) : fd_(fd) {}
    ~FdStreamBuf() override { ::close(fd_); }
    FdStreamBuf(const FdStreamBuf&) = delete;
    FdStreamBuf& operator=(const FdStreamBuf&) = delete;

protected:
    int_type underflow() override
    {
        if (gptr() < egptr())
            return traits_type::to_int_type(*gptr());
        ssize_t n;
        do {
            n = ::read(fd_, buffer_, sizeof buffer_);
        } while (n < 0 && errno == EINTR);
        if (n <= 0)
            return traits_type::eof();
        setg(buffer_, buffer_, buffer_ + n);
        return traits_type::to_int_type(*gptr());
    }

private:
    int fd_;
    char buffer_[4096];
};

class FdIStream : public std::istream {
public:
    explicit FdIStream(int fd) : std::istream(nullptr), buf_(fd) { rdbuf(&buf_); }

private:
    FdStreamBuf buf_;
};

bool CloseChecked(int fd)
{
    return ::close(fd) == 0;
}

// Follows symbolic links by hand so that a dangling link still names the
// file it would create.
std::filesystem::path ResolveLinks(const std::filesystem::path& start)
{
    namespace fs = std::filesystem;
    fs::path current = start;
    for (int depth = 0; depth < 40; ++depth) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec)))
            return current;
        fs::path target = fs::read_symlink(current, ec);
        if (ec)
            return current;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return current;
}

} // namespace

std::unique_ptr<std::istream> RealFileSystem::OpenForReading(const std::string& path)
{
    // Non-blocking so that a FIFO in the file's place cannot hang the window.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    return std::make_unique<FdIStream>(fd);
}

bool RealFileSystem::WriteAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool RealFileSystem::WriteScratch(const std::string& path, std::string_view content, bool* opened)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (opened)
        *opened = fd >= 0;
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    const bool written = WriteAll(fd, content);
    const bool closed = CloseChecked(fd);
    if (written && closed)
        return true;
    ::unlink(path.c_str());
    return false;
}

bool RealFileSystem::ReplaceAtomically(const std::string& path, std::string_view content)
{
    namespace fs = std::filesystem;
    const fs::path target = ResolveLinks(fs::path(path));
    std::error_code ec;
    const auto status = fs::status(target, ec);
    if (fs::exists(status)) {
        // A file that cannot be opened for writing is not replaced either.
        if (!fs::is_regular_file(status))
            return false;
        const int probe = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
        if (probe < 0)
            return false;
        ::close(probe);
    }

    fs::path dir = target.parent_path();
    std::string pattern = (dir.empty() ? fs::path(".") : dir).string() + "/." + target.filename().string() + ".XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return false;
    ::fchmod(fd, 0644);
    bool ok = WriteAll(fd, content);
    ok = (::fsync(fd) == 0) && ok;
    ok = CloseChecked(fd) && ok;
    if (ok)
        ok = ::rename(pattern.c_str(), target.c_str()) == 0;
    if (!ok)
        ::unlink(pattern.c_str());
    return ok;
}

void RealFileSystem::Remove(const std::string& path)
{
    std::remove(path.c_str());
}

} // namespace velmo
