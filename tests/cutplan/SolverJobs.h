// A cutting job for a solver test in one line: stock and pieces numbered as the job's rows would
// be, so that messages and plans name the lines a user would see.
#pragma once

#include "cutplan/CutJob.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

namespace mw {

// Pieces are (length, count) pairs.
inline CutJob Job(std::vector<StockRow> stock, std::vector<std::pair<double, double>> pieces,
                  double kerf = 0, double trim = 0) {
    CutJob job;
    int line = 0;
    for (StockRow& row : stock) row.line = ++line;
    job.stock = std::move(stock);
    line = 0;
    for (const auto& [length, count] : pieces) job.pieces.push_back({length, count, ++line});
    job.kerf = kerf;
    job.trim = trim;
    return job;
}

// The least a cutting of the job can be worth, by trying every grouping of its pieces into bars and
// every stock row for each bar, within the bars on hand. A cutting is worth the sum of
// `barValue(row)` over its bars; values are never below `Value{}` and sum with +, compare with <.
template <class Value, class BarValue>
Value LeastCutting(const CutJob& job, Value worst, BarValue barValue) {
    std::vector<double> pieces;
    for (const PieceRow& row : job.pieces) pieces.insert(pieces.end(), static_cast<int>(row.count), row.length);
    std::sort(pieces.begin(), pieces.end(), std::greater<double>());
    std::vector<std::vector<double>> groups;
    Value best = worst;
    std::function<void(std::size_t, std::vector<int>&, Value)> assign = [&](std::size_t g, std::vector<int>& used,
                                                                            Value sum) {
        if (!(sum < best)) return;
        if (g == groups.size()) {
            best = sum;
            return;
        }
        double length = job.kerf * (groups[g].size() - 1);
        for (double p : groups[g]) length += p;
        for (std::size_t t = 0; t < job.stock.size(); ++t) {
            const StockRow& row = job.stock[t];
            if (length > row.length - job.trim + 1e-9 || (row.count && used[t] >= *row.count)) continue;
            ++used[t];
            assign(g + 1, used, sum + barValue(row));
            --used[t];
        }
    };
    std::function<void(std::size_t)> place = [&](std::size_t k) {
        if (k == pieces.size()) {
            std::vector<int> used(job.stock.size(), 0);
            assign(0, used, Value{});
            return;
        }
        for (std::size_t g = 0; g < groups.size(); ++g) {
            groups[g].push_back(pieces[k]);
            place(k + 1);
            groups[g].pop_back();
        }
        groups.push_back({pieces[k]});
        place(k + 1);
        groups.pop_back();
    };
    place(0);
    return best;
}

}  // namespace mw
