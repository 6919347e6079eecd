// The cutting-stock problem on an integer grid: piece sizes and bar capacities in grid units
// (kerf already added to both), the least-cost set of bars that holds every piece.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

namespace mw {

struct PackItem {
    std::int64_t size = 0;
    int demand = 0;
};

struct PackStock {
    std::int64_t capacity = 0;
    int count = -1;  // bars on hand; -1 for as many as needed
    double cost = 1;
};

struct PackProblem {
    std::vector<PackItem> items;
    std::vector<PackStock> stock;
};

// `times` bars of stock `stock`, each cut into counts[i] pieces of item i.
struct PackPattern {
    int stock = 0;
    int times = 0;
    std::vector<int> counts;
};

struct PackPlan {
    bool found = false;  // false when no plan fits the stock on hand (or none was reached)
    std::vector<PackPattern> patterns;
    double cost = 0;
    long long bars = 0;
};

struct PackControl {
    const std::atomic<bool>* cancel = nullptr;
    // Called from the solving thread whenever a better plan is found: the share of the work
    // done (0 … 1) and the best plan so far.
    std::function<void(double, const PackPlan&)> progress;
    double seconds = 10;  // wall-clock budget; the best plan found by then is returned
};

// Where a bound comes from. Each is at most the rounded-up linear programme's, so a plan that meets
// any of them meets that too (and is optimal).
enum class PackBoundSource {
    Sizes,         // the pieces' total length at the cheapest rate
    MartelloToth,  // the sizes with the pieces that need bars of their own (one stock length)
    Farley,        // the duals of a programme not solved to the end, scaled to price every pattern
    Programme,     // the rounded-up linear programme, proven
};

struct PackOutcome {
    PackPlan plan;
    double bound = 0;        // no plan costs less
    bool lpBound = false;    // the bound is the rounded-up linear programme's, proven
    PackBoundSource boundSource = PackBoundSource::Sizes;
    bool infeasible = false; // proven: the stock on hand cannot hold the pieces
    bool stopped = false;    // cancelled or out of time before the search ended
};

// First-fit decreasing, the yardstick: pieces largest first, each into the first bar it fits.
PackPlan FirstFitDecreasing(const PackProblem& problem);

PackOutcome SolvePacking(const PackProblem& problem, const PackControl& control = {});

}  // namespace mw
