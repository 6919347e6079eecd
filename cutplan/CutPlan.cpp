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
    for (std::size_t t = 0; t < job.stock.size(); ++t) {
        plan.perStock[t].length = job.stock[t].length;
        plan.perStock[t].offcut = job.stock[t].offcut;
    }
    plan.bars = 0;
    plan.boughtLength = plan.cost = 0;
    double used = 0;
    std::map<double, long long, std::greater<double>> offcuts;
    double cutLength = 0;  // of every bar cut, offcuts kept in stock included
    long long bought = 0;
    for (const CutPattern& pattern : plan.patterns) {
        StockTotal& total = plan.perStock[pattern.stock];
        const bool offcut = job.stock[pattern.stock].offcut;
        total.bars += pattern.times;
        total.cost += offcut ? 0.0 : pattern.times * BarPrice(job, job.stock[pattern.stock]);
        plan.bars += pattern.times;
        cutLength += pattern.times * pattern.stockLength;
        if (offcut) continue;
        bought += pattern.times;
        plan.boughtLength += pattern.times * pattern.stockLength;
    }
    for (const CutPattern& pattern : plan.patterns) {
        for (double piece : pattern.pieces) used += pattern.times * piece;
        if (job.reusableLength > 0 && pattern.offcut >= job.reusableLength) offcuts[pattern.offcut] += pattern.times;
    }
    for (const StockTotal& total : plan.perStock) plan.cost += total.cost;
    plan.boughtKilograms = plan.boughtLength / 1000.0 * job.kilogramsPerMetre;
    plan.usedKilograms = used / 1000.0 * job.kilogramsPerMetre;
    plan.wastePercent = cutLength > 0 ? 100.0 * (cutLength - used) / cutLength : 0;
    plan.reusableOffcuts.assign(offcuts.begin(), offcuts.end());
    plan.value = plan.measure == PlanMeasure::Bars ? static_cast<double>(bought)
               : plan.measure == PlanMeasure::Yuan ? plan.cost : plan.boughtLength;
    plan.optimal = plan.found && plan.value <= plan.bound + 1e-9 * std::max(1.0, std::fabs(plan.bound));
}

std::string CheckCutPlan(const CutJob& job, const CutPlan& plan) {
    // Lengths on the job's own grid, where every typed length is a whole number: no rounding can
    // pass an overfull bar or fail one that is full to the last hundredth.
    const std::int64_t scale = CutJobScale(job);
    const std::int64_t kerf = GridUnits(job.kerf, scale), trim = GridUnits(job.trim, scale);
    std::map<std::pair<double, std::string>, long long> wanted;  // by length and mark
    for (const PieceRow& row : job.pieces) wanted[{row.length, row.mark}] += static_cast<long long>(row.count);
    std::vector<long long> bars(job.stock.size(), 0);
    for (const CutPattern& pattern : plan.patterns) {
        if (pattern.times < 1) return "a pattern cut no times";
        if (pattern.stock < 0 || pattern.stock >= static_cast<int>(job.stock.size())) return "a pattern of no stock";
        const StockRow& stock = job.stock[pattern.stock];
        if (pattern.stockLength != stock.length) return "a pattern's stock length is not its row's";
        if (pattern.pieces.empty()) return "a pattern without pieces";
        std::int64_t length = 0;
        double millimetres = 0;
        if (!pattern.marks.empty() && pattern.marks.size() != pattern.pieces.size()) return "a pattern's marks are not its pieces'";
        for (std::size_t i = 0; i < pattern.pieces.size(); ++i) {
            const double piece = pattern.pieces[i];
            auto known = wanted.find({piece, PieceMark(pattern, i)});
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
    for (const ShortPiece& piece : plan.shortPieces) {
        if (piece.count < 1) return "a short piece of no count";
        auto known = wanted.find({piece.length, piece.mark});
        if (known == wanted.end()) return "a short piece of " + ShortestNumber(piece.length) + " that the job has not";
        known->second -= piece.count;
    }
    for (const auto& [piece, left] : wanted)
        if (left != 0)
            return "pieces of " + ShortestNumber(piece.first) + (piece.second.empty() ? "" : ":" + piece.second) +
                   (left > 0 ? " missing" : " too many");
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

void AssignCutMarks(const CutJob& job, CutPlan& plan) {
    bool marked = false;
    for (const PieceRow& row : job.pieces) marked = marked || !row.mark.empty();
    if (!marked) return;
    // Per length, its marks in the job's order with the pieces not yet given out.
    std::map<double, std::vector<std::pair<std::string, long long>>> marks;
    for (const PieceRow& row : job.pieces) {
        auto& queue = marks[row.length];
        auto same = std::find_if(queue.begin(), queue.end(), [&](const auto& m) { return m.first == row.mark; });
        if (same != queue.end()) same->second += static_cast<long long>(row.count);
        else queue.emplace_back(row.mark, static_cast<long long>(row.count));
    }
    std::vector<CutPattern> patterns;
    for (const CutPattern& pattern : plan.patterns) {
        for (int bar = 0; bar < pattern.times; ++bar) {
            CutPattern one = pattern;
            one.times = 1;
            one.marks.clear();
            for (double piece : pattern.pieces) {
                auto& queue = marks[piece];
                while (!queue.empty() && queue.front().second == 0) queue.erase(queue.begin());
                if (queue.empty()) {  // more pieces than the job asks for: the check will say so
                    one.marks.emplace_back();
                    continue;
                }
                one.marks.push_back(queue.front().first);
                --queue.front().second;
            }
            // Equal bars one after the other stay one pattern.
            if (!patterns.empty() && patterns.back().stock == one.stock && patterns.back().pieces == one.pieces &&
                patterns.back().marks == one.marks)
                ++patterns.back().times;
            else
                patterns.push_back(std::move(one));
        }
    }
    plan.patterns = std::move(patterns);
}

std::string CutPlanText(const CutPlan& plan) {
    std::string text;
    for (const CutPattern& pattern : plan.patterns) {
        text += "pattern " + std::to_string(pattern.times) + " " + ShortestNumber(pattern.stockLength);
        for (std::size_t i = 0; i < pattern.pieces.size(); ++i) {
            text += " " + ShortestNumber(pattern.pieces[i]);
            if (!PieceMark(pattern, i).empty()) text += ":" + PieceMark(pattern, i);
        }
        text += "\n";
    }
    std::map<double, long long, std::greater<double>> uncut;
    for (const ShortPiece& piece : plan.shortPieces) uncut[piece.length] += piece.count;
    for (const auto& [length, count] : uncut) text += "short " + ShortestNumber(length) + " " + std::to_string(count) + "\n";
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
