// Page two through the frame: tube and pipe with the user's own sizes, the fastener placeholder,
// H/T and floor plate with their list fonts, wire rope, reset.
#include <gtest/gtest.h>

#include "pages/Fastener.h"
#include "settings/Cp936.h"
#include "tests/support/MainWindowFixture.h"

namespace mw {
namespace {

struct TAB2Page : MainWindowFixture {
    explicit TAB2Page(const std::string& settingsText = "") {
        if (!settingsText.empty()) files.files[kSettingsPath] = Utf8ToCp936(settingsText);
        Start();
        ShowTab(1);  // the user works on the page shown
    }
    MemorySurface& p = page2Surface;
    void Pick(int combo, const std::string& item) { EXPECT_TRUE(p.ChooseItem(combo, item)) << item; }
};

TEST(TAB2TubeAndPipe, TablesUnitSystemsAndDensity) {
    TAB2Page t;
    EXPECT_EQ(t.p.ItemCount(IDC_TUBE_COMBO), 293);
    EXPECT_EQ(t.p.ItemCount(IDC_PIPE_COMBO), 28);
    t.p.Type(IDC_TUBE_LENGTH, "1000");
    EXPECT_EQ(t.p.Text(IDC_TUBE_UNIT_WEIGHT), "0.679");
    EXPECT_EQ(t.p.Text(IDC_TUBE_RESULT), "0.68");
    t.p.Type(IDC_PIPE_LENGTH, "1000");
    EXPECT_EQ(t.p.Text(IDC_PIPE_UNIT_WEIGHT), "0.390");
    EXPECT_EQ(t.p.Text(IDC_PIPE_RESULT), "0.39");
    t.surface.Choose(IDC_UNITSYSTEM, 1);
    t.Pick(IDC_TUBE_COMBO, "50×30×2.0");
    t.p.Type(IDC_TUBE_LENGTH, "6");
    EXPECT_EQ(t.p.Text(IDC_TUBE_RESULT), "13.83");
    t.surface.Choose(IDC_UNITSYSTEM, 2);
    t.Pick(IDC_PIPE_COMBO, "6'×5.50");
    t.p.Type(IDC_PIPE_LENGTH, "12");
    EXPECT_EQ(t.p.Text(IDC_PIPE_RESULT), "0.26");
    t.surface.Type(IDC_DENSITY, "2.7");
    t.p.Choose(IDC_TUBE_COMBO, 0);
    EXPECT_EQ(t.p.Text(IDC_TUBE_UNIT_WEIGHT), "0.234");
}

TEST(TAB2TubeAndPipe, CustomSizesFollowTheBuiltInOnes) {
    TAB2Page t("[方管]\r\n型号1=T1\r\n单重1=3\r\n[钢管]\r\n型号1=P1\r\n单重1=4.5\r\n");
    EXPECT_EQ(t.p.ItemText(IDC_TUBE_COMBO, 293), "T1");
    t.p.Choose(IDC_TUBE_COMBO, 293);
    EXPECT_EQ(t.p.Text(IDC_TUBE_UNIT_WEIGHT), "3.000");
    t.p.Choose(IDC_PIPE_COMBO, 28);
    EXPECT_EQ(t.p.Text(IDC_PIPE_UNIT_WEIGHT), "4.500");
}

TEST(TAB2Fastener, WeightsAndThePlaceholderRoundTrip) {
    TAB2Page t;
    EXPECT_EQ(t.p.ItemCount(IDC_FASTENER_TYPE), 71);
    t.Pick(IDC_FASTENER_SIZE, "M10");
    t.p.Type(IDC_FASTENER_LENGTH, "100");
    EXPECT_EQ(t.p.Text(IDC_FASTENER_RESULT), "0.06");
    t.surface.Choose(IDC_UNITSYSTEM, 1);
    EXPECT_EQ(t.p.Text(IDC_FASTENER_RESULT), "63.00");

    t.surface.Choose(IDC_DECIMALS, 5);
    t.p.Choose(IDC_FASTENER_TYPE, 35);  // a nut: no length, the placeholder shows
    t.Pick(IDC_FASTENER_SIZE, "M10");
    EXPECT_EQ(t.p.Text(IDC_FASTENER_LENGTH), kFastenerPlaceholder);
    EXPECT_EQ(t.p.Text(IDC_FASTENER_RESULT), "7.94000");
    t.p.Type(IDC_FASTENER_LENGTH, "5");  // typing recomputes, the placeholder comes back
    EXPECT_EQ(t.p.Text(IDC_FASTENER_LENGTH), kFastenerPlaceholder);
    EXPECT_EQ(t.surface.Text(IDC_HINT), "0");
    t.p.Choose(IDC_FASTENER_TYPE, 40);  // another nut keeps it
    EXPECT_EQ(t.p.Text(IDC_FASTENER_LENGTH), kFastenerPlaceholder);
    t.p.Choose(IDC_FASTENER_TYPE, 0);  // a bolt clears it
    EXPECT_EQ(t.p.Text(IDC_FASTENER_LENGTH), "");
    EXPECT_EQ(t.p.Selection(IDC_FASTENER_SIZE), 0);

    t.surface.Choose(IDC_UNITSYSTEM, 0);
    t.p.Choose(IDC_FASTENER_TYPE, 70);
    t.Pick(IDC_FASTENER_SIZE, "φ4");
    t.p.Type(IDC_FASTENER_LENGTH, "40");
    EXPECT_EQ(t.p.Text(IDC_FASTENER_RESULT), "0.00395");
}

TEST(TAB2Typed, HTPlateMeshAndTheirFonts) {
    TAB2Page t;
    EXPECT_EQ(t.p.ItemText(IDC_HT_SIZE, 0), "100×100");
    t.surface.Choose(IDC_UNITSYSTEM, 1);
    t.p.Type(IDC_HT_LENGTH, "6");
    EXPECT_EQ(t.p.Text(IDC_HT_UNIT_WEIGHT), "17.200");
    EXPECT_EQ(t.p.Text(IDC_HT_RESULT), "103.20");

    t.surface.Choose(IDC_UNITSYSTEM, 0);
    t.Pick(IDC_MESH_SIZE, "δ3");
    t.p.Type(IDC_MESH_AREA, "1500×6000");
    EXPECT_EQ(t.p.Text(IDC_MESH_RESULT), "230.40");
    t.p.Choose(IDC_MESH_TYPE, 4);
    EXPECT_EQ(t.p.Font(IDC_MESH_SIZE), ListFont::Small);
    t.p.Choose(IDC_MESH_TYPE, 7);
    EXPECT_EQ(t.p.Font(IDC_MESH_SIZE), ListFont::Dialog);
    t.Pick(IDC_MESH_SIZE, "20#×3.0");
    t.surface.Choose(IDC_UNITSYSTEM, 2);
    t.p.Type(IDC_MESH_AREA, "10");
    EXPECT_EQ(t.p.Text(IDC_MESH_RESULT), "0.05");
    t.surface.Type(IDC_DENSITY, "0");
    EXPECT_EQ(t.p.Text(IDC_MESH_UNIT_WEIGHT), "0.000");
}

TEST(TAB2Rope, IgnoresDensityAndReadsMetres) {
    TAB2Page t;
    t.surface.Type(IDC_DENSITY, "2.7");
    t.p.Type(IDC_ROPE_LENGTH, "100");
    const std::string unitWeight = t.p.Text(IDC_ROPE_UNIT_WEIGHT);
    t.surface.Type(IDC_DENSITY, "7.85");
    EXPECT_EQ(t.p.Text(IDC_ROPE_UNIT_WEIGHT), unitWeight);
    t.p.Choose(IDC_ROPE_TYPE, 18);
    EXPECT_EQ(t.p.ItemCount(IDC_ROPE_SIZE), 5);
    EXPECT_EQ(t.p.Selection(IDC_ROPE_SIZE), 0);
}

TEST(TAB2, ResetRefillsAndEmpties) {
    TAB2Page t;
    t.p.Choose(IDC_MESH_TYPE, 7);
    t.p.Choose(IDC_FASTENER_TYPE, 35);
    t.p.Type(IDC_TUBE_LENGTH, "5");
    t.surface.Click(IDC_RESET);
    EXPECT_EQ(t.p.Selection(IDC_MESH_TYPE), 0);
    EXPECT_EQ(t.p.ItemCount(IDC_MESH_SIZE), 10);
    EXPECT_EQ(t.p.Text(IDC_FASTENER_LENGTH), "");
    EXPECT_EQ(t.p.Text(IDC_TUBE_LENGTH), "");
    EXPECT_EQ(t.p.Text(IDC_TUBE_RESULT), "0.00");
    EXPECT_EQ(t.page2->TooltipText(IDC_ROPE_BUTTON), "点击复制右侧重量值");
}

}  // namespace
}  // namespace mw
