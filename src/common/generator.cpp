#include "common/generator.h"

#include <cassert>

namespace velmo {

std::uint32_t Generator::Uniform(std::uint32_t bound)
{
    constexpr std::uint32_t kRange = kRandMax + 1;
    assert(bound > 0 && bound <= kRange);
    const std::uint32_t limit = kRange - kRange % bound;
    for (;;) {
        const auto r = static_cast<std::uint32_t>(rand());
        if (r < limit)
            return r % bound;
    }
}

} // namespace velmo
