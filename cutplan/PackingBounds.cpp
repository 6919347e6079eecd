// Martello and Toth's bound holds against the linear programme over patterns: for a threshold K, prices of 1 for
// pieces longer than C−K, size/C for the others from K up, 0 below K price no pattern above 1
// (a piece longer than C−K shares a bar only with pieces shorter than K), nor do prices of 1 for
// every piece longer than half a bar and 0 for the rest; the programme is at least either sum.
#include "cutplan/PackingBounds.h"

#include <algorithm>
#include <cmath>

namespace mw {

double SizeBound(const PackProblem& problem) {
    double perUnit = HUGE_VAL;
    for (const PackStock& s : problem.stock) perUnit = std::min(perUnit, s.cost / s.capacity);
    double total = 0;
    for (const PackItem& item : problem.items) total += static_cast<double>(item.size) * item.demand;
    return perUnit == HUGE_VAL ? 0 : total * perUnit;
}

long long MartelloTothBound(const std::vector<PackItem>& items, std::int64_t capacity) {
    if (capacity <= 0) return 0;
    std::vector<std::pair<std::int64_t, long long>> pieces;  // size, count; shortest first
    for (const PackItem& item : items) {
        if (item.demand <= 0) continue;
        if (item.size > capacity || item.size <= 0) return 0;
        pieces.push_back({item.size, item.demand});
    }
    std::sort(pieces.begin(), pieces.end());
    // Sums over the shortest pieces up to each place, so that each threshold costs two searches,
    // not a pass over every length: counts, lengths, and room beside each piece.
    const std::size_t n = pieces.size();
    std::vector<long long> count(n + 1, 0);
    std::vector<long double> length(n + 1, 0), room(n + 1, 0);
    for (std::size_t k = 0; k < n; ++k) {
        count[k + 1] = count[k] + pieces[k].second;
        length[k + 1] = length[k] + static_cast<long double>(pieces[k].first) * pieces[k].second;
        room[k + 1] = room[k] + static_cast<long double>(capacity - pieces[k].first) * pieces[k].second;
    }
    // The first place whose size is above `size`.
    auto above = [&](std::int64_t size) {
        return static_cast<std::size_t>(
            std::upper_bound(pieces.begin(), pieces.end(), std::make_pair(size, 0x7fffffffffffffffLL)) - pieces.begin());
    };
    const std::size_t half = above(capacity / 2);  // from here on, longer than half a bar
    // Thresholds: 0 and each size up to half a bar; the bound changes only there.
    std::vector<std::int64_t> thresholds{0};
    for (std::size_t k = 0; k < half; ++k) thresholds.push_back(pieces[k].first);
    long long best = 0;
    for (std::int64_t k : thresholds) {
        const std::size_t own = std::max(half, above(capacity - k));  // longer than C−K: a bar alone
        const std::size_t from = static_cast<std::size_t>(
            std::lower_bound(pieces.begin(), pieces.end(), std::make_pair(k, 0LL)) - pieces.begin());
        // Pieces longer than half a bar all need a bar each; the room beside those not longer
        // than C−K takes what it can of the pieces from K to half a bar.
        long long bound = count[n] - count[half];
        const long double roomLeft = room[own] - room[half];
        const long double rest = length[half] - length[std::min(from, half)];
        // Sums of whole numbers, exact in a long double up to 2⁶⁴.
        if (rest > roomLeft) bound += static_cast<long long>(std::ceil((rest - roomLeft) / capacity));
        best = std::max(best, bound);
    }
    return best;
}

double DualBound(const std::vector<double>& y, const std::vector<double>& rhs) {
    double dual = 0;
    for (std::size_t r = 0; r < rhs.size() && r < y.size(); ++r) dual += rhs[r] * y[r];
    return dual;
}

double ScaledDualBound(double dual, const std::vector<double>& costs, const std::vector<double>& worth) {
    double most = 1;
    for (std::size_t k = 0; k < costs.size(); ++k) {
        if (worth[k] <= costs[k]) continue;
        if (costs[k] <= 0) return 0;
        most = std::max(most, worth[k] / costs[k]);
    }
    return dual / most;
}

double FarleyBound(const std::vector<double>& y, const std::vector<int>& demand, const std::vector<double>& costs,
                   const std::vector<double>& worth) {
    double ratio = 0, dual = 0;
    for (std::size_t k = 0; k < costs.size(); ++k) ratio = std::max(ratio, worth[k] / costs[k]);
    for (std::size_t i = 0; i < demand.size(); ++i) dual += demand[i] * y[i];
    return ratio > 0 ? dual / std::max(1.0, ratio) : 0.0;
}

}  // namespace mw
