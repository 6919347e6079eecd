// The cutting-stock problem on an integer grid: piece sizes and bar capacities in grid units
// (kerf already added to both), and the plans that answer it.
#pragma once

#include <cstdint>
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

// Where a bound comes from. Each is at most the rounded-up linear programme's, so a plan that meets
// any of them meets that too (and is optimal).
enum class PackBoundSource {
    Sizes,         // the pieces' total length at the cheapest rate
    MartelloToth,  // the sizes with the pieces that need bars of their own (one stock length)
    Farley,        // the duals of a programme not solved to the end, scaled to price every pattern
    Programme,     // the rounded-up linear programme, proven
};

}  // namespace mw
