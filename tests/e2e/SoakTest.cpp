// The short form of the soak: a few hundred steps of every kind leave the program holding no more
// GDI objects, handles and threads than after its warm-up.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/e2e/support/AppUnderTest.h"
#include "tests/e2e/support/Soak.h"

namespace mw::e2e {
namespace {

TEST(Soak, AFewHundredStepsLeaveNoGrowthInGdiObjectsHandlesOrThreads) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    const DWORD id = r.app.ProcessId();
    // The warm-up: every kind of step once or more, so that what is made once and kept (tool
    // windows, fonts, the solver's first thread) is made before the first measure.
    ASSERT_TRUE(RunSoak(r.main, id, {60, 16, 2, 4, 2}));
    Sleep(500);
    const ProcessHoldings start = Measure(r.app.Process(), id);
    ASSERT_TRUE(RunSoak(r.main, id, {240, 32, 6, 20, 4}));
    Sleep(500);
    const ProcessHoldings end = Measure(r.app.Process(), id);
    std::printf("soak start: %s\nsoak end:   %s\n", Describe(start).c_str(), Describe(end).c_str());
    ASSERT_GE(start.gdiObjects, 0);
    EXPECT_LE(end.gdiObjects, start.gdiObjects);
    if (start.handles >= 0) {
        EXPECT_LE(end.handles, start.handles);
    }
    EXPECT_LE(end.threads, start.threads);
    EXPECT_TRUE(r.app.Running());
}

}  // namespace
}  // namespace mw::e2e
