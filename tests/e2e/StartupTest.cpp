// The program starts under Wine from a fresh folder and shows its main window.
#include <gtest/gtest.h>

#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {

TEST(Startup, ShowsMainWindowWithItsCaption) {
    AppUnderTest app;
    ASSERT_TRUE(app.Start());
    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(WindowText(main), "材料重量计算助手v8.8");
    SaveScreenshot(main, "main-window");
}

}  // namespace mw::e2e
