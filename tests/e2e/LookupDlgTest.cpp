// The section lookup in the real program: a designation typed with its length and count, Enter,
// and page one's channel calculator weighing two 6 m bars; an H section on page two; a near miss;
// the weight list's surface column; Ctrl+F.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {
namespace {

int ShownPage(HWND main) { return static_cast<int>(SendMessageW(GetDlgItem(main, IDC_TAB), TCM_GETCURSEL, 0, 0)); }

std::string Selected(HWND dialog, int combo) { return ItemText(dialog, combo, Selection(dialog, combo)); }

TEST(LookupDlg, EnterSendsTwoSixMetreChannelsToPageOne) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    HWND page1 = ChildDialogWith(r.main, IDC_CHANNEL_LENGTH);
    ASSERT_NE(page1, nullptr);
    // Beside the centred main window the lookup would run off the screen of the tests.
    HWND lookup = OpenTool(r.main, IDM_LOOKUP, "型号速查");
    ASSERT_NE(lookup, nullptr);
    EXPECT_EQ(FocusOf(lookup), GetDlgItem(lookup, IDC_LOOKUP_TEXT));

    SetText(lookup, IDC_LOOKUP_TEXT, "[20a 6m ×2");
    EXPECT_EQ(Text(lookup, IDC_LOOKUP_MEANING), "第一页 · 槽钢(热轧) · [20a");
    EXPECT_EQ(Text(lookup, IDC_LOOKUP_UNIT_WEIGHT), "每米重: 22.637 kg/m");
    EXPECT_EQ(Text(lookup, IDC_LOOKUP_WEIGHT), "重量: 6000 mm × 2 根 = 271.64 kg");
    EXPECT_EQ(Text(lookup, IDC_LOOKUP_SURFACE), "外表面积: 0.6513 m²/m,共 7.816 m²");
    SetText(lookup, IDC_LOOKUP_MASS, "1000");
    EXPECT_EQ(Text(lookup, IDC_LOOKUP_INVERSE), "合 44.175 m,即 7.36 根定尺(整 7 根,余 2.175 m)");
    SaveScreenshot(lookup, "lookup-channel");

    Key(GetDlgItem(lookup, IDC_LOOKUP_TEXT), VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return Text(page1, IDC_CHANNEL_LENGTH) == "6000*2"; }));
    EXPECT_EQ(ShownPage(r.main), 0);
    EXPECT_EQ(Selected(page1, IDC_CHANNEL_COMBO), "[20a");
    EXPECT_EQ(Text(page1, IDC_CHANNEL_RESULT), "271.64");
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(r.main) == GetDlgItem(page1, IDC_CHANNEL_LENGTH); }));

    // From there the calculator is the user's own: "重量" puts the bars in the weight list, with
    // their outer surface.
    Click(page1, IDC_CHANNEL_BUTTON);
    Command(r.main, IDM_WEIGHTLIST);
    HWND list = r.app.WaitForWindow("重量清单", 5000);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(ItemCount(list, IDC_WEIGHTLIST_LIST), 1);
    EXPECT_EQ(CellText(list, IDC_WEIGHTLIST_LIST, 0, 2), "[20a");
    EXPECT_EQ(CellText(list, IDC_WEIGHTLIST_LIST, 0, 3), "12000 mm");
    EXPECT_EQ(CellText(list, IDC_WEIGHTLIST_LIST, 0, 6), "7.816");
    SaveScreenshot(list, "lookup-weight-list");
}

TEST(LookupDlg, AnHSectionOnPageTwoAndANearMiss) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    HWND page2 = ChildDialogWith(r.main, IDC_HT_LENGTH);
    ASSERT_NE(page2, nullptr);
    HWND lookup = OpenTool(r.main, IDM_LOOKUP, "型号速查");
    ASSERT_NE(lookup, nullptr);

    SetText(lookup, IDC_LOOKUP_TEXT, "HN400×200×8×13 9m");
    EXPECT_EQ(Text(lookup, IDC_LOOKUP_MEANING), "第二页 · H钢/T钢 · HN窄翼缘 400×200");
    Click(lookup, IDC_LOOKUP_SEND);
    ASSERT_TRUE(WaitUntil([&] { return ShownPage(r.main) == 1; }));
    EXPECT_TRUE(IsWindowVisible(page2));
    EXPECT_EQ(Selected(page2, IDC_HT_TYPE), "HN窄翼缘");
    EXPECT_EQ(Selected(page2, IDC_HT_SIZE), "400×200");
    EXPECT_EQ(Text(page2, IDC_HT_LENGTH), "9000");
    EXPECT_EQ(Text(page2, IDC_HT_RESULT), "594.00");

    // A size no list holds: the nearest ones, nothing sent.
    SetText(lookup, IDC_LOOKUP_TEXT, "∠50×7");
    EXPECT_EQ(Text(lookup, IDC_LOOKUP_MESSAGE), "没有这个规格。最接近的:");
    ASSERT_EQ(ItemCount(lookup, IDC_LOOKUP_CHOICES), 3);
    EXPECT_EQ(ItemText(lookup, IDC_LOOKUP_CHOICES, 0), "第一页 ∠50×50×6");
    EXPECT_EQ(Text(lookup, IDC_LOOKUP_MEANING), "");
    Click(lookup, IDC_LOOKUP_SEND);
    EXPECT_EQ(ShownPage(r.main), 1);  // still page two
    SaveScreenshot(lookup, "lookup-near-miss");

    SetText(lookup, IDC_LOOKUP_TEXT, "abc");
    EXPECT_EQ(Text(lookup, IDC_LOOKUP_MESSAGE), "无法识别。请这样写,例如:∠50×5、[20a 6m×2、HN400×200×8×13");
}

TEST(LookupDlg, CtrlFInTheMainWindowOpensIt) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    HWND page1 = ChildDialogWith(r.main, IDC_PLATE1_LENGTH);
    ASSERT_NE(page1, nullptr);
    SetForegroundWindow(r.main);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == r.main; }));
    INPUT keys[4] = {};
    const WORD sequence[4][2] = {{VK_CONTROL, 0}, {'F', 0}, {'F', KEYEVENTF_KEYUP}, {VK_CONTROL, KEYEVENTF_KEYUP}};
    for (int i = 0; i < 4; ++i) {
        keys[i].type = INPUT_KEYBOARD;
        keys[i].ki.wVk = sequence[i][0];
        keys[i].ki.dwFlags = sequence[i][1];
    }
    ASSERT_EQ(SendInput(4, keys, sizeof(INPUT)), 4u);
    HWND lookup = r.app.WaitForWindow("型号速查", 5000);
    ASSERT_NE(lookup, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(lookup); }));
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(lookup) == GetDlgItem(lookup, IDC_LOOKUP_TEXT); }));
}

}  // namespace
}  // namespace mw::e2e
