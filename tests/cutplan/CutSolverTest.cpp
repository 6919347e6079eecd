// The cutting plan's solver: against exhaustive search on small random jobs, and the rules of a
// cut (kerf, the bar's end, trim, several lengths and prices, bars on hand, the bound).
#include "cutplan/CutSolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>
#include <random>

#include "tests/cutplan/SolverJobs.h"

namespace mw {
namespace {

// Solves and checks the plan as every test must: each piece placed its count, no bar overfull,
// no more bars than on hand, the bound never above the plan.
CutPlan Solved(const CutJob& job) {
    const CutPlan plan = SolveCutJob(job);
    EXPECT_TRUE(plan.found) << plan.message;
    EXPECT_EQ(CheckCutPlan(job, plan), "");
    EXPECT_LE(plan.bound, plan.value + 1e-6);
    return plan;
}

// The least cost of any plan, by trying every grouping of the pieces and every stock for each
// group. Cost as the solver measures: bars with one stock length, else prices, else length.
double Exhaustive(const CutJob& job) {
    bool priced = false;
    for (const StockRow& row : job.stock) priced = priced || row.price;
    return LeastCutting(job, HUGE_VAL, [&](const StockRow& row) {
        return job.stock.size() == 1 ? 1.0 : priced ? *row.price : row.length;
    });
}

TEST(CutSolverExhaustive, SmallRandomJobsReachTheOptimumAndTheBoundStaysBelowIt) {
    std::mt19937 random(20261209);
    for (int round = 0; round < 150; ++round) {
        const int kinds = 1 + static_cast<int>(random() % 3);
        std::vector<StockRow> stock;
        const bool priced = kinds > 1 && random() % 2;
        for (int t = 0; t < kinds; ++t) {
            StockRow row;
            row.length = 1000.0 * (3 + random() % 10);
            if (random() % 4 == 0) row.count = 1 + random() % 3;
            if (priced) row.price = 10 + random() % 90;
            stock.push_back(row);
        }
        double longest = 0;
        for (const StockRow& row : stock) longest = std::max(longest, row.length);
        std::vector<std::pair<double, double>> pieces;
        int total = 0;
        while (total < 6) {
            const int count = 1 + static_cast<int>(random() % 2);
            pieces.emplace_back(100.0 * (1 + random() % static_cast<int>(longest / 100 - 1)), count);
            total += count;
        }
        const double kerf = random() % 2 ? 0.0 : 5.0;
        CutJob job = Job(stock, pieces, kerf, random() % 3 == 0 ? 20.0 : 0.0);
        // Always enough stock for the check to pass: the first length unlimited.
        job.stock[0].count.reset();
        job.stock[0].length = std::max(job.stock[0].length, longest);
        if (!CheckCutJob(job).empty()) continue;
        const double optimum = Exhaustive(job);
        const CutPlan plan = Solved(job);
        EXPECT_NEAR(plan.value, optimum, 1e-6) << "round " << round << "\n" << CutJobText(job);
        EXPECT_LE(plan.bound, optimum + 1e-6) << "round " << round << "\n" << CutJobText(job);
    }
}

TEST(CutSolverExhaustive, HundredthsAndBarsOnHandReachTheOptimumOrAreProvenTooFew) {
    // Lengths in hundredths, kerf in hundredths, every stock length counted: the plan is the
    // least, or the job truly cannot be cut from the bars on hand.
    std::mt19937 random(3312);
    int refused = 0, planned = 0;
    for (int round = 0; round < 120; ++round) {
        const int kinds = 1 + static_cast<int>(random() % 2);
        std::vector<StockRow> stock;
        for (int t = 0; t < kinds; ++t) {
            StockRow row;
            row.length = (100000 + static_cast<int>(random() % 200000)) / 100.0;  // 1000.00 … 2999.99
            row.count = 1 + random() % 3;
            stock.push_back(row);
        }
        std::vector<std::pair<double, double>> pieces;
        int total = 0;
        while (total < 6) {
            const int count = 1 + static_cast<int>(random() % 2);
            pieces.emplace_back((2000 + static_cast<int>(random() % 98000)) / 100.0, count);  // 20.00 … 999.99
            total += count;
        }
        const double kerf = random() % 2 ? 0.0 : (random() % 500) / 100.0;
        const CutJob job = Job(stock, pieces, kerf, random() % 3 == 0 ? 1.25 : 0.0);
        if (!CheckCutJob(job).empty()) continue;
        const double optimum = Exhaustive(job);
        const CutPlan plan = SolveCutJob(job);
        if (optimum == HUGE_VAL) {
            // Proven too few: what they can cut, the rest listed short.
            ++refused;
            ASSERT_TRUE(plan.found) << "round " << round << "\n" << CutJobText(job);
            EXPECT_FALSE(plan.shortPieces.empty()) << "round " << round;
            EXPECT_EQ(CheckCutPlan(job, plan), "") << "round " << round;
            continue;
        }
        ++planned;
        ASSERT_TRUE(plan.found) << plan.message << " round " << round << "\n" << CutJobText(job);
        EXPECT_EQ(CheckCutPlan(job, plan), "");
        EXPECT_NEAR(plan.value, optimum, 1e-6) << "round " << round << "\n" << CutJobText(job);
        EXPECT_LE(plan.bound, optimum + 1e-6) << "round " << round << "\n" << CutJobText(job);
        EXPECT_EQ(plan.optimal, plan.value <= plan.bound + 1e-9);
    }
    EXPECT_GT(refused, 5);
    EXPECT_GT(planned, 30);
}

TEST(CutSolverRules, KerfIsNotNeededAfterAPieceThatEndsAtTheBarsEnd) {
    // Three pieces of 1998 and two cuts of 3 fill 6000 exactly: one bar.
    CutPlan plan = Solved(Job({{6000}}, {{1998, 3}}, 3));
    EXPECT_EQ(plan.bars, 1);
    ASSERT_EQ(plan.patterns.size(), 1u);
    EXPECT_EQ(plan.patterns[0].offcut, 0);
    // One more millimetre and the third piece needs a bar of its own.
    plan = Solved(Job({{6000}}, {{1999, 3}}, 3));
    EXPECT_EQ(plan.bars, 2);
    // Two pieces of 2000 with kerf 3: the offcut is what follows the second cut.
    plan = Solved(Job({{6000}}, {{2000, 2}}, 3));
    ASSERT_EQ(plan.patterns.size(), 1u);
    EXPECT_DOUBLE_EQ(plan.patterns[0].offcut, 6000 - 4000 - 6);
    // A remainder shorter than a kerf is no offcut.
    plan = Solved(Job({{6000}}, {{2998, 2}}, 3));
    EXPECT_EQ(plan.bars, 1);
    EXPECT_EQ(plan.patterns[0].offcut, 0);
}

TEST(CutSolverRules, TrimIsTakenOnceFromEachBar) {
    // 10 mm of trim in all: 3 × 1990 fits 5980 with no kerf, 3 × 1997 does not.
    EXPECT_EQ(Solved(Job({{6000}}, {{1990, 3}}, 0, 10)).bars, 1);
    EXPECT_EQ(Solved(Job({{6000}}, {{1997, 3}}, 0, 10)).bars, 2);
    EXPECT_EQ(Solved(Job({{6000}}, {{1996.6, 3}}, 0, 10.2)).bars, 1);  // 5989.8 of 5989.8
    EXPECT_EQ(Solved(Job({{6000}}, {{1996.6, 3}}, 0, 10.3)).bars, 2);
}

TEST(CutSolverRules, DecimalLengthsAreCutExactly) {
    // 2 × 2999.96 + 0.1 is 6000.02: a grid that rounded the piece down would fit it in one bar.
    EXPECT_EQ(Solved(Job({{6000}}, {{2999.96, 2}}, 0.1)).bars, 2);
    EXPECT_EQ(Solved(Job({{6000}}, {{2999.9, 2}}, 0.2)).bars, 1);
    EXPECT_EQ(Solved(Job({{6000}}, {{2999.9, 2}}, 0.3)).bars, 2);
}

TEST(CutSolverStock, SeveralLengthsBuyTheLeastLengthWithoutPrices) {
    // 4 × 2900: one bar of 12000 holds them all.
    CutPlan plan = Solved(Job({{6000}, {12000}}, {{2900, 4}}));
    EXPECT_EQ(plan.measure, PlanMeasure::Millimetres);
    EXPECT_EQ(plan.boughtLength, 12000);
    EXPECT_EQ(plan.bars, 1);
    // 5 × 2900: 12000 + 6000 = 18000, the least.
    plan = Solved(Job({{6000}, {9000}, {12000}}, {{2900, 5}}));
    EXPECT_EQ(plan.boughtLength, 15000);  // 9000 (3) + 6000 (2)
    EXPECT_TRUE(plan.optimal);
}

TEST(CutSolverStock, PricesDecideWhenTheyDiffer) {
    StockRow cheapLong{12000}, dearShort{6000};
    cheapLong.price = 100;
    dearShort.price = 80;
    // Two pieces of 5000: one long bar (100) beats two short ones (160).
    CutPlan plan = Solved(Job({dearShort, cheapLong}, {{5000, 2}}));
    EXPECT_EQ(plan.measure, PlanMeasure::Yuan);
    EXPECT_DOUBLE_EQ(plan.cost, 100);
    EXPECT_EQ(plan.perStock[1].bars, 1);
    // Short bars at 40: two of them (80) beat the long one.
    dearShort.price = 40;
    plan = Solved(Job({dearShort, cheapLong}, {{5000, 2}}));
    EXPECT_DOUBLE_EQ(plan.cost, 80);
    EXPECT_EQ(plan.perStock[0].bars, 2);
}

TEST(CutSolverStock, BarsOnHandAreNeverExceededAndTooFewAreSaid) {
    StockRow few{6000};
    few.count = 1;
    CutPlan plan = Solved(Job({few, {12000}}, {{2900, 6}}));
    EXPECT_LE(plan.perStock[0].bars, 1);
    // Only two bars on hand for pieces that need three.
    few.count = 2;
    const CutJob job = Job({few}, {{4000, 3}});
    plan = SolveCutJob(job);
    ASSERT_TRUE(plan.found);
    EXPECT_EQ(plan.bars, 2);
    ASSERT_EQ(plan.shortPieces.size(), 1u);
    EXPECT_EQ(plan.shortPieces[0].length, 4000);
    EXPECT_EQ(plan.shortPieces[0].count, 1);
}

TEST(CutSolverBound, TheBoundIsTheRoundedUpProgrammeAndOptimalWhenMet) {
    // Three pieces of 600: their length alone says 2 bars, the programme says 3.
    CutPlan plan = Solved(Job({{1000}}, {{600, 3}}));
    EXPECT_EQ(plan.bars, 3);
    EXPECT_EQ(plan.bound, 3);
    EXPECT_TRUE(plan.optimal);
    // Halves and thirds: the programme's value is 2.5 (a bar of two halves, bars of a half and
    // a third…), rounded up to 3, which the plan meets.
    plan = Solved(Job({{1000}}, {{500, 3}, {330, 3}}));
    EXPECT_EQ(plan.bars, 3);
    EXPECT_EQ(plan.bound, 3);
    EXPECT_NE(CutPlanText(plan).find("bound 3\n"), std::string::npos);
}

TEST(CutSolverPatterns, BarsCutAlikeShareOnePattern) {
    // Four pieces over two bars: two of each, not one and three.
    CutPlan plan = Solved(Job({{6000}}, {{2000, 4}}));
    EXPECT_EQ(plan.bars, 2);
    ASSERT_EQ(plan.patterns.size(), 1u);
    EXPECT_EQ(plan.patterns[0].times, 2);
    EXPECT_EQ(plan.patterns[0].pieces, (std::vector<double>{2000, 2000}));
}

TEST(CutSolverBound, NeverAboveThePlanOnAFineGrid) {
    // Lengths on a tenth of a millimetre, whole costs of that grid: the programme's rounding
    // once put the bound a grid step above the plan.
    const CutPlan plan = Solved(Job({{6101, 4}, {32250.2}}, {{800, 7}}));
    EXPECT_EQ(plan.value, 6101);
    EXPECT_EQ(plan.bound, 6101);
    EXPECT_TRUE(plan.optimal);
}

TEST(CutSolverTotals, WeightsWasteCostAndReusableOffcuts) {
    CutJob job = Job({{6000}}, {{2500, 2}, {1000, 1}}, 0, 0);
    job.kilogramsPerMetre = 2.5;
    job.pricePerTonne = 4000;
    job.reusableLength = 500;
    const CutPlan plan = Solved(job);
    ASSERT_EQ(plan.bars, 1);
    EXPECT_DOUBLE_EQ(plan.boughtKilograms, 15);
    EXPECT_DOUBLE_EQ(plan.usedKilograms, 15);
    EXPECT_DOUBLE_EQ(plan.wastePercent, 0);
    EXPECT_DOUBLE_EQ(plan.cost, 15.0 / 1000 * 4000);
    EXPECT_TRUE(plan.reusableOffcuts.empty());

    job.pieces = {{2500, 2, 1}};
    const CutPlan offcut = Solved(job);
    ASSERT_EQ(offcut.reusableOffcuts.size(), 1u);
    EXPECT_EQ(offcut.reusableOffcuts[0], (std::pair<double, long long>(1000, 1)));
    EXPECT_NEAR(offcut.wastePercent, 100.0 / 6, 1e-9);
}

TEST(CutSolverControl, ACancelledSolveEndsAtOnceWithWhatItHas) {
    CutJob job = Job({{6000}}, {});
    for (int k = 0; k < 50; ++k) job.pieces.push_back({301.0 + 37 * k, 20, k + 1});
    std::atomic<bool> cancel{true};
    PackControl control;
    control.cancel = &cancel;
    const CutPlan plan = SolveCutJob(job, control);
    EXPECT_TRUE(plan.stopped || plan.optimal);
    if (plan.found) {
        EXPECT_EQ(CheckCutPlan(job, plan), "");
    }
}

TEST(CutSolverControl, ThousandPiecesInFiftyLengthsIsSoundAndDeterministic) {
    CutJob job = Job({{6000}, {9000}, {12000}}, {}, 3, 10);
    for (int k = 0; k < 50; ++k) job.pieces.push_back({250.0 + 97 * k, 20, k + 1});
    const CutPlan first = Solved(job);
    const CutPlan second = SolveCutJob(job);
    EXPECT_EQ(CutPlanText(first), CutPlanText(second));
}

}  // namespace
}  // namespace mw
