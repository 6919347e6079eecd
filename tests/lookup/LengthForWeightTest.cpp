// The length a weight buys: metres, bars of stock and what is left past the whole bars.
#include "lookup/LengthForWeight.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace mw {
namespace {

TEST(LengthForWeight, MetresAndBars) {
    const auto b = LengthForWeight(1000, 22.637, 6000);
    ASSERT_TRUE(b);
    EXPECT_NEAR(b->metres, 44.1755, 1e-4);
    EXPECT_NEAR(b->bars, 7.3626, 1e-4);
    EXPECT_EQ(b->wholeBars, 7);
    EXPECT_NEAR(b->restMetres, 2.1755, 1e-4);
}

TEST(LengthForWeight, AWeightOfWholeBarsLeavesNothingOver) {
    // 3 bars of 6 m at 10 kg/m weigh 180 kg; floating point must not make that 2 bars and a sliver.
    const auto b = LengthForWeight(0.1 * 3 * 600, 10, 6000);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->wholeBars, 3);
    EXPECT_NEAR(b->restMetres, 0, 1e-9);
    EXPECT_GE(b->restMetres, 0);
}

TEST(LengthForWeight, NothingForWhatIsNotAPositiveNumber) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(LengthForWeight(0, 10, 6000));
    EXPECT_FALSE(LengthForWeight(-5, 10, 6000));
    EXPECT_FALSE(LengthForWeight(100, 0, 6000));
    EXPECT_FALSE(LengthForWeight(100, 10, 0));
    EXPECT_FALSE(LengthForWeight(nan, 10, 6000));
    EXPECT_FALSE(LengthForWeight(inf, 10, 6000));
    EXPECT_FALSE(LengthForWeight(1e300, 1e-300, 1));  // no count of bars fits
}

}  // namespace
}  // namespace mw
