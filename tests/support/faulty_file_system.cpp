#include "support/faulty_file_system.h"

#include <algorithm>

namespace velmo::test {

bool FaultyFileSystem::WriteAll(int fd, std::string_view data)
{
    if (!budget_)
        return RealFileSystem::WriteAll(fd, data);
    const std::size_t allowed = std::min(*budget_, data.size());
    *budget_ -= allowed;
    if (!RealFileSystem::WriteAll(fd, data.substr(0, allowed)))
        return false;
    if (allowed < data.size()) {
        ++failedWrites_;
        return false;
    }
    return true;
}

} // namespace velmo::test
