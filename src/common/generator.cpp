#include "common/generator.h"

#include <cassert>

namespace velmo {

std::uint32_t Generator::Uniform(std::uint32_t bound)
{
    assert(bound > 0);
    constexpr std::uint32_t kRange15 = 32768;
    if (bound <= kRange15) {
        const std::uint32_t limit = kRange15 - kRange15 % bound;
        for (;;) {
            const auto r = static_cast<std::uint32_t>(rand());
            if (r < limit)
                return r % bound;
        }
    }
    // Two draws give 30 bits; lists that long never occur, but stay uniform.
    constexpr std::uint32_t kRange30 = kRange15 * kRange15;
    const std::uint32_t limit = kRange30 - kRange30 % bound;
    for (;;) {
        const auto r = (static_cast<std::uint32_t>(rand()) << 15) | static_cast<std::uint32_t>(rand());
        if (r < limit)
            return r % bound;
    }
}

} // namespace velmo
