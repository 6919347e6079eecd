// The master programme: rewound to its mark it is the programme it was, patterns added since
// dropped, without a second copy; a fresh inverse stops when asked.
#include "cutplan/MasterLp.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

// Two lengths of piece: 3 of the first and 2 of the second, patterns (2,0), (0,1), (1,1).
MasterLp Programme() {
    MasterLp lp(2, 0);
    lp.AddPattern(1.0, {{0, 2.0}});
    lp.AddPattern(1.0, {{1, 1.0}});
    lp.SetRhs({3.0, 2.0});
    return lp;
}

TEST(MasterLp, RewoundToItsMarkItIsTheProgrammeItWas) {
    MasterLp lp = Programme();
    ASSERT_TRUE(lp.Optimize());
    EXPECT_NEAR(lp.Objective(), 1.5 + 2.0, 1e-9);
    lp.Mark();
    // A better pattern and new counts move the optimum…
    lp.AddPattern(1.0, {{0, 1.0}, {1, 1.0}});
    ASSERT_TRUE(lp.SetRhs({1.0, 1.0}));
    ASSERT_TRUE(lp.Optimize());
    EXPECT_NEAR(lp.Objective(), 1.0, 1e-9);
    EXPECT_EQ(lp.PatternCount(), 3);
    // …and the rewind takes both back.
    lp.Rewind();
    EXPECT_EQ(lp.PatternCount(), 2);
    EXPECT_NEAR(lp.Objective(), 3.5, 1e-9);
    ASSERT_TRUE(lp.Optimize());
    EXPECT_NEAR(lp.Objective(), 3.5, 1e-9);
    EXPECT_NEAR(lp.Duals()[0], 0.5, 1e-9);
    EXPECT_NEAR(lp.Duals()[1], 1.0, 1e-9);
}

TEST(MasterLp, WorkIsCountedAndAStopIsHeard) {
    MasterLp lp = Programme();
    long long work = 0;
    lp.work = &work;
    ASSERT_TRUE(lp.Optimize());
    EXPECT_GT(work, 0);
    MasterLp stopped = Programme();
    stopped.stop = [] { return true; };
    EXPECT_FALSE(stopped.Optimize());
}

}  // namespace
}  // namespace mw
