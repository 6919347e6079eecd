// Display trimming of formatted numbers.
#include "expr/TrimZeros.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

TEST(TrimZeros, DropsZerosOnlyAfterAPoint) {
    EXPECT_EQ(TrimZeros("2000.000000"), "2000");
    EXPECT_EQ(TrimZeros("0.500000"), "0.5");
    EXPECT_EQ(TrimZeros("120"), "120");
    EXPECT_EQ(TrimZeros("1200.0100"), "1200.01");
    EXPECT_EQ(TrimZeros("0.000"), "0");
    EXPECT_EQ(TrimZeros("-3.250"), "-3.25");
    EXPECT_EQ(TrimZeros(" 1 2.50 "), "12.5");
    EXPECT_EQ(TrimZeros("100 "), "100");
    EXPECT_EQ(TrimZeros(""), "");
}

}  // namespace
}  // namespace mw
