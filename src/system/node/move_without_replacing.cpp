#include "system/posix/posix_names.h"

#include <cerrno>
#include <stdio.h>
#include <sys/stat.h>

namespace velmo {

// Emscripten's files under node have neither renameat2 nor hard links: the
// name is looked at, then taken.  Only the tools and tests run there, one
// program at a time; the browser keeps its files in its own store.
bool MoveWithoutReplacing(const std::string& name, const std::string& target)
{
    struct stat standing {};
    if (::lstat(target.c_str(), &standing) == 0) {
        errno = EEXIST;
        return false;
    }
    return errno == ENOENT && ::rename(name.c_str(), target.c_str()) == 0;
}

} // namespace velmo
