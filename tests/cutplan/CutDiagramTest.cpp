// The cutting plan's bar diagram: one length scale for every bar, pieces and offcut in place,
// the rows within the drawing area.
#include "cutplan/CutDiagram.h"

#include <gtest/gtest.h>

namespace mw {
namespace {

// Six pieces of 2000 and one of 4500 from bars of 6000: two bars cut 2000×3, one 4500 and 1500 left.
CutPlan TwoPatterns() {
    CutPlan plan;
    plan.found = true;
    plan.patterns.push_back({2, 0, 6000, {2000, 2000, 2000}, 0});
    plan.patterns.push_back({1, 0, 6000, {4500}, 1500});
    return plan;
}

TEST(CutDiagram, BarsPiecesAndOffcutsOnOneScale) {
    const std::vector<DiagramRow> rows = LayoutCutDiagram(TwoPatterns(), 500, 120);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].label, "6000 ×2");
    EXPECT_EQ(rows[0].pieces.size(), 3u);
    EXPECT_EQ(rows[0].pieces[1].label, "2000");
    EXPECT_EQ(rows[0].pieces.back().right, rows[0].barRight);  // no offcut: the last piece ends the bar
    EXPECT_EQ(rows[0].offcut.left, rows[0].offcut.right);
    EXPECT_EQ(rows[1].offcut.label, "1500");
    EXPECT_EQ(rows[1].offcut.right, rows[1].barRight);
    EXPECT_NEAR(rows[1].pieces[0].right - rows[1].barLeft, (rows[1].barRight - rows[1].barLeft) * 0.75, 1.0);
    EXPECT_LE(rows.back().bottom, 120);
    EXPECT_LT(rows[0].bottom, rows[1].top + 1);
    // Twice the size, twice the picture.
    const std::vector<DiagramRow> large = LayoutCutDiagram(TwoPatterns(), 1000, 240);
    EXPECT_NEAR(large[1].pieces[0].right, 2 * rows[1].pieces[0].right, 2.0);
}

TEST(CutDiagram, OnlyTheRowsThatFitAndNothingWithoutAPlanOrRoom) {
    CutPlan many = TwoPatterns();
    for (int i = 0; i < 40; ++i) many.patterns.push_back({1, 0, 3000, {1000}, 2000});
    const std::vector<DiagramRow> rows = LayoutCutDiagram(many, 400, 120);
    ASSERT_EQ(rows.size(), 10u);  // rows never shrink below a line of small text
    EXPECT_LE(rows.back().bottom, 120);
    EXPECT_LT(rows[2].barRight, rows[0].barRight);  // a shorter bar is drawn shorter

    CutPlan none = TwoPatterns();
    none.found = false;
    EXPECT_TRUE(LayoutCutDiagram(none, 400, 120).empty());
    EXPECT_TRUE(LayoutCutDiagram(TwoPatterns(), 0, 120).empty());
    EXPECT_TRUE(LayoutCutDiagram(TwoPatterns(), 400, -1).empty());
}

}  // namespace
}  // namespace mw

namespace mw {
namespace {

TEST(CutDiagramMarks, EachPieceCarriesItsMark) {
    CutPlan plan;
    plan.found = true;
    plan.patterns.push_back({1, 0, 6000, {2000, 2000, 1000}, 1000, {"A1", "B2", ""}});
    const std::vector<DiagramRow> rows = LayoutCutDiagram(plan, 600, 100);
    ASSERT_EQ(rows.size(), 1u);
    ASSERT_EQ(rows[0].pieces.size(), 3u);
    EXPECT_EQ(rows[0].pieces[0].label + "|" + rows[0].pieces[0].mark, "2000|A1");
    EXPECT_EQ(rows[0].pieces[1].mark, "B2");
    EXPECT_EQ(rows[0].pieces[2].mark, "");
}

}  // namespace
}  // namespace mw
