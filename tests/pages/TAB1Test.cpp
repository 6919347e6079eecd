// Page one through the calculator frame: formulas under every unit system, size lists, the
// user's own sizes, the echo, the "重量" button and reset.
#include <gtest/gtest.h>

#include "settings/Cp936.h"
#include "tests/support/MainWindowFixture.h"

namespace mw {
namespace {

struct TAB1Page : MainWindowFixture {
    TAB1Page() { Start(); }
    void Units(int unitSystem) { surface.Choose(IDC_UNITSYSTEM, unitSystem); }
    void Type(int id, const std::string& text) { pageSurface.Type(id, text); }
    std::string Shown(int id) { return pageSurface.Text(id); }
    void Pick(int combo, const std::string& item) { EXPECT_TRUE(pageSurface.ChooseItem(combo, item)) << item; }
};

TEST(TAB1Plates, UnderEachUnitSystem) {
    TAB1Page p;
    p.Type(IDC_PLATE1_LENGTH, "1000");
    p.Type(IDC_PLATE1_WIDTH, "1000");
    p.Type(IDC_PLATE1_THICKNESS, "10");
    EXPECT_EQ(p.Shown(IDC_PLATE1_RESULT), "78.50");
    p.Units(1);
    p.Type(IDC_PLATE1_LENGTH, "1");
    p.Type(IDC_PLATE1_WIDTH, "1");
    EXPECT_EQ(p.Shown(IDC_PLATE1_RESULT), "78.50");
    p.Units(2);
    EXPECT_EQ(p.Shown(IDC_PLATE1_RESULT), "0.08");
    p.surface.Choose(IDC_DECIMALS, 4);
    EXPECT_EQ(p.Shown(IDC_PLATE1_RESULT), "0.0785");

    p.Units(1);
    p.Type(IDC_PLATE2_AREA, "2");
    p.Type(IDC_PLATE2_THICKNESS, "5");
    EXPECT_EQ(p.Shown(IDC_PLATE2_RESULT), "78.5000");
    p.surface.Type(IDC_DENSITY, "abc");  // no density: every weight 0
    EXPECT_EQ(p.Shown(IDC_PLATE2_RESULT), "0.0000");
}

TEST(TAB1Round, BothModesAndTheWallCheck) {
    TAB1Page p;
    EXPECT_EQ(p.Shown(IDC_ROUND_INNER), "0");
    EXPECT_EQ(p.Shown(IDC_ROUND_WALL), "r");
    p.Type(IDC_ROUND_OUTER, "100");
    p.Type(IDC_ROUND_LENGTH, "1000");
    EXPECT_EQ(p.Shown(IDC_ROUND_RESULT), "61.65");
    p.pageSurface.Click(IDC_ROUND_WALL_MODE);  // the radio alone recomputes: "r" is solid bar
    EXPECT_EQ(p.Shown(IDC_ROUND_RESULT), "61.65");
    p.Type(IDC_ROUND_WALL, "5");
    EXPECT_EQ(p.Shown(IDC_ROUND_RESULT), "11.71");
    p.Type(IDC_ROUND_OUTER, "10");
    p.Type(IDC_ROUND_WALL, "6");
    EXPECT_EQ(p.Shown(IDC_ROUND_RESULT), "壁厚输入错误");
    p.Type(IDC_ROUND_WALL, "5");  // exactly half the diameter is still computed
    EXPECT_NE(p.Shown(IDC_ROUND_RESULT), "壁厚输入错误");

    p.pageSurface.Click(IDC_ROUND_INNER_MODE);
    p.Type(IDC_ROUND_OUTER, "100");
    p.Units(1);
    p.Type(IDC_ROUND_LENGTH, "1");
    EXPECT_EQ(p.Shown(IDC_ROUND_RESULT), "61.65");
    p.Units(2);
    EXPECT_EQ(p.Shown(IDC_ROUND_RESULT), "0.06");
}

TEST(TAB1Tables, UnitWeightSpecAndWeight) {
    TAB1Page p;
    p.Pick(IDC_ANGLE_COMBO, "∠50×50×5");
    p.Type(IDC_ANGLE_LENGTH, "6000");
    EXPECT_EQ(p.Shown(IDC_ANGLE_UNIT_WEIGHT), "3.770");
    EXPECT_EQ(p.Shown(IDC_ANGLE_RESULT), "22.62");
    p.surface.Type(IDC_DENSITY, "7.93");
    p.pageSurface.Choose(IDC_ANGLE_COMBO, 0);
    EXPECT_EQ(p.Shown(IDC_ANGLE_UNIT_WEIGHT), "0.898");
    p.surface.Type(IDC_DENSITY, "7.85");

    p.Pick(IDC_IBEAM_COMBO, "工10");
    EXPECT_EQ(p.Shown(IDC_IBEAM_SPEC), "100×68×4.5");
    EXPECT_EQ(p.Shown(IDC_IBEAM_UNIT_WEIGHT), "11.261");

    p.Pick(IDC_CHANNEL_COMBO, "[5");
    p.Units(1);
    p.Type(IDC_CHANNEL_LENGTH, "6");
    EXPECT_EQ(p.Shown(IDC_CHANNEL_RESULT), "32.63");
    p.Units(2);
    EXPECT_EQ(p.Shown(IDC_CHANNEL_RESULT), "0.03");
    p.surface.SetSelection(IDC_UNITSYSTEM, -1);  // no unit system (hand-edited file): weight 0
    p.dlg.OnUnitSystemChange();
    EXPECT_EQ(p.Shown(IDC_CHANNEL_RESULT), "0.00");
}

TEST(TAB1Tables, NoSelectionKeepsTheSpecAndWeighsNothing) {
    TAB1Page p;
    const std::string spec = p.Shown(IDC_CHANNEL_SPEC);
    p.pageSurface.Choose(IDC_CHANNEL_COMBO, -1);
    EXPECT_EQ(p.Shown(IDC_CHANNEL_SPEC), spec);
    EXPECT_EQ(p.Shown(IDC_CHANNEL_UNIT_WEIGHT), "0.000");
    EXPECT_EQ(p.Shown(IDC_CHANNEL_RESULT), "0.00");
}

TEST(TAB1Custom, EntriesFollowTheBuiltInSizes) {
    MainWindowFixture f;
    f.files.files[MainWindowFixture::kSettingsPath] = Utf8ToCp936(
        "[槽钢]\r\n型号1=M\r\n规格1=S\r\n单重1=10\r\n型号2=N\r\n规格2=T\r\n单重2=abc\r\n单重3=5\r\n"
        "[角钢]\r\n型号1=A1\r\n单重1=2.5kg\r\n");
    f.Start();
    EXPECT_EQ(f.pageSurface.ItemCount(IDC_CHANNEL_COMBO), 43);
    EXPECT_EQ(f.pageSurface.ItemText(IDC_CHANNEL_COMBO, 41), "M");
    f.pageSurface.Choose(IDC_CHANNEL_COMBO, 41);
    EXPECT_EQ(f.pageSurface.Text(IDC_CHANNEL_SPEC), "S");
    EXPECT_EQ(f.pageSurface.Text(IDC_CHANNEL_UNIT_WEIGHT), "10.000");
    f.pageSurface.Choose(IDC_CHANNEL_COMBO, 42);  // not a number: 0, still listed
    EXPECT_EQ(f.pageSurface.Text(IDC_CHANNEL_SPEC), "T");
    EXPECT_EQ(f.pageSurface.Text(IDC_CHANNEL_UNIT_WEIGHT), "0.000");
    EXPECT_EQ(f.pageSurface.ItemCount(IDC_ANGLE_COMBO), 148);
    f.pageSurface.Choose(IDC_ANGLE_COMBO, 147);
    EXPECT_EQ(f.pageSurface.Text(IDC_ANGLE_UNIT_WEIGHT), "2.500");
    EXPECT_EQ(f.pageSurface.ItemCount(IDC_IBEAM_COMBO), 45);
}

TEST(TAB1Custom, AtMostEightySixAreRead) {
    MainWindowFixture f;
    std::string text = "[工字钢]\r\n";
    for (int n = 1; n <= 90; ++n)
        text += "型号" + std::to_string(n) + "=I" + std::to_string(n) + "\r\n单重" + std::to_string(n) + "=1\r\n";
    f.files.files[MainWindowFixture::kSettingsPath] = Utf8ToCp936(text);
    f.Start();
    EXPECT_EQ(f.pageSurface.ItemCount(IDC_IBEAM_COMBO), 45 + 86);
}

TEST(TAB1Frame, EchoAndStatisticsFeed) {
    TAB1Page p;
    p.Type(IDC_PLATE1_LENGTH, "2*500");
    EXPECT_EQ(p.surface.Text(IDC_HINT), "1000");
    p.Type(IDC_PLATE1_WIDTH, "0.5");
    EXPECT_EQ(p.surface.Text(IDC_HINT), "0.5");
    p.Type(IDC_PLATE1_THICKNESS, "abc");
    EXPECT_EQ(p.surface.Text(IDC_HINT), "0");
    p.Units(1);  // a global recompute leaves the hint line alone
    EXPECT_EQ(p.surface.Text(IDC_HINT), "0");

    p.Units(0);
    p.Type(IDC_PLATE2_AREA, "1250000");
    p.Type(IDC_PLATE2_THICKNESS, "10/7.85");  // 12.50 kg
    ASSERT_EQ(p.Shown(IDC_PLATE2_RESULT), "12.50");
    p.pageSurface.Click(IDC_PLATE2_BUTTON);
    EXPECT_EQ(p.clipboard.text, "12.50");
    EXPECT_EQ(p.surface.Text(IDC_STAT_EXPR), "12.5");
    p.pageSurface.Click(IDC_PLATE2_BUTTON);
    EXPECT_EQ(p.surface.Text(IDC_STAT_EXPR), "12.5+12.5");
    EXPECT_EQ(p.surface.Text(IDC_STAT_TOTAL), "25.00");
    p.surface.Click(IDC_STAT_SUB);
    p.pageSurface.Click(IDC_PLATE2_BUTTON);
    EXPECT_EQ(p.surface.Text(IDC_STAT_EXPR), "12.5+12.5-12.5");
    p.surface.Type(IDC_STAT_EXPR, "0");  // exactly "0" is replaced, not extended
    p.pageSurface.Click(IDC_PLATE2_BUTTON);
    EXPECT_EQ(p.surface.Text(IDC_STAT_EXPR), "12.5");
    p.surface.Click(IDC_STAT_SWITCH);  // off: copied, not counted
    p.pageSurface.Click(IDC_PLATE1_BUTTON);
    EXPECT_EQ(p.surface.Text(IDC_STAT_EXPR), "12.5");
    EXPECT_EQ(p.clipboard.text, p.Shown(IDC_PLATE1_RESULT));
}

TEST(TAB1Frame, AWeightThatCouldNotBeCopiedIsNotCounted) {
    TAB1Page p;
    p.Type(IDC_PLATE2_AREA, "1250000");
    p.Type(IDC_PLATE2_THICKNESS, "10/7.85");  // 12.50 kg
    p.pageSurface.Click(IDC_PLATE2_BUTTON);
    ASSERT_EQ(p.surface.Text(IDC_STAT_EXPR), "12.5");
    const std::size_t listed = p.weights.Rows().size();

    p.clipboard.busy = true;
    p.pageSurface.Click(IDC_PLATE2_BUTTON);
    EXPECT_EQ(p.surface.Text(IDC_STAT_EXPR), "12.5");  // neither counted nor listed
    EXPECT_EQ(p.weights.Rows().size(), listed);
    ASSERT_EQ(p.surface.messages.size(), 1u);       // said once, by the main window
    EXPECT_EQ(p.surface.messages[0].text, "复制到剪贴板失败,请稍后再试。");
    EXPECT_EQ(p.surface.messages[0].caption, "提示");
    EXPECT_EQ(p.surface.messages[0].style, static_cast<unsigned>(kMbOk | kMbIconWarning));

    p.clipboard.busy = false;  // the user presses again
    p.pageSurface.Click(IDC_PLATE2_BUTTON);
    EXPECT_EQ(p.surface.Text(IDC_STAT_EXPR), "12.5+12.5");
    EXPECT_EQ(p.weights.Rows().size(), listed + 1);
}

TEST(TAB1Frame, ResetRestoresDefaultsAndRecomputes) {
    TAB1Page p;
    p.Type(IDC_PLATE1_LENGTH, "5");
    p.Type(IDC_ROUND_INNER, "20");
    p.pageSurface.Click(IDC_ROUND_WALL_MODE);
    p.pageSurface.Choose(IDC_ANGLE_COMBO, 7);
    p.surface.Click(IDC_RESET);
    EXPECT_EQ(p.Shown(IDC_PLATE1_LENGTH), "");
    EXPECT_EQ(p.Shown(IDC_ROUND_INNER), "0");
    EXPECT_EQ(p.Shown(IDC_ROUND_WALL), "r");
    EXPECT_EQ(p.pageSurface.Selection(IDC_ANGLE_COMBO), 0);
    EXPECT_EQ(p.Shown(IDC_ANGLE_UNIT_WEIGHT), "0.889");
    EXPECT_TRUE(p.pageSurface.Checked(IDC_ROUND_WALL_MODE));  // the mode is kept
    EXPECT_EQ(p.Shown(IDC_PLATE1_RESULT), "0.00");
    EXPECT_EQ(p.page1->TooltipText(IDC_ROUND_WALL), "钢管壁厚,r表示圆钢");
    EXPECT_EQ(p.page1->TooltipText(IDC_IBEAM_BUTTON), "点击复制右侧重量值");
}

}  // namespace
}  // namespace mw
