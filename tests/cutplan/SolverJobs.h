// A cutting job for a solver test in one line: stock and pieces numbered as the job's rows would
// be, so that messages and plans name the lines a user would see.
#pragma once

#include "cutplan/CutJob.h"

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

}  // namespace mw
