#include "system/posix/posix_names.h"

#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

namespace velmo {

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
    return false;
}

} // namespace velmo
