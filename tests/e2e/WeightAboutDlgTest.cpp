// The About window under Wine: opened from the system menu and from the About button, both texts
// at their start each time, Esc leaves it open, the close box and "关闭" end it.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {
namespace {

int FirstVisibleLine(HWND dialog, int id) {
    return static_cast<int>(SendMessageW(GetDlgItem(dialog, id), EM_GETFIRSTVISIBLELINE, 0, 0));
}

// The texts as the window shows them when it opens: from their first line, nothing selected.
void ExpectTextsAtTheirStart(HWND about) {
    EXPECT_EQ(Text(about, IDC_ABOUT_NOTES).rfind("1. 单位制", 0), 0u);
    EXPECT_NE(Text(about, IDC_ABOUT_NOTES).find("\r\n46.20 tanh(a)："), std::string::npos);
    EXPECT_EQ(Text(about, IDC_ABOUT_CHANGES).rfind("V3.8更新内容(2012.07.22):\r\n1.", 0), 0u);
    for (int id : {IDC_ABOUT_NOTES, IDC_ABOUT_CHANGES}) {
        EXPECT_EQ(FirstVisibleLine(about, id), 0) << id;
        DWORD from = 1, to = 1;
        SendMessageW(GetDlgItem(about, id), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
        EXPECT_EQ(from, to) << id;
        EXPECT_TRUE(GetWindowLongW(GetDlgItem(about, id), GWL_STYLE) & ES_READONLY) << id;
    }
}

TEST(WeightAboutDlg, OpensFromTheSystemMenuAndTheButtonAtTheStartOfItsTexts) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);

    PostMessageW(r.main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = OwnedDialog(r.main);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(WindowText(about), "材料重量计算助手v8.8");
    EXPECT_FALSE(IsWindowEnabled(r.main));  // modal
    ExpectTextsAtTheirStart(about);
    // A build names no shop page by default; the update check answers all the same.
    EXPECT_TRUE(Enabled(about, IDC_ABOUT_UPDATE));
    EXPECT_FALSE(Enabled(about, IDC_ABOUT_SHOP));
    SaveScreenshot(about, "about");

    SendMessageW(GetDlgItem(about, IDC_ABOUT_NOTES), WM_VSCROLL, SB_BOTTOM, 0);  // read to the end
    EXPECT_GT(FirstVisibleLine(about, IDC_ABOUT_NOTES), 0);
    Key(GetDlgItem(about, IDC_ABOUT_CLOSE), VK_ESCAPE);
    Sleep(300);
    EXPECT_TRUE(IsWindow(about));
    PostClick(about, IDC_ABOUT_CLOSE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(r.main) != FALSE; }));

    PostClick(r.main, IDC_ABOUT);
    about = OwnedDialog(r.main);
    ASSERT_NE(about, nullptr);
    ExpectTextsAtTheirStart(about);
    PostMessageW(about, WM_CLOSE, 0, 0);  // the close box
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
    EXPECT_TRUE(r.app.Running());
}

}  // namespace
}  // namespace mw::e2e
