// The pricing step of the cutting plan's column generation: the most valuable set of pieces that
// fits one bar, each piece length at most its remaining count.
#pragma once

#include <cstdint>
#include <vector>

namespace mw {

// Items worth no more than this are left out of every knapsack: a bound built on the knapsacks' values
// adds what they could have brought (see PackingSearch::SafeDual).
inline constexpr double kKnapsackWorthless = 1e-9;

struct KnapsackItem {
    std::int64_t size = 0;  // grid units, kerf included
    int bound = 0;          // at most this many copies
    double value = 0;       // dual price; items worth nothing are left out
};

struct KnapsackResult {
    double value = 0;         // of `counts`, which always fit
    std::vector<int> counts;  // per item
    double upper = 0;         // no set that fits is worth more
    bool Exact() const { return upper <= value + 1e-12; }
};

// Solves the bounded knapsack for each capacity in `capacities` (one result per capacity).
// Small grids go by one dynamic programme over the grid. On a large grid a quick answer comes
// from a coarse grid (sizes rounded up for a set that fits, down for the upper bound) unless
// `exact` asks for the optimum, found on the full grid or, beyond that, by branch and bound.
// The work done (table cells, search nodes and states) is added to `work` when given. No table
// grows beyond a few tens of megabytes.
std::vector<KnapsackResult> SolveKnapsacks(const std::vector<KnapsackItem>& items,
                                           const std::vector<std::int64_t>& capacities, bool exact,
                                           long long* work = nullptr);

}  // namespace mw
