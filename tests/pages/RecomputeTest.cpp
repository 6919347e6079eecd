// A change of density, decimals or unit system recomputes the calculators of the page shown at
// once and those of a hidden page when it is shown or reached: each output edit is written at
// most once, and only when its text changes; no input edit is written; a hidden page never
// shows nor hands on a figure of the settings before.
#include <gtest/gtest.h>

#include <map>

#include "expr/TrimZeros.h"
#include "pages/Fastener.h"
#include "tests/support/MainWindowFixture.h"

namespace mw {
namespace {

using Writes = std::map<std::pair<const MemorySurface*, int>, int>;

// The main window with a length and the like typed on every page.
struct Filled : MainWindowFixture {
    Filled() {
        Start();
        pageSurface.Type(IDC_PLATE1_LENGTH, "2*500");
        pageSurface.Type(IDC_PLATE1_WIDTH, "1000");
        pageSurface.Type(IDC_PLATE1_THICKNESS, "10");
        pageSurface.Type(IDC_ANGLE_LENGTH, "6000");
        page2Surface.Type(IDC_TUBE_LENGTH, "6000");
        page3Surface.Type(IDC_HEX_LENGTH, "6000");
    }
};

struct Recompute : testing::Test, Filled {
    const MemorySurface* surfaces[3] = {&pageSurface, &page2Surface, &page3Surface};

    Writes Snapshot() const {
        Writes writes;
        for (const MemorySurface* s : surfaces)
            for (int id = 1000; id < 1200; ++id) writes[{s, id}] = s->At(id).textSets;
        return writes;
    }
    // Controls written since `before`, with how often.
    Writes Since(const Writes& before) const {
        Writes written;
        for (const auto& [key, count] : Snapshot())
            if (count != before.at(key)) written[key] = count - before.at(key);
        return written;
    }
    static std::size_t On(const Writes& written, const MemorySurface& s) {
        std::size_t n = 0;
        for (const auto& entry : written) n += entry.first.first == &s;
        return n;
    }
};

TEST_F(Recompute, EachOutputIsWrittenOnceAndOnlyWhenItChanges) {
    Writes before = Snapshot();
    surface.Type(IDC_DENSITY, "7.9");
    Writes written = Since(before);
    for (const auto& [key, count] : written) EXPECT_EQ(count, 1) << "control " << key.second;
    EXPECT_EQ(written.count({&pageSurface, IDC_PLATE1_RESULT}), 1u);
    EXPECT_EQ(written.count({&pageSurface, IDC_ANGLE_UNIT_WEIGHT}), 1u);
    for (int input : {IDC_PLATE1_LENGTH, IDC_PLATE1_WIDTH, IDC_ANGLE_LENGTH})
        EXPECT_EQ(written.count({&pageSurface, input}), 0u) << "input " << input;
    // Results of empty lengths stay "0.00" and are left alone.
    EXPECT_EQ(written.count({&pageSurface, IDC_PLATE2_RESULT}), 0u);

    // The hidden pages follow when shown, each output once, no input.
    for (int tab : {1, 2}) {
        before = Snapshot();
        ShowTab(tab);
        written = Since(before);
        for (const auto& [key, count] : written) EXPECT_EQ(count, 1) << "control " << key.second;
        EXPECT_EQ(On(written, pageSurface), 0u);
    }
    EXPECT_EQ(written.count({&page3Surface, IDC_HEX_RESULT}), 1u);
    EXPECT_EQ(written.count({&page3Surface, IDC_HEX_LENGTH}), 0u);

    before = Snapshot();
    dlg.RecomputeAll();  // nothing changed: nothing is written
    ShowTab(0);
    ShowTab(1);
    EXPECT_TRUE(Since(before).empty());
}

TEST_F(Recompute, ResultsFollowTheirInputsAfterAGlobalRecompute) {
    pageSurface.Type(IDC_PLATE1_LENGTH, "1000");
    surface.Type(IDC_DENSITY, "7.85");
    EXPECT_EQ(pageSurface.Text(IDC_PLATE1_RESULT), "78.50");
    surface.Choose(IDC_DECIMALS, 3);
    EXPECT_EQ(pageSurface.Text(IDC_PLATE1_RESULT), "78.500");
    pageSurface.Type(IDC_PLATE1_LENGTH, "2000");  // a change after the recompute is still seen
    surface.Type(IDC_DENSITY, "7.85 ");
    EXPECT_EQ(pageSurface.Text(IDC_PLATE1_RESULT), "157.000");
}

// Typing a density digit by digit costs the page shown only; the hidden pages compute once,
// when shown, with the density typed last, and show what computing at every digit would show.
TEST_F(Recompute, DensityKeystrokesLeaveHiddenPagesUntilTheyAreShown) {
    const Writes before = Snapshot();
    for (const char* density : {"8", "8.", "8.0", "8.05"}) surface.Type(IDC_DENSITY, density);
    const Writes written = Since(before);
    EXPECT_EQ(On(written, page2Surface), 0u);
    EXPECT_EQ(On(written, page3Surface), 0u);
    EXPECT_EQ(pageSurface.Text(IDC_PLATE1_RESULT), "80.50");
    EXPECT_TRUE(page2->Outdated());
    EXPECT_FALSE(page1->Outdated());

    Filled eager;  // the same, typed in one go with every page shown at its turn
    eager.surface.Type(IDC_DENSITY, "8.05");
    for (int tab : {1, 2}) {
        ShowTab(tab);
        eager.ShowTab(tab);
        EXPECT_TRUE(host.pageShown[tab]);
        EXPECT_FALSE(host.pageShown[0]);
    }
    EXPECT_FALSE(page2->Outdated());
    for (int id : {IDC_TUBE_UNIT_WEIGHT, IDC_TUBE_RESULT, IDC_PIPE_RESULT, IDC_HT_RESULT, IDC_ROPE_RESULT})
        EXPECT_EQ(page2Surface.Text(id), eager.page2Surface.Text(id)) << id;
    for (int id : {IDC_HEX_UNIT_WEIGHT, IDC_HEX_RESULT, IDC_REBAR_RESULT, IDC_CZ_RESULT})
        EXPECT_EQ(page3Surface.Text(id), eager.page3Surface.Text(id)) << id;
    EXPECT_NE(page2Surface.Text(IDC_TUBE_RESULT), Filled().page2Surface.Text(IDC_TUBE_RESULT));
}

// A "重量" press reaches a hidden page (from another program, say) after density, decimals and
// unit system changed: the statistics line and the weight list get the figures of the settings
// now, as the page would show them.
TEST_F(Recompute, StatisticsAndWeightListTakeTheNewFiguresFromAHiddenPage) {
    surface.Type(IDC_DENSITY, "8");
    surface.Choose(IDC_DECIMALS, 3);
    page2Surface.Click(IDC_TUBE_BUTTON);
    surface.Choose(IDC_UNITSYSTEM, 1);  // kg;m: the length 6000 now reads as metres
    page3Surface.Click(IDC_HEX_BUTTON);

    Filled eager;
    eager.surface.Type(IDC_DENSITY, "8");
    eager.surface.Choose(IDC_DECIMALS, 3);
    eager.ShowTab(1);
    const std::string tube = eager.page2Surface.Text(IDC_TUBE_RESULT);
    eager.surface.Choose(IDC_UNITSYSTEM, 1);
    eager.ShowTab(2);
    const std::string hexagon = eager.page3Surface.Text(IDC_HEX_RESULT);
    ASSERT_NE(tube, Filled().page2Surface.Text(IDC_TUBE_RESULT));

    EXPECT_EQ(surface.Text(IDC_STAT_EXPR),
              TrimZeros(std::to_string(CalcExpression(tube))) + "+" + TrimZeros(std::to_string(CalcExpression(hexagon))));
    ASSERT_EQ(weights.Rows().size(), 2u);
    EXPECT_DOUBLE_EQ(weights.Rows()[0].item.kilograms, CalcExpression(tube));
    EXPECT_DOUBLE_EQ(weights.Rows()[1].item.kilograms, CalcExpression(hexagon));
    EXPECT_EQ(page2Surface.Text(IDC_TUBE_RESULT), tube);  // caught up whole, not just the press
    EXPECT_FALSE(page3->Outdated());
    EXPECT_TRUE(page2->Outdated());  // the unit system changed since
}

// Nuts and washers show a placeholder for their length; a recomputation leaves it in place
// rather than setting it again.
TEST_F(Recompute, FastenerPlaceholderIsNotWrittenAgain) {
    ShowTab(1);
    page2Surface.Choose(IDC_FASTENER_TYPE, 0);
    int nut = -1;
    for (int type = 0; type < page2Surface.ItemCount(IDC_FASTENER_TYPE) && nut < 0; ++type)
        if (FastenerFamilyOf(type) == FastenerFamily::kNut) nut = type;
    ASSERT_GE(nut, 0);
    page2Surface.Choose(IDC_FASTENER_TYPE, nut);
    ASSERT_EQ(page2Surface.Text(IDC_FASTENER_LENGTH), kFastenerPlaceholder);
    const int sets = page2Surface.At(IDC_FASTENER_LENGTH).textSets;
    surface.Type(IDC_DENSITY, "7.9");
    surface.Choose(IDC_DECIMALS, 4);
    EXPECT_EQ(page2Surface.At(IDC_FASTENER_LENGTH).textSets, sets);
    EXPECT_EQ(page2Surface.Text(IDC_FASTENER_LENGTH), kFastenerPlaceholder);
}

}  // namespace
}  // namespace mw
