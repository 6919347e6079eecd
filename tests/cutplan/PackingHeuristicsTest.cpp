// The greedy plans: first fit by its tree finds the bar a scan from the first bar would, best fit
// the fullest; the plans built without a count per bar are the plans built with one.
#include "cutplan/PackingHeuristics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace mw {
namespace {

// First-fit decreasing as it reads: every bar scanned from the first.
long long ScannedFirstFit(const PackProblem& problem) {
    std::vector<std::int64_t> pieces;
    for (const PackItem& item : problem.items) pieces.insert(pieces.end(), item.demand, item.size);
    std::stable_sort(pieces.begin(), pieces.end(), std::greater<std::int64_t>());
    std::vector<std::int64_t> room;
    for (std::int64_t piece : pieces) {
        auto bar = std::find_if(room.begin(), room.end(), [&](std::int64_t r) { return r >= piece; });
        if (bar == room.end()) room.push_back(problem.stock[0].capacity - piece);
        else *bar -= piece;
    }
    return static_cast<long long>(room.size());
}

TEST(PackingHeuristics, FirstFitByItsTreeIsFirstFitAndTheSparsePlanIsTheSame) {
    std::mt19937 random(33);
    for (int round = 0; round < 200; ++round) {
        PackProblem problem;
        const std::int64_t capacity = 50 + random() % 500;
        problem.stock.push_back({capacity, -1, 1.0});
        const int lengths = 1 + static_cast<int>(random() % 30);
        for (int k = 0; k < lengths; ++k)
            problem.items.push_back({1 + static_cast<std::int64_t>(random() % capacity), 1 + static_cast<int>(random() % 4)});
        const PackPlan first = FirstFitDecreasing(problem);
        ASSERT_TRUE(first.found);
        EXPECT_EQ(first.bars, ScannedFirstFit(problem)) << "round " << round;

        std::vector<int> demand, left{-1};
        for (const PackItem& item : problem.items) demand.push_back(item.demand);
        std::vector<PackBar> bars;
        ASSERT_TRUE(GreedyBest(problem, demand, left, bars));
        const PackPlan dense = PlanOf(problem, bars);
        const PackPlan sparse = GreedyPlan(problem, demand, left);
        ASSERT_EQ(sparse.patterns.size(), dense.patterns.size()) << "round " << round;
        for (std::size_t p = 0; p < dense.patterns.size(); ++p) {
            EXPECT_EQ(sparse.patterns[p].times, dense.patterns[p].times);
            EXPECT_EQ(sparse.patterns[p].counts, dense.patterns[p].counts);
        }
        EXPECT_EQ(sparse.bars, dense.bars);
        EXPECT_LE(dense.bars, first.bars);
    }
}

// GreedyBest keeps the bars already in `out` and adds the cheaper of the two passes, first fit
// when both cost the same; GreedyPlan packs the same bars at the same cost.
TEST(PackingHeuristics, GreedyBestAddsTheCheaperPassAndFirstFitOnATie) {
    std::mt19937 random(71);
    int bestFitCheaper = 0, tiesThatDiffer = 0;
    for (int round = 0; round < 300; ++round) {
        PackProblem problem;
        problem.stock.push_back({100, -1, 1.0});
        if (round % 2) problem.stock.push_back({60 + static_cast<std::int64_t>(random() % 80), -1, 0.5 + 0.1 * (random() % 8)});
        const int lengths = 1 + static_cast<int>(random() % 12);
        for (int k = 0; k < lengths; ++k)
            problem.items.push_back({5 + static_cast<std::int64_t>(random() % 56), 1 + static_cast<int>(random() % 5)});
        std::vector<int> demand, left(problem.stock.size(), -1);
        for (const PackItem& item : problem.items) demand.push_back(item.demand);
        std::vector<PackBar> first, best;
        ASSERT_TRUE(Greedy(problem, demand, left, false, first));
        ASSERT_TRUE(Greedy(problem, demand, left, true, best));
        const bool firstFit = CostOf(problem, first) <= CostOf(problem, best) + 1e-9;
        if (!firstFit) ++bestFitCheaper;
        if (firstFit && CostOf(problem, first) >= CostOf(problem, best) - 1e-9 && first != best)
            ++tiesThatDiffer;
        const std::vector<PackBar>& cheaper = firstFit ? first : best;

        const PackBar before{0, std::vector<int>(problem.items.size(), 0)};
        std::vector<PackBar> out{before};
        ASSERT_TRUE(GreedyBest(problem, demand, left, out));
        ASSERT_EQ(out.size(), cheaper.size() + 1) << "round " << round;
        EXPECT_EQ(out[0], before);
        EXPECT_TRUE(std::equal(cheaper.begin(), cheaper.end(), out.begin() + 1)) << "round " << round;

        const PackPlan dense = PlanOf(problem, cheaper);
        const PackPlan sparse = GreedyPlan(problem, demand, left);
        EXPECT_EQ(sparse.cost, dense.cost) << "round " << round;
        EXPECT_EQ(sparse.bars, dense.bars) << "round " << round;
    }
    EXPECT_GT(bestFitCheaper, 0);
    EXPECT_GT(tiesThatDiffer, 0);
}

// Patterns given in any order make the plan PlanOf makes of their bars: by stock, then contents,
// with every bar and its cost counted.
TEST(PackingHeuristics, PlanOfPatternsIsThePlanOfTheirBars) {
    PackProblem problem;
    problem.stock.push_back({100, -1, 1.0});
    problem.stock.push_back({70, -1, 0.75});
    problem.items.push_back({40, 5});
    problem.items.push_back({30, 6});
    const std::vector<PackPattern> patterns{{1, 2, {1, 1}}, {0, 1, {1, 2}}, {1, 1, {0, 2}}, {0, 2, {2, 0}}};
    std::vector<PackBar> bars;
    for (const PackPattern& p : patterns)
        for (int t = 0; t < p.times; ++t) bars.emplace_back(p.stock, p.counts);
    const PackPlan plan = PlanOfPatterns(problem, patterns);
    const PackPlan dense = PlanOf(problem, bars);
    EXPECT_TRUE(plan.found);
    EXPECT_EQ(plan.bars, 6);
    EXPECT_DOUBLE_EQ(plan.cost, 3 * 1.0 + 3 * 0.75);
    ASSERT_EQ(plan.patterns.size(), 4u);
    const std::vector<std::pair<int, std::vector<int>>> order{{0, {1, 2}}, {0, {2, 0}}, {1, {0, 2}}, {1, {1, 1}}};
    for (std::size_t k = 0; k < order.size(); ++k) {
        EXPECT_EQ(plan.patterns[k].stock, order[k].first) << k;
        EXPECT_EQ(plan.patterns[k].counts, order[k].second) << k;
        EXPECT_EQ(plan.patterns[k].stock, dense.patterns[k].stock) << k;
        EXPECT_EQ(plan.patterns[k].times, dense.patterns[k].times) << k;
        EXPECT_EQ(plan.patterns[k].counts, dense.patterns[k].counts) << k;
    }
    EXPECT_EQ(plan.cost, dense.cost);
    EXPECT_EQ(plan.bars, dense.bars);
}

TEST(PackingHeuristics, StockRunningOutGivesNoPlan) {
    PackProblem problem;
    problem.stock.push_back({100, 2, 1.0});
    problem.items.push_back({60, 3});
    EXPECT_FALSE(FirstFitDecreasing(problem).found);
    EXPECT_FALSE(GreedyPlan(problem, {3}, {2}).found);
    problem.stock[0].count = 3;
    EXPECT_EQ(FirstFitDecreasing(problem).bars, 3);
}

}  // namespace
}  // namespace mw
