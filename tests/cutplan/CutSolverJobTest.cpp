// The solver on what a whole job brings: marks on the pieces.
#include "cutplan/CutSolver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <random>

#include "tests/cutplan/SolverJobs.h"

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

namespace mw {
namespace {

// The most piece length any assignment of the pieces to the bars on hand cuts, and the fewest
// bars that cut it: every piece tried on every bar and left uncut.
std::pair<double, int> ExhaustiveShort(const CutJob& job) {
    std::vector<double> pieces, bars;
    for (const PieceRow& row : job.pieces) pieces.insert(pieces.end(), static_cast<int>(row.count), row.length);
    for (const StockRow& row : job.stock) bars.insert(bars.end(), static_cast<int>(*row.count), row.length - job.trim);
    std::vector<double> used(bars.size(), 0);
    std::vector<int> held(bars.size(), 0);
    std::pair<double, int> best = {-1, 0};
    std::function<void(std::size_t, double)> place = [&](std::size_t k, double cut) {
        if (k == pieces.size()) {
            int count = 0;
            for (int h : held) count += h > 0;
            if (cut > best.first + 1e-9 || (std::fabs(cut - best.first) <= 1e-9 && count < best.second))
                best = {cut, count};
            return;
        }
        place(k + 1, cut);  // uncut
        for (std::size_t b = 0; b < bars.size(); ++b) {
            const double need = used[b] + pieces[k] + (held[b] ? job.kerf : 0);
            if (need > bars[b] + 1e-9) continue;
            const double before = used[b];
            used[b] = need;
            ++held[b];
            place(k + 1, cut + pieces[k]);
            --held[b];
            used[b] = before;
        }
    };
    place(0, 0);
    return best;
}

TEST(CutSolverShort, TooFewBarsOnHandCutTheMostLengthThenTheFewestBars) {
    std::mt19937 random(34);
    int shortPlans = 0;
    for (int trial = 0; trial < 60; ++trial) {
        CutJob job;
        const int rows = 1 + static_cast<int>(random() % 2);
        for (int r = 0; r < rows; ++r)
            job.stock.push_back(StockRow(1000 + 500 * static_cast<double>(random() % 5), 1.0 + random() % 2, {}, r + 1));
        const int lengths = 1 + static_cast<int>(random() % 3);
        for (int p = 0; p < lengths; ++p)
            job.pieces.push_back({300 + 100 * static_cast<double>(random() % 7), 1.0 + random() % 3, p + 1});
        job.kerf = static_cast<double>(random() % 2) * 5;
        const CutPlan plan = SolveCutJob(job);
        ASSERT_TRUE(plan.found) << trial << ": " << plan.message;
        EXPECT_EQ(CheckCutPlan(job, plan), "") << trial;
        // Placed and short together are the job's pieces (the check counts it; asked here as well).
        double placed = 0, uncut = 0, wanted = 0;
        for (const CutPattern& pattern : plan.patterns)
            for (double piece : pattern.pieces) placed += piece * pattern.times;
        for (const ShortPiece& piece : plan.shortPieces) uncut += piece.length * piece.count;
        for (const PieceRow& row : job.pieces) wanted += row.length * row.count;
        EXPECT_NEAR(placed + uncut, wanted, 1e-6) << trial;
        const std::pair<double, int> best = ExhaustiveShort(job);
        EXPECT_NEAR(placed, best.first, 1e-6) << trial << "\n" << CutJobText(job) << CutPlanText(plan);
        if (std::fabs(placed - best.first) < 1e-6) {
            EXPECT_EQ(plan.bars, best.second) << trial << "\n" << CutJobText(job);
        }
        shortPlans += !plan.shortPieces.empty();
    }
    EXPECT_GT(shortPlans, 10);
}

TEST(CutSolverShort, ARowWithoutCountIsBoughtAndTheTextListsWhatIsLeft) {
    CutJob job;
    job.stock = {StockRow(6000, 2.0, {}, 1)};
    job.pieces = {{2350, 12, 1}};
    const CutPlan plan = SolveCutJob(job);
    ASSERT_TRUE(plan.found);
    EXPECT_EQ(plan.bars, 2);
    ASSERT_EQ(plan.shortPieces.size(), 1u);
    EXPECT_EQ(plan.shortPieces[0].count, 8);
    EXPECT_NE(CutPlanText(plan).find("\nshort 2350 8\nbars 2\n"), std::string::npos) << CutPlanText(plan);
    job.stock.push_back(StockRow(9000, {}, {}, 2));  // one row bought as needed: a whole plan
    const CutPlan whole = SolveCutJob(job);
    ASSERT_TRUE(whole.found);
    EXPECT_TRUE(whole.shortPieces.empty());
    EXPECT_EQ(CheckCutPlan(job, whole), "");
    // A short list that does not add up is refused by the check.
    CutPlan wrong = plan;
    wrong.shortPieces[0].count = 7;
    EXPECT_NE(CheckCutPlan(job, wrong), "");
}

}  // namespace
}  // namespace mw

namespace mw {
namespace {

// The fewest bars bought (offcuts cost nothing), then the fewest bars cut, over every grouping of
// the pieces and every stock row for each group.
std::pair<int, int> ExhaustiveWithOffcuts(const CutJob& job) {
    struct Bars {
        int bought = 0, cut = 0;
        Bars operator+(const Bars& o) const { return {bought + o.bought, cut + o.cut}; }
        bool operator<(const Bars& o) const { return std::pair(bought, cut) < std::pair(o.bought, o.cut); }
    };
    const Bars best = LeastCutting(job, Bars{1 << 30, 1 << 30},
                                   [](const StockRow& row) { return Bars{row.offcut ? 0 : 1, 1}; });
    return {best.bought, best.cut};
}

TEST(CutSolverOffcuts, OffcutsAreUsedBeforeBuyingAndFewerBarsWinBetweenEqualPlans) {
    std::mt19937 random(2085);
    int used = 0;
    for (int trial = 0; trial < 60; ++trial) {
        CutJob job;
        job.stock.push_back(StockRow(6000, {}, {}, 1));
        const int offcuts = 1 + static_cast<int>(random() % 2);
        for (int k = 0; k < offcuts; ++k) {
            StockRow row(1500 + 250 * static_cast<double>(random() % 7), 1.0 + random() % 2, 0.0, k + 2);
            row.offcut = true;
            job.stock.push_back(row);
        }
        const int lengths = 1 + static_cast<int>(random() % 3);
        int total = 0;
        for (int p = 0; p < lengths && total < 6; ++p) {
            const int count = 1 + static_cast<int>(random() % 2);
            job.pieces.push_back({400 + 100 * static_cast<double>(random() % 20), static_cast<double>(count), p + 1});
            total += count;
        }
        job.kerf = 3;
        const CutPlan plan = SolveCutJob(job);
        ASSERT_TRUE(plan.found) << trial << ": " << plan.message;
        EXPECT_EQ(CheckCutPlan(job, plan), "") << trial;
        const std::pair<int, int> best = ExhaustiveWithOffcuts(job);
        EXPECT_EQ(plan.value, best.first) << trial << "\n" << CutJobText(job) << CutPlanText(plan);
        EXPECT_EQ(plan.bars, best.second) << trial << "\n" << CutJobText(job) << CutPlanText(plan);
        EXPECT_LE(plan.bound, plan.value + 1e-9);
        for (const CutPattern& pattern : plan.patterns) used += pattern.fromOffcut;
    }
    EXPECT_GT(used, 10);
}

TEST(CutSolverOffcuts, AnOffcutThatHoldsThePiecesBuysNothing) {
    CutJob job;
    job.kilogramsPerMetre = 10;
    job.pricePerTonne = 4000;
    job.stock = {StockRow(6000, {}, {}, 1), StockRow(9000, {}, {}, 2), StockRow(2085, 1.0, 0.0, 3)};
    job.stock[2].offcut = true;
    job.pieces = {{1000, 2, 1}};
    const CutPlan plan = SolveCutJob(job);
    ASSERT_TRUE(plan.found);
    ASSERT_EQ(plan.patterns.size(), 1u);
    EXPECT_TRUE(plan.patterns[0].fromOffcut);
    EXPECT_EQ(plan.cost, 0);
    EXPECT_EQ(plan.boughtLength, 0);
    EXPECT_TRUE(plan.optimal);
}

}  // namespace
}  // namespace mw
