// The cutting plan of a workshop-sized job: 1,000 pieces in 50 distinct lengths, from one stock
// length and from three (the window's budget is what a user waits for).
#include <benchmark/benchmark.h>

#include "cutplan/CutSolver.h"

namespace mw {
namespace {

CutJob ThousandPieces(std::vector<double> stock) {
    CutJob job;
    for (double length : stock) job.stock.push_back(StockRow(length));
    job.kerf = 3;
    job.trim = 10;
    // Lengths from 312 to 5,212 mm, 20 of each.
    for (int k = 0; k < 50; ++k) job.pieces.push_back({312.0 + 100 * k, 20, k + 1});
    return job;
}

void Plan(benchmark::State& state, const CutJob& job) {
    long long bars = 0, bound = 0;
    for (auto _ : state) {
        const CutPlan plan = SolveCutJob(job);
        bars = plan.bars;
        bound = static_cast<long long>(plan.bound + 0.5);
        benchmark::DoNotOptimize(bars);
    }
    state.counters["bars"] = static_cast<double>(bars);
    state.counters["bound"] = static_cast<double>(bound);
}

void BM_CutPlanThousandPiecesOneStockLength(benchmark::State& state) { Plan(state, ThousandPieces({12000})); }
void BM_CutPlanThousandPiecesThreeStockLengths(benchmark::State& state) {
    Plan(state, ThousandPieces({6000, 9000, 12000}));
}

BENCHMARK(BM_CutPlanThousandPiecesOneStockLength)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CutPlanThousandPiecesThreeStockLengths)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mw
