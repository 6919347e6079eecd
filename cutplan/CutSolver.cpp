// From millimetres to the grid and back. The grid is fine enough for every decimal the job's
// lengths are typed with (1 mm when all are whole), so each length is exact on it: a plan on the
// grid cuts from the real bar, and a bound on the grid is the job's own.
#include "cutplan/CutSolver.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <new>
#include <stdexcept>

namespace mw {

namespace {

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
    const std::int64_t scale = CutJobScale(job);
    grid.scale = static_cast<double>(scale);
    const std::int64_t kerf = GridUnits(job.kerf, scale);
    std::map<double, int, std::greater<double>> pieces;
    for (const PieceRow& row : job.pieces) pieces[row.length] += static_cast<int>(row.count);
    for (const auto& [length, count] : pieces) {
        grid.problem.items.push_back({std::max<std::int64_t>(1, GridUnits(length, scale)) + kerf, count});
        grid.lengths.push_back(length);
    }
    const PlanMeasure measure = MeasureOf(job);
    for (const StockRow& row : job.stock) {
        PackStock stock;
        // Each piece carries one kerf; the last one's is given back by the bar's end.
        stock.capacity = GridUnits(row.length, scale) - GridUnits(job.trim, scale) + kerf;
        stock.count = row.count ? static_cast<int>(*row.count) : -1;
        stock.cost = measure == PlanMeasure::Bars ? 1.0
                   : measure == PlanMeasure::Millimetres ? static_cast<double>(GridUnits(row.length, scale))
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
    try {
        const CutGrid grid = CutGridOf(job);
        const PackOutcome outcome = SolvePacking(grid.problem, control);
        plan = CutPlanFromPacking(job, grid, outcome.plan);
        // A bound is at most any plan's cost; one above the plan found is the programme's rounding.
        const double bound = outcome.plan.found ? std::min(outcome.bound, outcome.plan.cost) : outcome.bound;
        plan.bound = plan.measure == PlanMeasure::Millimetres ? bound / grid.scale : bound;
        plan.stopped = outcome.stopped;
        SumUpCutPlan(job, plan);
        if (!plan.found) {
            plan.message = outcome.infeasible    ? "原料数量不够, 无法下料"
                         : outcome.outOfMemory   ? "内存不够, 无法计算这个方案"
                         : outcome.stopped       ? "已停止, 尚未找到方案"
                                                 : "未找到方案: 原料数量可能不够";
            return plan;
        }
        // No plan is shown that does not cut the job as typed from the bars on hand.
        const std::string fault = CheckCutPlan(job, plan);
        if (!fault.empty()) {
            plan = CutPlan();
            plan.message = "方案校验失败 (" + fault + ")";
        }
    } catch (const std::bad_alloc&) {
        plan = CutPlan();
        plan.message = "内存不够, 无法计算这个方案";
    } catch (const std::exception& e) {
        plan = CutPlan();
        plan.message = std::string("计算出错: ") + e.what();
    }
    return plan;
}

}  // namespace mw
