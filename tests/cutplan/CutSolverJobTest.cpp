// The solver on what a whole job brings: marks on the pieces.
#include "cutplan/CutSolver.h"

#include <gtest/gtest.h>

#include <map>

namespace mw {
namespace {

// Each length and mark the plan cuts, counted over its bars.
std::map<std::pair<double, std::string>, long long> Cut(const CutPlan& plan) {
    std::map<std::pair<double, std::string>, long long> cut;
    for (const CutPattern& pattern : plan.patterns)
        for (std::size_t i = 0; i < pattern.pieces.size(); ++i) cut[{pattern.pieces[i], PieceMark(pattern, i)}] += pattern.times;
    return cut;
}

TEST(CutSolverMarks, EachMarkGetsItsCountAndTheSameLengthUnderTwoMarksStaysApart) {
    CutJob job;
    job.stock = {StockRow(6000, {}, {}, 1)};
    job.pieces = {{1200, 3, 1, "A1"}, {1200, 4, 2, "B2"}, {800, 2, 3}, {1200, 1, 4, "A1"}};
    const CutPlan plan = SolveCutJob(job);
    ASSERT_TRUE(plan.found) << plan.message;
    EXPECT_EQ(CheckCutPlan(job, plan), "");
    const auto cut = Cut(plan);
    EXPECT_EQ(cut.at({1200, "A1"}), 4);
    EXPECT_EQ(cut.at({1200, "B2"}), 4);
    EXPECT_EQ(cut.at({800, ""}), 2);
    // Marks do not cost bars: the plan is the one of the bare lengths.
    CutJob bare = job;
    for (PieceRow& row : bare.pieces) row.mark.clear();
    EXPECT_EQ(plan.bars, SolveCutJob(bare).bars);
    EXPECT_NE(CutPlanText(plan).find(" 1200:A1"), std::string::npos) << CutPlanText(plan);
    EXPECT_EQ(CutPlanText(plan).find(" 800:"), std::string::npos);

    // A plan whose marks are swapped is not the job's.
    CutPlan swapped = plan;
    for (CutPattern& pattern : swapped.patterns)
        for (std::string& mark : pattern.marks) mark = mark == "A1" ? "B2" : mark == "B2" ? "A1" : mark;
    swapped.patterns[0].marks[0] = "C3";
    EXPECT_NE(CheckCutPlan(job, swapped), "");
    CutPlan unmarked = plan;
    for (CutPattern& pattern : unmarked.patterns) pattern.marks.clear();
    EXPECT_NE(CheckCutPlan(job, unmarked), "");
}

}  // namespace
}  // namespace mw
