// Lower bounds on the cost of a cutting-stock plan: from the sizes alone, and from the prices
// (duals) of the linear programme over patterns.
#pragma once

#include <cstdint>
#include <vector>

#include "cutplan/PackingTypes.h"

namespace mw {

// Every piece's length at the cheapest price per unit of length any stock offers.
double SizeBound(const PackProblem& problem);

// Martello and Toth's bound for pieces `items` (sizes and counts) in bars of `capacity`: for each
// threshold K up to half a bar, the pieces longer than C−K each need a bar of their own, as do
// those longer than half a bar, and the pieces from K to half a bar that do not fit the room those
// leave need bars at their total length. The largest over K; never below the sizes-only bound and
// never above the rounded-up linear programme's. 0 when a piece does not fit a bar.
long long MartelloTothBound(const std::vector<PackItem>& items, std::int64_t capacity);

// The dual bound: prices `y` of the rows (covering rows first, then the stock limits) that price
// every pattern at most its cost bound every plan by y·rhs, `rhs` the true counts of the rows.
double DualBound(const std::vector<double>& y, const std::vector<double>& rhs);

// The dual bound made proven when the prices may price some bar's best pattern above its cost (by
// a rounding hair, or by far): `dual` scaled down by the most any bar is worth against its cost
// (`worth[k]` the best pattern's value in a bar of cost `costs[k]`, its stock limit's price
// included); 0 when a bar of no cost is worth anything.
double ScaledDualBound(double dual, const std::vector<double>& costs, const std::vector<double>& worth);

// Farley's bound from prices `y` of the covering rows that may price some pattern above its cost:
// scaled down by the most any bar is worth at those prices against its cost (`worth[k]` the best
// pattern's value in a bar of cost `costs[k]`), they price every pattern within its cost.
double FarleyBound(const std::vector<double>& y, const std::vector<int>& demand, const std::vector<double>& costs,
                   const std::vector<double>& worth);

}  // namespace mw
