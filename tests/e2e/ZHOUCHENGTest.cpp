// The bearing lookup window under Wine: the kind combo, find next with the combo following,
// a double-click that copies a line, and the start-up cost of its long list.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {
namespace {

struct Lookup {
    AppUnderTest app;
    HWND main = nullptr;
    HWND window = nullptr;
    void Open() {
        ASSERT_TRUE(app.Start());
        main = app.MainWindow();
        ASSERT_NE(main, nullptr);
        Command(main, IDM_ZHOUCHENG);
        window = app.WaitForWindow("轴承查询", 5000);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(window) != FALSE; }));
    }
};

TEST(ZHOUCHENG, KindComboJumpsAndSearchMovesTheCombo) {
    Lookup r;
    r.Open();
    EXPECT_EQ(ItemCount(r.window, IDC_ZHOUCHENG_LIST), 2110);
    EXPECT_EQ(ItemCount(r.window, IDC_ZHOUCHENG_KIND), 13);
    EXPECT_EQ(Selection(r.window, IDC_ZHOUCHENG_KIND), 0);
    SaveScreenshot(r.window, "bearing-lookup");

    Choose(r.window, IDC_ZHOUCHENG_KIND, 12);
    EXPECT_EQ(Selection(r.window, IDC_ZHOUCHENG_LIST), 2099);
    EXPECT_EQ(ItemText(r.window, IDC_ZHOUCHENG_LIST, 2099), "推力圆锥滚子轴承(GB/T4663-1994)");

    Choose(r.window, IDC_ZHOUCHENG_KIND, 0);
    SetText(r.window, IDC_ZHOUCHENG_SEARCH, "6204");
    Click(r.window, IDC_ZHOUCHENG_FIND);
    EXPECT_EQ(Selection(r.window, IDC_ZHOUCHENG_LIST), 55);
    EXPECT_EQ(ItemText(r.window, IDC_ZHOUCHENG_LIST, 55), "6204   204       20×47×14    0.103 ");
    EXPECT_EQ(Selection(r.window, IDC_ZHOUCHENG_KIND), 1);
    Click(r.window, IDC_ZHOUCHENG_FIND);
    EXPECT_EQ(Selection(r.window, IDC_ZHOUCHENG_LIST), 1706);
    EXPECT_EQ(Selection(r.window, IDC_ZHOUCHENG_KIND), 7);
    SaveScreenshot(r.window, "bearing-lookup-found");

    // Enter in the search field presses the default button: the next match.
    Key(GetDlgItem(r.window, IDC_ZHOUCHENG_SEARCH), VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return Selection(r.window, IDC_ZHOUCHENG_LIST) == 1707; }, 3000));
    // Esc leaves the window where it is.
    Key(GetDlgItem(r.window, IDC_ZHOUCHENG_LIST), VK_ESCAPE);
    Sleep(200);
    EXPECT_TRUE(IsWindowVisible(r.window));
}

TEST(ZHOUCHENG, DoubleClickCopiesTheLineAsUnicodeText) {
    Lookup r;
    r.Open();
    SetClipboardText("before");
    SelectLine(r.window, IDC_ZHOUCHENG_LIST, 55);
    SendMessageW(r.window, WM_COMMAND, MAKEWPARAM(IDC_ZHOUCHENG_LIST, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(GetDlgItem(r.window, IDC_ZHOUCHENG_LIST)));
    EXPECT_EQ(ClipboardText(), "6204   204       20×47×14    0.103 ");
    // The close box hides the window; the tools menu shows it again.
    SendMessageW(r.window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(r.window));
    Command(r.main, IDM_ZHOUCHENG);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(r.window) != FALSE; }));
}

// Start-up to the main window shown, alternating this exe with one whose bearing list stays
// empty (MW_EXE_WITHOUT_BEARINGS); prints the medians. Skipped without that exe.
TEST(ZHOUCHENG, StartupTimeWithAndWithoutTheList) {
    const char* other = std::getenv("MW_EXE_WITHOUT_BEARINGS");
    if (!other || !*other) GTEST_SKIP() << "MW_EXE_WITHOUT_BEARINGS not set";
    auto time = [](const std::string& exe) {
        _putenv_s("MW_EXE", exe.c_str());   // the copy AppUnderTest starts
        AppUnderTest app;
        const auto start = std::chrono::steady_clock::now();
        if (!app.Start() || !app.MainWindow()) return -1.0;
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    const std::string mine = std::getenv("MW_EXE");
    std::vector<double> with, without;
    for (int i = 0; i < 5; ++i) {
        with.push_back(time(mine));
        without.push_back(time(other));
    }
    _putenv_s("MW_EXE", mine.c_str());
    std::sort(with.begin(), with.end());
    std::sort(without.begin(), without.end());
    std::printf("start-up to the main window: with the bearing list %.0f ms, without %.0f ms (medians of 5)\n",
                with[2], without[2]);
}

}  // namespace
}  // namespace mw::e2e
