// Page three through the frame: bars with the user's own sizes, cold-formed type switching with
// its list fonts, reset.
#include <gtest/gtest.h>

#include "settings/Cp936.h"
#include "tests/support/MainWindowFixture.h"

namespace mw {
namespace {

struct TAB3Page : MainWindowFixture {
    explicit TAB3Page(const std::string& settingsText = "") {
        if (!settingsText.empty()) files.files[kSettingsPath] = Utf8ToCp936(settingsText);
        Start();
        ShowTab(2);  // the user works on the page shown
    }
    MemorySurface& p = page3Surface;
    void Pick(int combo, const std::string& item) { EXPECT_TRUE(p.ChooseItem(combo, item)) << item; }
};

TEST(TAB3Bars, TablesUnderUnitSystemsAndDensity) {
    TAB3Page t;
    t.Pick(IDC_HEX_COMBO, "10");
    t.p.Type(IDC_HEX_LENGTH, "1000");
    EXPECT_EQ(t.p.Text(IDC_HEX_UNIT_WEIGHT), "0.680");
    EXPECT_EQ(t.p.Text(IDC_HEX_RESULT), "0.68");
    t.Pick(IDC_REBAR_COMBO, "φ36");
    t.surface.Choose(IDC_UNITSYSTEM, 1);
    t.p.Type(IDC_REBAR_LENGTH, "1");
    EXPECT_EQ(t.p.Text(IDC_REBAR_RESULT), "7.99");
    t.surface.Choose(IDC_UNITSYSTEM, 2);
    EXPECT_EQ(t.p.Text(IDC_REBAR_RESULT), "0.01");
    t.surface.Type(IDC_DENSITY, "7.93");
    t.Pick(IDC_OCT_COMBO, "40");
    EXPECT_EQ(t.p.Text(IDC_OCT_UNIT_WEIGHT), "10.506");
    EXPECT_EQ(t.p.ItemText(IDC_REBAR_COMBO, 0), "φ5.5*");
}

TEST(TAB3Bars, CustomRebarFollowsTheBuiltInSizes) {
    TAB3Page t("[螺纹钢]\r\n型号1=φ12特\r\n单重1=0.9\r\n");
    EXPECT_EQ(t.p.ItemCount(IDC_REBAR_COMBO), 69);
    t.p.Choose(IDC_REBAR_COMBO, 68);
    EXPECT_EQ(t.p.Text(IDC_REBAR_UNIT_WEIGHT), "0.900");
}

TEST(TAB3ColdFormed, TypeSwitchRefillsSelectsAndSetsTheFont) {
    TAB3Page t;
    EXPECT_EQ(t.p.ItemCount(IDC_CANGLE_TYPE), 2);
    EXPECT_EQ(t.p.Font(IDC_CANGLE_SIZE), ListFont::Wide);
    EXPECT_EQ(t.p.Font(IDC_CCHANNEL_SIZE), ListFont::Dialog);
    t.Pick(IDC_CANGLE_SIZE, "∠40×40×3.0");
    t.p.Type(IDC_CANGLE_LENGTH, "6000");
    EXPECT_EQ(t.p.Text(IDC_CANGLE_UNIT_WEIGHT), "1.745");
    EXPECT_EQ(t.p.Text(IDC_CANGLE_RESULT), "10.47");

    t.p.Choose(IDC_CCHANNEL_TYPE, 3);
    EXPECT_EQ(t.p.ItemCount(IDC_CCHANNEL_SIZE), 6);
    EXPECT_EQ(t.p.Selection(IDC_CCHANNEL_SIZE), 0);
    EXPECT_EQ(t.p.Text(IDC_CCHANNEL_UNIT_WEIGHT), "2.009");
    EXPECT_EQ(t.p.Font(IDC_CCHANNEL_SIZE), ListFont::Narrow);
    t.p.Choose(IDC_CCHANNEL_TYPE, 0);
    EXPECT_EQ(t.p.Font(IDC_CCHANNEL_SIZE), ListFont::Dialog);

    t.p.Choose(IDC_CZ_TYPE, 1);
    EXPECT_EQ(t.p.Font(IDC_CZ_SIZE), ListFont::Wide);
    t.p.Choose(IDC_CZ_SIZE, t.p.ItemCount(IDC_CZ_SIZE) - 1);
    t.p.Type(IDC_CZ_LENGTH, "1");
    t.surface.Choose(IDC_UNITSYSTEM, 1);
    EXPECT_FALSE(t.p.Text(IDC_CZ_RESULT).empty());
}

TEST(TAB3, ResetFromTheMainWindow) {
    TAB3Page t;
    t.p.Choose(IDC_CCHANNEL_TYPE, 3);
    t.p.Type(IDC_HEX_LENGTH, "5");
    t.p.Choose(IDC_REBAR_COMBO, 9);
    t.surface.Click(IDC_RESET);
    EXPECT_EQ(t.p.Selection(IDC_CCHANNEL_TYPE), 0);
    EXPECT_EQ(t.p.ItemCount(IDC_CCHANNEL_SIZE), 37);
    EXPECT_EQ(t.p.Selection(IDC_CCHANNEL_SIZE), 0);
    EXPECT_EQ(t.p.Text(IDC_HEX_LENGTH), "");
    EXPECT_EQ(t.p.Selection(IDC_REBAR_COMBO), 0);
    EXPECT_EQ(t.page3->TooltipText(IDC_CZ_BUTTON), "点击复制右侧重量值");
    EXPECT_EQ(t.pageSurface.Selection(IDC_ANGLE_COMBO), 0);  // page one reset too
}

}  // namespace
}  // namespace mw
