// Page one in the real window: typing recomputes and echoes, sizes fill unit weight and spec,
// "重量" copies and counts, the settings bar recomputes, reset clears.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {
namespace {

TEST(TAB1, TypingSizesWeightButtonAndReset) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    HWND page = ChildDialogWith(r.main, IDC_PLATE1_LENGTH);
    ASSERT_NE(page, nullptr);
    // Every calculator shows its weight from the start, the volume-based ones too.
    for (int result : {IDC_PLATE1_RESULT, IDC_PLATE2_RESULT, IDC_ROUND_RESULT, IDC_ANGLE_RESULT})
        EXPECT_EQ(Text(page, result), "0.00") << result;

    SetText(page, IDC_PLATE1_LENGTH, "2*500");
    EXPECT_EQ(Text(r.main, IDC_HINT), "1000");
    SetText(page, IDC_PLATE1_WIDTH, "1000");
    SetText(page, IDC_PLATE1_THICKNESS, "10");
    EXPECT_EQ(Text(page, IDC_PLATE1_RESULT), "78.50");

    EXPECT_EQ(ItemCount(page, IDC_CHANNEL_COMBO), 41);
    Choose(page, IDC_IBEAM_COMBO, 0);
    const std::string firstSpec = Text(page, IDC_IBEAM_SPEC);
    Choose(page, IDC_IBEAM_COMBO, 44);
    EXPECT_EQ(ItemText(page, IDC_IBEAM_COMBO, 44), "工63c");
    EXPECT_EQ(Text(page, IDC_IBEAM_SPEC), "630×180×17.0");
    EXPECT_EQ(Text(page, IDC_IBEAM_UNIT_WEIGHT), "141.189");
    EXPECT_NE(firstSpec, Text(page, IDC_IBEAM_SPEC));
    SetText(page, IDC_IBEAM_LENGTH, "1000");
    EXPECT_EQ(Text(page, IDC_IBEAM_RESULT), "141.19");

    SetClipboardText("");
    Click(page, IDC_PLATE1_BUTTON);
    EXPECT_EQ(ClipboardText(), "78.50");
    EXPECT_EQ(Text(r.main, IDC_STAT_EXPR), "78.5");
    Click(page, IDC_PLATE1_BUTTON);
    EXPECT_EQ(Text(r.main, IDC_STAT_EXPR), "78.5+78.5");
    EXPECT_EQ(Text(r.main, IDC_STAT_TOTAL), "157.00");

    Choose(r.main, IDC_DECIMALS, 3);
    EXPECT_EQ(Text(page, IDC_PLATE1_RESULT), "78.500");
    SetText(r.main, IDC_DENSITY, "2*4");
    EXPECT_EQ(Text(page, IDC_PLATE1_RESULT), "20.000");
    Choose(r.main, IDC_UNITSYSTEM, 2);
    EXPECT_EQ(Text(page, IDC_IBEAM_RESULT), "35.972");  // 1000 m at density 2

    Key(GetDlgItem(page, IDC_PLATE1_LENGTH), VK_RETURN);
    Key(GetDlgItem(page, IDC_PLATE1_LENGTH), VK_ESCAPE);
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(page));

    Click(r.main, IDC_RESET);
    EXPECT_EQ(Text(page, IDC_PLATE1_LENGTH), "");
    EXPECT_EQ(Text(page, IDC_ROUND_WALL), "r");
    EXPECT_EQ(Selection(page, IDC_IBEAM_COMBO), 0);
    EXPECT_EQ(Text(page, IDC_PLATE1_RESULT), "0.000");
}

TEST(TAB1, RoundStockModesThroughTheRadios) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    HWND page = ChildDialogWith(r.main, IDC_ROUND_OUTER);
    ASSERT_NE(page, nullptr);
    SetText(page, IDC_ROUND_OUTER, "100");
    SetText(page, IDC_ROUND_LENGTH, "1000");
    EXPECT_EQ(Text(page, IDC_ROUND_RESULT), "61.65");
    Click(page, IDC_ROUND_WALL_MODE);
    SetText(page, IDC_ROUND_WALL, "60");
    EXPECT_EQ(Text(page, IDC_ROUND_RESULT), "壁厚输入错误");
    Click(page, IDC_ROUND_INNER_MODE);
    EXPECT_EQ(Text(page, IDC_ROUND_RESULT), "61.65");
}

}  // namespace
}  // namespace mw::e2e
