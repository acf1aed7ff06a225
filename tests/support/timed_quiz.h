// What the tests of the timed quizzes (Preflop, Tournaments) share: a whole
// program whose Start/Next press is remembered with its tick, and the speed
// bonus cases, each named for its response time.
#pragma once

#include "support/program_fixture.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

namespace velmo::test {

class TimedQuizFixture : public ProgramFixture {
protected:
    TimedQuizFixture(int startButton, std::uint32_t startTick) : ProgramFixture(startTick), startButton_(startButton) {}

    // Presses Start/Next and returns the tick it was pressed at.
    std::uint32_t Start()
    {
        const std::uint32_t pressedAt = platform.Ticks();
        Press(startButton_);
        return pressedAt;
    }

private:
    int startButton_;
};

// A right answer `elapsedMs` after the start earns `points`.
struct PointsCase {
    std::uint32_t elapsedMs;
    int points;
};

inline void PrintTo(const PointsCase& c, std::ostream* os)
{
    *os << c.elapsedMs << " ms";
}

inline std::string PointsCaseName(const ::testing::TestParamInfo<PointsCase>& info)
{
    return "After" + std::to_string(info.param.elapsedMs) + "ms";
}

} // namespace velmo::test
