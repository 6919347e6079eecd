// Martello and Toth's bound: never above the least number of bars (found by trying every grouping
// of a few random pieces), never below the sizes-only bound, and above it where pieces longer than
// half a bar cannot share.
#include "cutplan/PackingBounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

namespace mw {
namespace {

int LeastBars(std::vector<std::int64_t> pieces, std::int64_t capacity) {
    std::sort(pieces.begin(), pieces.end(), std::greater<std::int64_t>());
    std::vector<std::int64_t> room;
    int best = static_cast<int>(pieces.size());
    std::function<void(std::size_t)> place = [&](std::size_t k) {
        if (static_cast<int>(room.size()) >= best) return;
        if (k == pieces.size()) {
            best = static_cast<int>(room.size());
            return;
        }
        for (std::size_t b = 0; b < room.size(); ++b) {  // by index: deeper steps add bars
            if (room[b] < pieces[k]) continue;
            room[b] -= pieces[k];
            place(k + 1);
            room[b] += pieces[k];
        }
        room.push_back(capacity - pieces[k]);
        place(k + 1);
        room.pop_back();
    };
    place(0);
    return best;
}

TEST(MartelloTothBound, NeverAboveTheLeastBarsNorBelowTheSizes) {
    std::mt19937 random(7);
    int above = 0;
    for (int trial = 0; trial < 400; ++trial) {
        const std::int64_t capacity = 10 + random() % 30;
        std::vector<std::int64_t> pieces(1 + random() % 9);
        std::vector<PackItem> items;
        std::int64_t total = 0;
        for (std::int64_t& p : pieces) {
            p = 1 + random() % capacity;
            total += p;
            auto same = std::find_if(items.begin(), items.end(), [&](const PackItem& i) { return i.size == p; });
            if (same != items.end()) ++same->demand;
            else items.push_back({p, 1});
        }
        const long long bound = MartelloTothBound(items, capacity);
        const long long sizes = (total + capacity - 1) / capacity;
        ASSERT_LE(bound, LeastBars(pieces, capacity)) << "trial " << trial;
        ASSERT_GE(bound, sizes) << "trial " << trial;
        above += bound > sizes;
    }
    EXPECT_GT(above, 10);  // the trials do reach the cases where it is stronger
}

TEST(MartelloTothBound, PiecesThatCannotShare) {
    EXPECT_EQ(MartelloTothBound({{60, 3}}, 100), 3);                // sizes alone: 2
    EXPECT_EQ(MartelloTothBound({{70, 2}, {40, 3}}, 100), 4);       // no 40 fits beside a 70; sizes: 3
    EXPECT_EQ(MartelloTothBound({{51, 2}, {30, 2}, {10, 1}}, 100), 2);
    EXPECT_EQ(MartelloTothBound({{50, 4}}, 100), 2);                // exactly half a bar shares
    EXPECT_EQ(MartelloTothBound({{101, 1}}, 100), 0);               // does not fit: no bound
    EXPECT_EQ(MartelloTothBound({}, 100), 0);
    EXPECT_EQ(MartelloTothBound({{40, 0}, {30, 1}}, 100), 1);       // counts of zero left out
}

}  // namespace
}  // namespace mw

namespace mw {
namespace {

TEST(PackingBounds, ADualBoundIsScaledDownUntilNoBarIsWorthMoreThanItCosts) {
    // A bar priced a hair above its cost by the simplex's tolerance: the bound comes down by as much.
    EXPECT_DOUBLE_EQ(ScaledDualBound(10, {1e-6, 1}, {1.0001e-6, 0.5}), 10 / 1.0001);
    EXPECT_DOUBLE_EQ(ScaledDualBound(10, {1, 2}, {1, 2}), 10);  // every bar at its cost: as it is
    EXPECT_EQ(ScaledDualBound(10, {0}, {0.5}), 0);               // a free bar worth something: nothing proven
}

TEST(PackingBounds, TheSizeBoundPricesEveryPieceAtTheCheapestRate) {
    PackProblem problem;
    problem.items = {{300, 2}, {200, 1}};
    problem.stock = {{1000, -1, 10}, {500, 2, 4}};  // 1 a unit against 0.8: the shorter is cheaper
    EXPECT_DOUBLE_EQ(SizeBound(problem), 800 * 4.0 / 500);
}

}  // namespace
}  // namespace mw
