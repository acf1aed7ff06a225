#include "common/saturating_arithmetic.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace velmo {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(SaturatingAdd, StopsAtEitherLimit)
{
    EXPECT_EQ(SaturatingAdd(kMax, 4001), kMax);
    EXPECT_EQ(SaturatingAdd(kMin + 1, -5), kMin);
    EXPECT_EQ(SaturatingAdd(kMax, kMin), -1);
}

TEST(TruncateToInt32, TruncatesTowardZeroAndClampsWhatDoesNotFit)
{
    EXPECT_EQ(TruncateToInt32(12.9), 12);
    EXPECT_EQ(TruncateToInt32(-12.9), -12);
    EXPECT_EQ(TruncateToInt32(2147483647.9), kMax);
    EXPECT_EQ(TruncateToInt32(1e30), kMax);
    EXPECT_EQ(TruncateToInt32(-2147483648.9), kMin);
    EXPECT_EQ(TruncateToInt32(-std::numeric_limits<double>::infinity()), kMin);
    EXPECT_EQ(TruncateToInt32(std::numeric_limits<double>::quiet_NaN()), kMin);
}

} // namespace
} // namespace velmo
