// Page two in the real window: one interaction per calculator, the placeholder round trip, reset.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {
namespace {

TEST(TAB2, EachCalculatorAnswersAndResets) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    HWND page = ChildDialogWith(r.main, IDC_TUBE_COMBO);
    ASSERT_NE(page, nullptr);

    SetText(page, IDC_TUBE_LENGTH, "1000");
    EXPECT_EQ(Text(page, IDC_TUBE_RESULT), "0.68");
    EXPECT_EQ(Text(r.main, IDC_HINT), "1000");
    Choose(page, IDC_PIPE_COMBO, 27);
    EXPECT_EQ(Text(page, IDC_PIPE_UNIT_WEIGHT), "21.630");

    Choose(page, IDC_FASTENER_TYPE, 35);
    EXPECT_EQ(Selection(page, IDC_FASTENER_SIZE), 0);
    EXPECT_EQ(Text(page, IDC_FASTENER_LENGTH), "标准大小");
    SetText(page, IDC_FASTENER_LENGTH, "7");
    EXPECT_EQ(Text(page, IDC_FASTENER_LENGTH), "标准大小");
    Choose(page, IDC_FASTENER_TYPE, 0);
    EXPECT_EQ(Text(page, IDC_FASTENER_LENGTH), "");
    EXPECT_EQ(ItemText(page, IDC_FASTENER_SIZE, 0), "M5");

    Choose(r.main, IDC_UNITSYSTEM, 1);
    SetText(page, IDC_HT_LENGTH, "6");
    EXPECT_EQ(Text(page, IDC_HT_RESULT), "103.20");
    Choose(page, IDC_HT_TYPE, 6);
    EXPECT_EQ(ItemCount(page, IDC_HT_SIZE), 22);
    EXPECT_EQ(Selection(page, IDC_HT_SIZE), 0);

    Choose(page, IDC_MESH_TYPE, 7);
    EXPECT_EQ(ItemCount(page, IDC_MESH_SIZE), 96);
    SetText(page, IDC_MESH_AREA, "10");
    EXPECT_EQ(Text(page, IDC_MESH_RESULT), "9.00");

    Choose(page, IDC_ROPE_TYPE, 18);
    EXPECT_EQ(ItemCount(page, IDC_ROPE_SIZE), 5);
    SetText(page, IDC_ROPE_LENGTH, "100");
    EXPECT_NE(Text(page, IDC_ROPE_RESULT), "0.00");

    Click(r.main, IDC_RESET);
    EXPECT_EQ(Selection(page, IDC_MESH_TYPE), 0);
    EXPECT_EQ(ItemCount(page, IDC_MESH_SIZE), 10);
    EXPECT_EQ(Text(page, IDC_TUBE_LENGTH), "");
    EXPECT_EQ(Text(page, IDC_HT_RESULT), "0.00");
}

}  // namespace
}  // namespace mw::e2e
