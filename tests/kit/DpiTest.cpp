// Pixel sizes drawn at 96 dots per inch, scaled the way the system's MulDiv scales them.
#include <gtest/gtest.h>

#include "kit/Dpi.h"

namespace mw {
namespace {

TEST(Dpi, ScalesToTheNearestPixelWithHalvesAwayFromZero) {
    EXPECT_EQ(ScaledPixels(7, kDesignDpi), 7);
    EXPECT_EQ(ScaledPixels(0, 192), 0);
    EXPECT_EQ(ScaledPixels(2, 120), 3);    // 2.5 goes up
    EXPECT_EQ(ScaledPixels(-2, 120), -3);  // and down for a shift to the left or up
    EXPECT_EQ(ScaledPixels(3, 120), 4);    // 3.75
    EXPECT_EQ(ScaledPixels(-1, 144), -2);  // -1.5
    EXPECT_EQ(ScaledPixels(1, 72), 1);     // 0.75
}

TEST(Dpi, LargeSizesDoNotOverflowOnTheWay) {
    EXPECT_EQ(ScaledPixels(20000000, 192), 40000000);
    EXPECT_EQ(ScaledPixels(-20000000, 192), -40000000);
}

}  // namespace
}  // namespace mw
