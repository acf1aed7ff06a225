#include "common/posix_names.h"

#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmo {

bool NamesFile(const std::string& path, int fd)
{
    struct stat named {};
    struct stat opened {};
    return ::lstat(path.c_str(), &named) == 0 && ::fstat(fd, &opened) == 0 && named.st_dev == opened.st_dev &&
           named.st_ino == opened.st_ino;
}

// Through /proc where it
// is mounted, else directly (which needs a capability ordinary users lack).
bool LinkUnnamed(int fd, const std::string& name)
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return true;
    return errno != EEXIST && ::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0;
}

// A hard link and the old name's removal where renameat2 cannot (older
// kernels, some file systems).
bool MoveWithoutReplacing(const std::string& name, const std::string& target)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, name.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
#endif
    if (::link(name.c_str(), target.c_str()) == 0) {
        ::unlink(name.c_str());
        return true;
    }
#ifdef __EMSCRIPTEN__
    // Emscripten's files under node have neither renameat2 nor hard
    // links: the name is looked at, then taken.  Only the tools and tests
    // run there, one program at a time; the browser uses its own store.
    struct stat standing {};
    if (errno == EEXIST || ::lstat(target.c_str(), &standing) == 0 || errno != ENOENT)
        return false;
    return ::rename(name.c_str(), target.c_str()) == 0;
#else
    return false;
#endif
}

} // namespace velmo
