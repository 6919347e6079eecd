// From millimetres to the grid and back. The grid is 1 mm when every length of the job is whole,
// else 0.1 mm; a length between grid points is taken to the safe side (pieces and kerf up, the
// bar's usable length down), so a plan on the grid always cuts from the real bar.
#include "cutplan/CutSolver.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace mw {

namespace {

bool WholeMillimetres(const CutJob& job) {
    auto whole = [](double v) { return std::fabs(v - std::round(v)) < 1e-9; };
    if (!whole(job.kerf) || !whole(job.trim)) return false;
    for (const StockRow& row : job.stock)
        if (!whole(row.length)) return false;
    for (const PieceRow& row : job.pieces)
        if (!whole(row.length)) return false;
    return true;
}

std::int64_t Up(double mm, double scale) { return static_cast<std::int64_t>(std::ceil(mm * scale - 1e-6)); }
std::int64_t Down(double mm, double scale) { return static_cast<std::int64_t>(std::floor(mm * scale + 1e-6)); }

PlanMeasure MeasureOf(const CutJob& job) {
    if (job.stock.size() == 1) return PlanMeasure::Bars;
    if (job.kilogramsPerMetre > 0 && job.pricePerTonne > 0) return PlanMeasure::Yuan;
    for (const StockRow& row : job.stock)
        if (row.price) return PlanMeasure::Yuan;
    return PlanMeasure::Millimetres;
}

}  // namespace

CutGrid CutGridOf(const CutJob& job) {
    CutGrid grid;
    grid.scale = WholeMillimetres(job) ? 1 : 10;
    const std::int64_t kerf = Up(job.kerf, grid.scale);
    std::map<double, int, std::greater<double>> pieces;
    for (const PieceRow& row : job.pieces) pieces[row.length] += static_cast<int>(row.count);
    for (const auto& [length, count] : pieces) {
        // A piece finer than the grid still takes a grid step.
        grid.problem.items.push_back({std::max<std::int64_t>(1, Up(length, grid.scale)) + kerf, count});
        grid.lengths.push_back(length);
    }
    const PlanMeasure measure = MeasureOf(job);
    for (const StockRow& row : job.stock) {
        PackStock stock;
        // Each piece carries one kerf; the last one's is given back by the bar's end.
        stock.capacity = Down(row.length - job.trim, grid.scale) + kerf;
        stock.count = row.count ? static_cast<int>(*row.count) : -1;
        stock.cost = measure == PlanMeasure::Bars ? 1.0
                   : measure == PlanMeasure::Millimetres ? static_cast<double>(Down(row.length, grid.scale))
                   : row.price ? *row.price
                               : row.length / 1000.0 * job.kilogramsPerMetre * job.pricePerTonne / 1000.0;
        grid.problem.stock.push_back(stock);
    }
    return grid;
}

CutPlan CutPlanFromPacking(const CutJob& job, const CutGrid& grid, const PackPlan& packing) {
    CutPlan plan;
    plan.measure = MeasureOf(job);
    plan.found = packing.found;
    for (const PackPattern& p : packing.patterns) {
        CutPattern pattern;
        pattern.times = p.times;
        pattern.stock = p.stock;
        pattern.stockLength = job.stock[p.stock].length;
        for (std::size_t i = 0; i < p.counts.size(); ++i)
            pattern.pieces.insert(pattern.pieces.end(), p.counts[i], grid.lengths[i]);
        std::sort(pattern.pieces.begin(), pattern.pieces.end(), std::greater<double>());
        double length = job.kerf * pattern.pieces.size();
        for (double piece : pattern.pieces) length += piece;
        pattern.offcut = std::max(0.0, job.stock[p.stock].length - job.trim - length);
        plan.patterns.push_back(std::move(pattern));
    }
    std::stable_sort(plan.patterns.begin(), plan.patterns.end(),
                     [](const CutPattern& a, const CutPattern& b) { return a.times > b.times; });
    SumUpCutPlan(job, plan);
    return plan;
}

CutPlan SolveCutJob(const CutJob& job, const PackControl& control) {
    CutPlan plan;
    plan.message = CheckCutJob(job);
    if (!plan.message.empty()) return plan;
    const CutGrid grid = CutGridOf(job);
    const PackOutcome outcome = SolvePacking(grid.problem, control);
    plan = CutPlanFromPacking(job, grid, outcome.plan);
    plan.bound = plan.measure == PlanMeasure::Millimetres ? outcome.bound / grid.scale : outcome.bound;
    plan.stopped = outcome.stopped;
    SumUpCutPlan(job, plan);
    if (!plan.found)
        plan.message = outcome.stopped ? "已停止, 尚未找到方案" : "原料数量不够, 无法下料";
    return plan;
}

}  // namespace mw
