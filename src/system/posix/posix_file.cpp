#include "system/posix/posix_file.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace velmo {

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept
{
    if (this != &other) {
        Reset();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

void UniqueFd::Reset()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

std::optional<std::size_t> PosixFile::ReadAt(std::uint64_t offset, char* buffer, std::size_t size)
{
    for (;;) {
        const ssize_t n = ::pread(fd(), buffer, size, static_cast<off_t>(offset));
        if (n >= 0)
            return static_cast<std::size_t>(n);
        if (errno != EINTR)
            return std::nullopt;
    }
}

std::optional<std::size_t> PosixFile::WriteAt(std::uint64_t offset, const char* data, std::size_t size)
{
    for (;;) {
        const ssize_t n = ::pwrite(fd(), data, size, static_cast<off_t>(offset));
        if (n > 0)
            return static_cast<std::size_t>(n);
        if (n == 0 || errno != EINTR)
            return std::nullopt;
    }
}

bool PosixFile::Truncate(std::uint64_t size)
{
    return ::ftruncate(fd(), static_cast<off_t>(size)) == 0;
}

bool PosixFile::Flush()
{
    return ::fsync(fd()) == 0;
}

std::optional<std::uint64_t> PosixFile::Size()
{
    struct stat st {};
    if (::fstat(fd(), &st) != 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(st.st_size);
}

std::optional<std::size_t> PosixFile::Append(const char* data, std::size_t size)
{
    // Opened with O_APPEND: the system puts each write at the end.
    for (;;) {
        const ssize_t n = ::write(fd(), data, size);
        if (n > 0)
            return static_cast<std::size_t>(n);
        if (n == 0 || errno != EINTR)
            return std::nullopt;
    }
}

} // namespace velmo
