// Page three in the real window: one interaction per calculator, type switching, reset.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {
namespace {

TEST(TAB3, EachCalculatorAnswersAndResets) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    HWND page = ChildDialogWith(r.main, IDC_HEX_COMBO);
    ASSERT_NE(page, nullptr);

    Choose(page, IDC_HEX_COMBO, 2);  // "10"
    SetText(page, IDC_HEX_LENGTH, "1000");
    EXPECT_EQ(Text(page, IDC_HEX_UNIT_WEIGHT), "0.680");
    EXPECT_EQ(Text(page, IDC_HEX_RESULT), "0.68");
    EXPECT_EQ(Text(r.main, IDC_HINT), "1000");

    SetText(r.main, IDC_DENSITY, "7.93");
    Choose(page, IDC_OCT_COMBO, 11);
    EXPECT_EQ(Text(page, IDC_OCT_UNIT_WEIGHT), "10.506");
    SetText(r.main, IDC_DENSITY, "7.85");

    Choose(page, IDC_REBAR_COMBO, 32);
    EXPECT_EQ(ItemText(page, IDC_REBAR_COMBO, 32), "φ36");
    SetText(page, IDC_REBAR_LENGTH, "1000");
    EXPECT_EQ(Text(page, IDC_REBAR_RESULT), "7.99");

    Choose(page, IDC_CANGLE_TYPE, 1);
    EXPECT_EQ(ItemCount(page, IDC_CANGLE_SIZE), 27);
    EXPECT_EQ(Selection(page, IDC_CANGLE_SIZE), 0);
    Choose(page, IDC_CCHANNEL_TYPE, 3);
    EXPECT_EQ(ItemCount(page, IDC_CCHANNEL_SIZE), 6);
    EXPECT_EQ(Text(page, IDC_CCHANNEL_UNIT_WEIGHT), "2.009");
    Choose(page, IDC_CZ_TYPE, 1);
    SetText(page, IDC_CZ_LENGTH, "1000");
    EXPECT_NE(Text(page, IDC_CZ_RESULT), "0.00");

    SetClipboardText("");
    Click(page, IDC_HEX_BUTTON);
    EXPECT_EQ(ClipboardText(), "0.68");
    EXPECT_EQ(Text(r.main, IDC_STAT_EXPR), "0.68");

    Click(r.main, IDC_RESET);
    EXPECT_EQ(Selection(page, IDC_CCHANNEL_TYPE), 0);
    EXPECT_EQ(ItemCount(page, IDC_CCHANNEL_SIZE), 37);
    EXPECT_EQ(Text(page, IDC_REBAR_LENGTH), "");
    EXPECT_EQ(Text(page, IDC_HEX_RESULT), "0.00");
}

}  // namespace
}  // namespace mw::e2e
