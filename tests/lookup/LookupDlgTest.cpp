// The lookup window over the real main window and pages: what it shows as the user types, the
// way to the calculator, the candidates and the length a weight buys.
#include "lookup/LookupDlg.h"

#include <gtest/gtest.h>

#include "pages/HTSection.h"
#include "pages/Tab1Tables.h"
#include "tests/support/MainWindowFixture.h"

namespace mw {
namespace {

struct Lookup : MainWindowFixture, LookupTarget {
    Lookup() {
        Start();
        lookupSurface.Bind(&lookup);
        lookup.OnInitDialog();
    }
    const CalcSettings& Settings() const override { return dlg.Settings(); }
    bool SendToCalculator(int page, const SizeChoice& choice) override {
        ++sends;
        return dlg.SendToCalculator(page, choice);
    }
    void Type(const std::string& text) { lookupSurface.Type(IDC_LOOKUP_TEXT, text); }
    std::string Shown(int id) { return lookupSurface.Text(id); }

    MemorySurface lookupSurface;
    CLookupDlg lookup{lookupSurface, *this};
    int sends = 0;
};

TEST(LookupDlg, ShowsTheMeaningAsTheUserTypes) {
    Lookup l;
    l.Type("[20a 6m ×2");
    EXPECT_EQ(l.Shown(IDC_LOOKUP_MEANING), "第一页 · 槽钢(热轧) · [20a");
    EXPECT_EQ(l.Shown(IDC_LOOKUP_UNIT_WEIGHT), "每米重: 22.637 kg/m");
    EXPECT_EQ(l.Shown(IDC_LOOKUP_WEIGHT), "重量: 6000 mm × 2 根 = 271.64 kg");
    EXPECT_EQ(l.Shown(IDC_LOOKUP_SURFACE).rfind("外表面积: 0.", 0), 0u);
    EXPECT_NE(l.Shown(IDC_LOOKUP_SURFACE).find(",共 "), std::string::npos);
    EXPECT_EQ(l.Shown(IDC_LOOKUP_MESSAGE), "");

    l.Type("[20a");  // no length yet
    EXPECT_EQ(l.Shown(IDC_LOOKUP_WEIGHT), "重量: 写上长度(如 6m、L=6000)即算");

    // Tonnes under "t;m", and the density of the main window.
    l.surface.Choose(IDC_UNITSYSTEM, kTM);
    l.surface.Type(IDC_DENSITY, "2.7");
    l.Type("[20a 6m×2");
    EXPECT_EQ(l.Shown(IDC_LOOKUP_UNIT_WEIGHT), "每米重: 7.786 kg/m");
    EXPECT_EQ(l.Shown(IDC_LOOKUP_WEIGHT), "重量: 6000 mm × 2 根 = 0.09 t");

    l.Type("abc");
    EXPECT_EQ(l.Shown(IDC_LOOKUP_MEANING), "");
    EXPECT_EQ(l.Shown(IDC_LOOKUP_MESSAGE).rfind("无法识别", 0), 0u);
}

TEST(LookupDlg, SendsTheSizeAndLengthToTheCalculator) {
    Lookup l;
    l.Type("[20a 6m ×2");
    l.lookupSurface.Click(IDC_LOOKUP_SEND);
    EXPECT_EQ(l.surface.Selection(IDC_TAB), 0);
    EXPECT_EQ(l.pageSurface.Selection(IDC_CHANNEL_COMBO), 13);
    EXPECT_EQ(l.pageSurface.ItemText(IDC_CHANNEL_COMBO, 13), "[20a");
    EXPECT_EQ(l.pageSurface.Text(IDC_CHANNEL_LENGTH), "6000*2");
    EXPECT_EQ(l.pageSurface.Text(IDC_CHANNEL_RESULT), "271.64");
    EXPECT_EQ(l.pageSurface.focus, IDC_CHANNEL_LENGTH);
    // From there it is the user's own calculator: the cutting plan takes it as the current one.
    ASSERT_TRUE(l.dlg.ShownMaterial());
    EXPECT_NEAR(l.dlg.ShownMaterial()->kilogramsPerMetre, 22.637, 1e-9);

    // Metres under "kg;m".
    l.surface.Choose(IDC_UNITSYSTEM, kKgM);
    l.Type("HN400×200×8×13 12m");
    l.lookupSurface.Click(IDC_LOOKUP_SEND);
    EXPECT_EQ(l.surface.Selection(IDC_TAB), 1);
    EXPECT_EQ(l.page2Surface.ItemText(IDC_HT_TYPE, l.page2Surface.Selection(IDC_HT_TYPE)), "HN窄翼缘");
    EXPECT_EQ(l.page2Surface.ItemText(IDC_HT_SIZE, l.page2Surface.Selection(IDC_HT_SIZE)), "400×200");
    EXPECT_EQ(l.page2Surface.Text(IDC_HT_LENGTH), "12");
    EXPECT_EQ(l.page2Surface.Text(IDC_HT_RESULT), "792.00");
    EXPECT_EQ(l.page2Surface.focus, IDC_HT_LENGTH);
}

// After the lookup the "重量" press is the user's own: the weight list gets the weight and the
// outer surface of the two bars.
TEST(LookupDlg, TheWeightListGetsTheSurfaceOfWhatWasWeighed) {
    Lookup l;
    std::string setAside;
    ASSERT_TRUE(l.weights.Load(setAside));
    l.Type("[20a 6m ×2");
    l.lookupSurface.Click(IDC_LOOKUP_SEND);
    l.pageSurface.Click(IDC_CHANNEL_BUTTON);
    ASSERT_EQ(l.weights.Rows().size(), 1u);
    const Weighing& w = l.weights.Rows()[0].item;
    EXPECT_EQ(w.size, "[20a");
    EXPECT_NEAR(w.kilograms, 271.64, 1e-9);
    ASSERT_TRUE(w.squareMetres);
    EXPECT_NEAR(*w.squareMetres, *ReadDesignation("[20a").meanings[0].Surface() * 12, 1e-9);

    l.Type("φ89×4 6m");  // round stock by its outside
    l.lookupSurface.Click(IDC_LOOKUP_SEND);
    l.pageSurface.Click(IDC_ROUND_BUTTON);
    ASSERT_EQ(l.weights.Rows().size(), 2u);
    EXPECT_NEAR(*l.weights.Rows()[1].item.squareMetres, 3.1415926535 * 0.089 * 6, 1e-6);
    l.pageSurface.Click(IDC_PLATE2_BUTTON);  // weighed by area: no surface a metre
    ASSERT_EQ(l.weights.Rows().size(), 3u);
    EXPECT_FALSE(l.weights.Rows()[2].item.squareMetres);
}

TEST(LookupDlg, FillsTheDimensionsOfPlateAndRound) {
    Lookup l;
    l.Type("-10×200×1500×4");
    EXPECT_EQ(l.Shown(IDC_LOOKUP_WEIGHT), "重量: 1500 mm × 4 块 = 94.20 kg");
    l.lookupSurface.Click(IDC_LOOKUP_SEND);
    EXPECT_EQ(l.pageSurface.Text(IDC_PLATE1_WIDTH), "200");
    EXPECT_EQ(l.pageSurface.Text(IDC_PLATE1_THICKNESS), "10");
    EXPECT_EQ(l.pageSurface.Text(IDC_PLATE1_LENGTH), "1500*4");
    EXPECT_EQ(l.pageSurface.Text(IDC_PLATE1_RESULT), "94.20");
    EXPECT_EQ(l.pageSurface.focus, IDC_PLATE1_LENGTH);

    l.Type("φ89×4 6m");
    l.lookupSurface.Click(IDC_LOOKUP_SEND);
    EXPECT_TRUE(l.pageSurface.Checked(IDC_ROUND_WALL_MODE));
    EXPECT_EQ(l.pageSurface.Text(IDC_ROUND_OUTER), "89");
    EXPECT_EQ(l.pageSurface.Text(IDC_ROUND_WALL), "4");
    EXPECT_EQ(l.pageSurface.Text(IDC_ROUND_RESULT), "50.31");
    l.Type("φ37 2m");
    l.lookupSurface.Click(IDC_LOOKUP_SEND);
    EXPECT_EQ(l.pageSurface.Text(IDC_ROUND_WALL), "r");
    EXPECT_EQ(l.pageSurface.Text(IDC_ROUND_RESULT), "16.88");
}

TEST(LookupDlg, CandidatesAreChosenNeverGuessed) {
    Lookup l;
    l.Type("20a 6m");
    EXPECT_EQ(l.Shown(IDC_LOOKUP_MESSAGE), "有几种可能,请选择:");
    ASSERT_EQ(l.lookupSurface.ItemCount(IDC_LOOKUP_CHOICES), 2);
    EXPECT_EQ(l.lookupSurface.ItemText(IDC_LOOKUP_CHOICES, 0), "第一页 [20a");
    EXPECT_EQ(l.lookupSurface.ItemText(IDC_LOOKUP_CHOICES, 1), "第一页 工20a");
    EXPECT_EQ(l.Shown(IDC_LOOKUP_MEANING), "");
    l.lookupSurface.Click(IDC_LOOKUP_SEND);  // nothing chosen: nothing sent
    EXPECT_EQ(l.sends, 0);
    EXPECT_EQ(l.Shown(IDC_LOOKUP_MESSAGE), "有几种可能,请选择:(先在下面选一个)");

    l.lookupSurface.Choose(IDC_LOOKUP_CHOICES, 1);
    EXPECT_EQ(l.Shown(IDC_LOOKUP_MEANING), "第一页 · 工字钢 · 工20a");
    l.lookup.Refresh();  // the window comes back to the front: the pick stays
    EXPECT_EQ(l.Shown(IDC_LOOKUP_MEANING), "第一页 · 工字钢 · 工20a");
    l.lookupSurface.DoubleClick(IDC_LOOKUP_CHOICES);
    EXPECT_EQ(l.sends, 1);
    EXPECT_EQ(l.pageSurface.Text(IDC_IBEAM_LENGTH), "6000");
    EXPECT_EQ(l.pageSurface.Text(IDC_IBEAM_RESULT), "167.57");

    l.Type("∠50×7");
    EXPECT_EQ(l.Shown(IDC_LOOKUP_MESSAGE), "没有这个规格。最接近的:");
    EXPECT_EQ(l.lookupSurface.ItemText(IDC_LOOKUP_CHOICES, 0), "第一页 ∠50×50×6");
    l.Type("");
    l.lookupSurface.Click(IDC_LOOKUP_SEND);
    EXPECT_EQ(l.Shown(IDC_LOOKUP_MESSAGE).rfind("先写一个型号", 0), 0u);
}

// The tools menu toggles the window like the others; Ctrl+F only ever opens it.
TEST(LookupDlg, OpenedFromTheMenuAndByCtrlF) {
    Lookup l;
    l.dlg.OnCommand(IDM_LOOKUP, Notify::Click);
    EXPECT_TRUE(l.host.toolShown[kToolLookupDlg]);
    l.dlg.OpenLookup();
    EXPECT_TRUE(l.host.toolShown[kToolLookupDlg]);
    l.dlg.OnCommand(IDM_LOOKUP, Notify::Click);
    EXPECT_FALSE(l.host.toolShown[kToolLookupDlg]);
    l.dlg.OpenLookup();
    EXPECT_TRUE(l.host.toolShown[kToolLookupDlg]);
    EXPECT_TRUE(l.dlg.ToolShown(kToolLookupDlg));
}

TEST(LookupDlg, LengthAWeightBuys) {
    Lookup l;
    l.Type("[20a");
    EXPECT_EQ(l.Shown(IDC_LOOKUP_STOCK), "6000");
    l.lookupSurface.Type(IDC_LOOKUP_MASS, "1000");
    EXPECT_EQ(l.Shown(IDC_LOOKUP_INVERSE), "合 44.175 m,即 7.36 根定尺(整 7 根,余 2.175 m)");
    l.lookupSurface.Choose(IDC_LOOKUP_MASS_UNIT, 1);  // tonnes
    l.lookupSurface.Type(IDC_LOOKUP_MASS, "0.5*2");
    EXPECT_EQ(l.Shown(IDC_LOOKUP_INVERSE), "合 44.175 m,即 7.36 根定尺(整 7 根,余 2.175 m)");
    l.lookupSurface.Type(IDC_LOOKUP_STOCK, "9000");
    EXPECT_EQ(l.Shown(IDC_LOOKUP_INVERSE), "合 44.175 m,即 4.91 根定尺(整 4 根,余 8.175 m)");
    l.lookupSurface.Type(IDC_LOOKUP_STOCK, "0");
    EXPECT_EQ(l.Shown(IDC_LOOKUP_INVERSE), "重量和定尺须为正数");
    l.Type("");  // no section: no answer
    EXPECT_EQ(l.Shown(IDC_LOOKUP_INVERSE), "");
}

}  // namespace
}  // namespace mw
