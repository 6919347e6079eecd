// The cutting plan's totals, its soundness check and its text.
#include "cutplan/CutPlan.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

#include "settings/TextFields.h"

namespace mw {

namespace {

double BarPrice(const CutJob& job, const StockRow& row) {
    if (row.price) return *row.price;
    return row.length / 1000.0 * job.kilogramsPerMetre * job.pricePerTonne / 1000.0;
}

}  // namespace

void SumUpCutPlan(const CutJob& job, CutPlan& plan) {
    plan.perStock.assign(job.stock.size(), StockTotal());
    for (std::size_t t = 0; t < job.stock.size(); ++t) plan.perStock[t].length = job.stock[t].length;
    plan.bars = 0;
    plan.boughtLength = plan.cost = 0;
    double used = 0;
    std::map<double, long long, std::greater<double>> offcuts;
    for (const CutPattern& pattern : plan.patterns) {
        StockTotal& total = plan.perStock[pattern.stock];
        total.bars += pattern.times;
        total.cost += pattern.times * BarPrice(job, job.stock[pattern.stock]);
        plan.bars += pattern.times;
        plan.boughtLength += pattern.times * pattern.stockLength;
        for (double piece : pattern.pieces) used += pattern.times * piece;
        if (job.reusableLength > 0 && pattern.offcut >= job.reusableLength) offcuts[pattern.offcut] += pattern.times;
    }
    for (const StockTotal& total : plan.perStock) plan.cost += total.cost;
    plan.boughtKilograms = plan.boughtLength / 1000.0 * job.kilogramsPerMetre;
    plan.usedKilograms = used / 1000.0 * job.kilogramsPerMetre;
    plan.wastePercent = plan.boughtLength > 0 ? 100.0 * (plan.boughtLength - used) / plan.boughtLength : 0;
    plan.reusableOffcuts.assign(offcuts.begin(), offcuts.end());
    plan.value = plan.measure == PlanMeasure::Bars ? static_cast<double>(plan.bars)
               : plan.measure == PlanMeasure::Yuan ? plan.cost : plan.boughtLength;
    plan.optimal = plan.found && plan.value <= plan.bound + 1e-9 * std::max(1.0, std::fabs(plan.bound));
}

std::string CheckCutPlan(const CutJob& job, const CutPlan& plan) {
    // Lengths on the job's own grid, where every typed length is a whole number: no rounding can
    // pass an overfull bar or fail one that is full to the last hundredth.
    const std::int64_t scale = CutJobScale(job);
    const std::int64_t kerf = GridUnits(job.kerf, scale), trim = GridUnits(job.trim, scale);
    std::map<double, long long> wanted;
    for (const PieceRow& row : job.pieces) wanted[row.length] += static_cast<long long>(row.count);
    std::vector<long long> bars(job.stock.size(), 0);
    for (const CutPattern& pattern : plan.patterns) {
        if (pattern.times < 1) return "a pattern cut no times";
        if (pattern.stock < 0 || pattern.stock >= static_cast<int>(job.stock.size())) return "a pattern of no stock";
        const StockRow& stock = job.stock[pattern.stock];
        if (pattern.stockLength != stock.length) return "a pattern's stock length is not its row's";
        if (pattern.pieces.empty()) return "a pattern without pieces";
        std::int64_t length = 0;
        double millimetres = 0;
        for (double piece : pattern.pieces) {
            auto known = wanted.find(piece);
            if (known == wanted.end()) return "a piece of " + ShortestNumber(piece) + " that the job has not";
            known->second -= pattern.times;
            length += GridUnits(piece, scale) + kerf;
            millimetres += piece;
        }
        length -= kerf;  // the last piece's kerf falls beyond the bar's end
        if (length > GridUnits(stock.length, scale) - trim)
            return "a bar of " + ShortestNumber(stock.length) + " is overfull";
        const double offcut =
            std::max(0.0, stock.length - job.trim - millimetres - job.kerf * static_cast<double>(pattern.pieces.size()));
        if (std::fabs(offcut - pattern.offcut) > 1e-6) return "a pattern's offcut is wrong";
        bars[pattern.stock] += pattern.times;
    }
    for (const auto& [length, left] : wanted)
        if (left != 0) return "pieces of " + ShortestNumber(length) + (left > 0 ? " missing" : " too many");
    for (std::size_t t = 0; t < job.stock.size(); ++t)
        if (job.stock[t].count && bars[t] > *job.stock[t].count) return "more bars of " + ShortestNumber(job.stock[t].length) + " than on hand";
    // The totals shown are the patterns' own.
    CutPlan summed = plan;
    SumUpCutPlan(job, summed);
    auto same = [](double a, double b) { return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(a) + std::fabs(b)); };
    if (summed.bars != plan.bars) return "the bars counted are not the patterns'";
    if (summed.perStock.size() != plan.perStock.size()) return "the totals by stock are not the job's";
    for (std::size_t t = 0; t < summed.perStock.size(); ++t)
        if (summed.perStock[t].bars != plan.perStock[t].bars || !same(summed.perStock[t].cost, plan.perStock[t].cost))
            return "the totals of " + ShortestNumber(job.stock[t].length) + " are not the patterns'";
    if (!same(summed.cost, plan.cost) || !same(summed.boughtLength, plan.boughtLength) || !same(summed.value, plan.value))
        return "the plan's totals are not its patterns'";
    if (plan.optimal && !(plan.value <= plan.bound + 1e-9 * std::max(1.0, std::fabs(plan.bound))))
        return "a plan above its bound is called optimal";
    return "";
}

std::string CutPlanText(const CutPlan& plan) {
    std::string text;
    for (const CutPattern& pattern : plan.patterns) {
        text += "pattern " + std::to_string(pattern.times) + " " + ShortestNumber(pattern.stockLength);
        for (double piece : pattern.pieces) text += " " + ShortestNumber(piece);
        text += "\n";
    }
    text += "bars " + std::to_string(plan.bars) + "\n";
    switch (plan.measure) {
        case PlanMeasure::Bars:
            text += "bound " + ShortestNumber(std::round(plan.bound)) + "\n";
            break;
        case PlanMeasure::Yuan:
            text += "cost " + FixedNumber(plan.cost, 2) + "\nbound " + FixedNumber(plan.bound, 2) + "\n";
            break;
        case PlanMeasure::Millimetres:
            text += "length " + ShortestNumber(plan.boughtLength) + "\nbound " + ShortestNumber(plan.bound) + "\n";
            break;
    }
    return text;
}

}  // namespace mw
