// The pricing knapsack against enumeration of every count vector, on the small-grid table, the
// coarse grid and the search.
#include "cutplan/Knapsack.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace mw {
namespace {

double BestByEnumeration(const std::vector<KnapsackItem>& items, std::int64_t capacity) {
    double best = 0;
    std::function<void(std::size_t, std::int64_t, double)> walk = [&](std::size_t i, std::int64_t room, double value) {
        if (i == items.size()) {
            best = std::max(best, value);
            return;
        }
        for (int k = 0; k <= items[i].bound && k * items[i].size <= room; ++k)
            walk(i + 1, room - k * items[i].size, value + k * std::max(0.0, items[i].value));
    };
    walk(0, capacity, 0);
    return best;
}

void ExpectSound(const std::vector<KnapsackItem>& items, std::int64_t capacity, const KnapsackResult& result) {
    std::int64_t used = 0;
    double value = 0;
    ASSERT_EQ(result.counts.size(), items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_GE(result.counts[i], 0);
        EXPECT_LE(result.counts[i], items[i].bound);
        used += result.counts[i] * items[i].size;
        value += result.counts[i] * items[i].value;
    }
    EXPECT_LE(used, capacity);
    EXPECT_NEAR(value, result.value, 1e-9);
    EXPECT_GE(result.upper + 1e-9, result.value);
}

TEST(Knapsack, ExactAnswersMatchEnumerationOnSmallAndLargeGrids) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        // Small grids go by the table; sizes spread over a large grid with no common divisor send
        // the same job to the search.
        const std::int64_t scale = round % 2 ? 1 : 100003;
        std::vector<KnapsackItem> items;
        const int n = 1 + static_cast<int>(random() % 6);
        for (int i = 0; i < n; ++i) {
            const std::int64_t size = 1 + random() % 60;
            const double value = (static_cast<int>(random() % 100) - 10) / 37.0;  // a few worth nothing
            const std::int64_t jitter = scale > 1 ? static_cast<std::int64_t>(random() % 5) : 0;
            items.push_back({size * scale + jitter, 1 + static_cast<int>(random() % 4), value});
        }
        const std::vector<std::int64_t> capacities = {static_cast<std::int64_t>(50 + random() % 100) * scale,
                                                      static_cast<std::int64_t>(20 + random() % 40) * scale};
        const std::vector<KnapsackResult> results = SolveKnapsacks(items, capacities, true);
        ASSERT_EQ(results.size(), capacities.size());
        for (std::size_t k = 0; k < capacities.size(); ++k) {
            ExpectSound(items, capacities[k], results[k]);
            const double best = BestByEnumeration(items, capacities[k]);
            EXPECT_NEAR(results[k].value, best, 1e-9) << "round " << round;
            EXPECT_TRUE(results[k].Exact());
        }
    }
}

TEST(Knapsack, QuickAnswersFitAndTheirUpperBoundHolds) {
    std::mt19937 random(11);
    for (int round = 0; round < 50; ++round) {
        // Many sizes that share no divisor, on a grid far too large for a table.
        std::vector<KnapsackItem> items;
        for (int i = 0; i < 40; ++i)
            items.push_back({20011 + static_cast<std::int64_t>(random() % 15000), 1 + static_cast<int>(random() % 2),
                             0.2 + (random() % 1000) / 4000.0});
        const std::vector<std::int64_t> capacities = {100003};
        const KnapsackResult quick = SolveKnapsacks(items, capacities, false)[0];
        const KnapsackResult exact = SolveKnapsacks(items, capacities, true)[0];
        ExpectSound(items, capacities[0], quick);
        ExpectSound(items, capacities[0], exact);
        EXPECT_LE(quick.value, exact.value + 1e-9);
        EXPECT_GE(quick.upper + 1e-9, exact.value);
    }
}

// Every set by its pieces in item order: quick when only a few pieces fit a bar.
double BestByCombination(const std::vector<KnapsackItem>& items, std::int64_t capacity) {
    std::vector<int> used(items.size(), 0);
    double best = 0;
    std::function<void(std::size_t, std::int64_t, double)> add = [&](std::size_t from, std::int64_t room, double value) {
        best = std::max(best, value);
        for (std::size_t i = from; i < items.size(); ++i) {
            if (used[i] == items[i].bound || items[i].size > room || items[i].value <= 0) continue;
            ++used[i];
            add(i, room - items[i].size, value + items[i].value);
            --used[i];
        }
    };
    add(0, capacity, 0);
    return best;
}

TEST(Knapsack, FewPiecesABarOnAFineGridMatchEnumeration) {
    // Sizes a fifth to a third of the bar with no common divisor: too fine a grid for the table, too
    // many near-equal rates for a short search, the case of the sets worth more than every lighter one.
    std::mt19937 random(5);
    for (int round = 0; round < 4; ++round) {
        std::vector<KnapsackItem> items;
        for (int i = 0; i < 80; ++i) {
            const std::int64_t size = 20011 + static_cast<std::int64_t>(random() % 15000);
            items.push_back({size, 1 + static_cast<int>(random() % 3),
                             // equal rates in steps of a few per cent: the search's bound tells little
                             size / 100000.0 * (1 + (random() % 3) / 50.0)});
        }
        const std::vector<std::int64_t> capacities = {100003};
        const KnapsackResult exact = SolveKnapsacks(items, capacities, true)[0];
        ExpectSound(items, capacities[0], exact);
        EXPECT_NEAR(exact.value, BestByCombination(items, capacities[0]), 1e-9) << "round " << round;
        EXPECT_TRUE(exact.Exact());
        const std::vector<std::int64_t> two = {100003, 90001};
        const std::vector<KnapsackResult> both = SolveKnapsacks(items, two, true);
        for (std::size_t k = 0; k < two.size(); ++k) {
            ExpectSound(items, two[k], both[k]);
            EXPECT_NEAR(both[k].value, BestByCombination(items, two[k]), 1e-9) << "round " << round;
        }
    }
}

}  // namespace
}  // namespace mw
