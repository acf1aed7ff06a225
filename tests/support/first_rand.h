// What rand() gives first after srand(seed): the tests' foresight of a
// draw that pauses, reseeds from the clock and takes one value.
#pragma once

#include "common/generator.h"

#include <cstdint>

namespace velmo::test {

inline int FirstRand(std::uint32_t seed)
{
    Generator generator;
    generator.srand(seed);
    return generator.rand();
}

} // namespace velmo::test
