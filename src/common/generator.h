// The pseudo-random generator behind the platform's srand and rand, one per
// Platform; every trainer that draws (all but SCORES) draws from it.
//
// It reproduces the Windows C library's rand (a linear congruential generator
// with 15-bit results, 0..32767) on every system, so that the trainers'
// "rand() % m" draws behave the same whatever the host's C library does.
// One instance lives in the Platform; tests get a fresh one with each platform.
#pragma once

#include <cstdint>

namespace velmo {

class Generator {
public:
    static constexpr int kRandMax = 32767;

    void srand(std::uint32_t seed) { state_ = seed; }

    int rand()
    {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7fffu);
    }

    // A draw from 0..bound-1 in which every value is equally likely: values of
    // rand() that would favour the low results are rejected and drawn again.
    // One rand() covers every bound up to 32768, far beyond the longest list
    // a trainer shuffles.
    std::uint32_t Uniform(std::uint32_t bound);

private:
    std::uint32_t state_ = 1; // the C library's state before any srand
};

} // namespace velmo
