#include "support/faulty_file_system.h"

#include <algorithm>
#include <utility>

namespace velmo::test {

std::size_t WriteFaults::Allowance(const std::string& path, std::size_t wanted)
{
    if (duringWrite_)
        std::exchange(duringWrite_, nullptr)();
    if (refused_ && *refused_ == path)
        return 0;
    if (!budget_)
        return wanted;
    const std::size_t allowed = std::min(*budget_, wanted);
    *budget_ -= allowed;
    return allowed;
}

} // namespace velmo::test
