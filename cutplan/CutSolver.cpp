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
    const auto bought = std::count_if(job.stock.begin(), job.stock.end(), [](const StockRow& row) { return !row.offcut; });
    if (bought <= 1) return PlanMeasure::Bars;
    if (job.kilogramsPerMetre > 0 && job.pricePerTonne > 0) return PlanMeasure::Yuan;
    for (const StockRow& row : job.stock)
        if (row.price && !row.offcut) return PlanMeasure::Yuan;
    return PlanMeasure::Millimetres;
}

bool AllCounted(const CutJob& job) {
    return std::all_of(job.stock.begin(), job.stock.end(), [](const StockRow& row) { return row.count.has_value(); });
}

// Bars on hand too few for the job: the most piece length they can cut, then the fewest bars.
// Each length gets a stand-in bar, as many as needed, that holds one piece of it and costs its
// length times more than all bars on hand together could: any plan then costs its uncut length
// first and its bars second, and the packing's least cost is the plan wanted. (A stand-in that
// holds several shorter pieces never costs less than their own stand-ins.)
// The grid is the job's own, taken as a copy to add the stand-ins to.
CutPlan SolveShort(const CutJob& job, CutGrid grid, const PackControl& control) {
    const std::size_t real = grid.problem.stock.size();
    double onHand = 0;
    for (const StockRow& row : job.stock) onHand += *row.count;
    const std::int64_t kerf = GridUnits(job.kerf, static_cast<std::int64_t>(grid.scale));
    for (PackStock& stock : grid.problem.stock) stock.cost = 1;
    for (const PackItem& item : grid.problem.items) {
        PackStock standIn;
        standIn.capacity = item.size;
        standIn.count = -1;
        standIn.cost = (onHand + 1) * static_cast<double>(item.size - kerf);
        grid.problem.stock.push_back(standIn);
    }
    const PackOutcome outcome = SolvePacking(grid.problem, control);
    CutPlan plan;
    if (!outcome.plan.found) {
        plan.message = outcome.outOfMemory ? "内存不够, 无法计算这个方案"
                     : outcome.stopped     ? "已停止, 尚未找到方案"
                                           : "原料数量不够, 无法下料";
        return plan;
    }
    PackPlan cut = outcome.plan;
    cut.patterns.clear();
    for (const PackPattern& pattern : outcome.plan.patterns)
        if (static_cast<std::size_t>(pattern.stock) < real) cut.patterns.push_back(pattern);
    plan = CutPlanFromPacking(job, grid, cut);
    plan.measure = PlanMeasure::Bars;
    plan.stopped = outcome.stopped;
    // The marks given to the pieces cut, in the job's order; the rest of each length is short.
    std::map<std::pair<double, std::string>, long long> unplaced;
    std::vector<std::pair<double, std::string>> order;
    for (const PieceRow& row : job.pieces) {
        if (!unplaced.count({row.length, row.mark})) order.push_back({row.length, row.mark});
        unplaced[{row.length, row.mark}] += static_cast<long long>(row.count);
    }
    for (const CutPattern& pattern : plan.patterns)
        for (std::size_t i = 0; i < pattern.pieces.size(); ++i)
            unplaced[{pattern.pieces[i], PieceMark(pattern, i)}] -= pattern.times;
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& key : order)
        if (unplaced[key] > 0) plan.shortPieces.push_back({key.first, unplaced[key], key.second});
    // No plan cuts more; among those that cut as much, none with fewer bars when the packing's
    // bound is met. Otherwise the best found, with no bound claimed.
    const bool met = outcome.plan.cost <= outcome.bound + 1e-9 * std::max(1.0, std::fabs(outcome.bound));
    plan.bound = met ? static_cast<double>(plan.bars) : 0;
    SumUpCutPlan(job, plan);
    return plan;
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
    if (std::any_of(job.stock.begin(), job.stock.end(), [](const StockRow& row) { return row.offcut; })) {
        double pieces = 0;
        for (const PieceRow& row : job.pieces) pieces += row.count;
        // No plan cuts more bars than pieces; yuan are weighed in fen.
        grid.offcutWeight = (pieces + 1) * (measure == PlanMeasure::Yuan ? 100.0 : 1.0);
    }
    for (const StockRow& row : job.stock) {
        PackStock stock;
        // Each piece carries one kerf; the last one's is given back by the bar's end.
        stock.capacity = GridUnits(row.length, scale) - GridUnits(job.trim, scale) + kerf;
        stock.count = row.count ? static_cast<int>(*row.count) : -1;
        stock.cost = measure == PlanMeasure::Bars ? 1.0
                   : measure == PlanMeasure::Millimetres ? static_cast<double>(GridUnits(row.length, scale))
                   : row.price ? *row.price
                               : row.length / 1000.0 * job.kilogramsPerMetre * job.pricePerTonne / 1000.0;
        // Offcuts cost nothing; between plans that buy alike the fewer bars cut wins: each bought
        // bar's cost is weighed above any count of bars, and every bar counts one.
        if (grid.offcutWeight > 0) stock.cost = row.offcut ? 1.0 : stock.cost * grid.offcutWeight + 1.0;
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
        pattern.fromOffcut = job.stock[p.stock].offcut;
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
    AssignCutMarks(job, plan);
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
        if (grid.offcutWeight > 0) {
            // Back from the weighed costs: the bars counted in are at most one a piece.
            const double bought = std::max(0.0, (bound - (grid.offcutWeight - 1)) / grid.offcutWeight);
            plan.bound = plan.measure == PlanMeasure::Millimetres ? bought / grid.scale : bought;
        }
        plan.stopped = outcome.stopped;
        SumUpCutPlan(job, plan);
        if (!plan.found && outcome.infeasible && AllCounted(job)) plan = SolveShort(job, grid, control);
        if (!plan.found) {
            if (!plan.message.empty()) return plan;
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
