// The program starts under Wine from a fresh folder and shows its main window.
#include <gtest/gtest.h>

#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {

TEST(Startup, ShowsMainWindowWithItsCaption) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    EXPECT_EQ(WindowText(r.main), "材料重量计算助手v8.8");
    SaveScreenshot(r.main, "main-window");
}

}  // namespace mw::e2e
