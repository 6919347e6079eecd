// A job's plans in words.
#include "cutplan/CutPlanReport.h"

#include <cmath>
#include <iterator>
#include <map>

#include "settings/TextFields.h"

namespace mw {

namespace {

std::string Cell(const std::string& text, char separator) { return separator == ',' ? CsvField(text) : text; }

std::string Line(const std::vector<std::string>& cells, char separator) {
    std::string text;
    for (std::size_t i = 0; i < cells.size(); ++i) text += (i ? std::string(1, separator) : "") + Cell(cells[i], separator);
    return text + "\r\n";
}

}  // namespace

std::string CutBarsText(const std::map<double, long long>& bars, const char* separator) {
    std::string text;
    for (auto it = bars.rbegin(); it != bars.rend(); ++it)
        if (it->second > 0)
            text += (text.empty() ? "" : separator) + PlainNumber(it->first, 1) + " mm × " + std::to_string(it->second) + " 根";
    return text;
}

std::string CutPiecesText(const std::vector<double>& pieces, const std::vector<std::string>& marks) {
    auto mark = [&](std::size_t i) { return i < marks.size() ? marks[i] : std::string(); };
    std::string text;
    for (std::size_t i = 0; i < pieces.size();) {
        std::size_t j = i;
        while (j < pieces.size() && pieces[j] == pieces[i] && mark(j) == mark(i)) ++j;
        if (!text.empty()) text += " + ";
        text += PlainNumber(pieces[i], 1);
        if (!mark(i).empty()) text += "(" + mark(i) + ")";
        if (j - i > 1) text += "×" + std::to_string(j - i);
        i = j;
    }
    return text;
}

std::vector<std::vector<std::string>> CutPlanRows(const CutPlan& plan) {
    std::vector<std::vector<std::string>> rows;
    for (const CutPattern& pattern : plan.patterns)
        rows.push_back({std::to_string(pattern.times),
                        PlainNumber(pattern.stockLength, 1) + (pattern.fromOffcut ? " 余料" : ""),
                        CutPiecesText(pattern.pieces, pattern.marks),
                        PlainNumber(pattern.offcut, 1)});
    return rows;
}

std::vector<std::string> CutPlanTotalLines(const CutPlan& plan) {
    std::vector<std::string> lines;
    if (!plan.found) return lines;
    std::string bars;
    for (const StockTotal& total : plan.perStock) {
        if (total.bars == 0) continue;
        bars += (bars.empty() ? "" : ", ") + PlainNumber(total.length, 1) + " mm" + (total.offcut ? " 余料" : "") + " × " +
                std::to_string(total.bars) + " 根";
    }
    std::string bound;
    switch (plan.measure) {
        case PlanMeasure::Bars:        bound = "下限 " + PlainNumber(std::ceil(plan.bound - 1e-9)) + " 根"; break;
        case PlanMeasure::Yuan:        bound = "金额下限 " + Money(plan.bound) + " 元"; break;
        case PlanMeasure::Millimetres: bound = "长度下限 " + PlainNumber(plan.bound, 1) + " mm"; break;
    }
    if (plan.optimal) bound += ", 最优";
    if (!plan.shortPieces.empty()) bound = plan.optimal ? "库存不够, 已排最多的零件" : "库存不够, 目前排得最多的方案";
    lines.push_back("共 " + std::to_string(plan.bars) + " 根 (" + bound + "): " + bars);
    std::string amounts = "购入 " + PlainNumber(plan.boughtLength / 1000.0, 3) + " m, " +
                          PlainNumber(plan.boughtKilograms, 2) + " kg  零件 " + PlainNumber(plan.usedKilograms, 2) +
                          " kg  损耗 " + PlainNumber(plan.wastePercent, 2) + "%";
    if (plan.cost > 0) amounts += "  金额 " + Money(plan.cost) + " 元";
    lines.push_back(amounts);
    if (!plan.shortPieces.empty()) {
        std::string uncut = "未排: ";
        for (std::size_t i = 0; i < plan.shortPieces.size(); ++i) {
            const ShortPiece& piece = plan.shortPieces[i];
            uncut += (i ? ", " : "") + PlainNumber(piece.length, 1) + (piece.mark.empty() ? "" : "(" + piece.mark + ")") +
                     " × " + std::to_string(piece.count);
        }
        lines.push_back(uncut);
    }
    if (!plan.reusableOffcuts.empty()) {
        std::string offcuts = "可用余料: ";
        for (std::size_t i = 0; i < plan.reusableOffcuts.size(); ++i)
            offcuts += (i ? ", " : "") + PlainNumber(plan.reusableOffcuts[i].first, 1) + " mm × " +
                       std::to_string(plan.reusableOffcuts[i].second);
        lines.push_back(offcuts);
    }
    return lines;
}

std::string CutJobTotalLine(const std::vector<CutSheetSection>& sections) {
    std::map<double, long long> bars;
    long long count = 0;
    int planned = 0;
    double kilograms = 0, cost = 0, bought = 0, used = 0;
    for (const CutSheetSection& section : sections) {
        const CutPlan& plan = section.plan;
        if (!plan.found) continue;
        ++planned;
        for (const StockTotal& total : plan.perStock)
            if (!total.offcut) {
                bars[total.length] += total.bars;
                count += total.bars;
            }
        kilograms += plan.boughtKilograms;
        cost += plan.cost;
        bought += plan.boughtLength;
        for (const CutPattern& pattern : plan.patterns)
            for (double piece : pattern.pieces) used += piece * pattern.times;
    }
    if (planned < 2) return "";
    const double waste = bought > 0 ? (bought - used) / bought * 100 : 0;
    std::string line = "全部 " + std::to_string(planned) + " 种材料: 共 " + std::to_string(count) + " 根 (" +
                       CutBarsText(bars, ", ") + ")  购入 " + PlainNumber(kilograms, 2) + " kg  损耗 " + PlainNumber(waste, 2) + "%";
    if (cost > 0) line += "  金额 " + Money(cost) + " 元";
    return line;
}

std::string CutJobPlanText(const std::vector<CutSheetSection>& sections, char separator) {
    std::string text = separator == ',' ? "\xEF\xBB\xBF" : "";
    text += Line({std::begin(kCutPlanColumns), std::end(kCutPlanColumns)}, separator);
    for (const CutSheetSection& section : sections) {
        if (sections.size() > 1) {
            text += Cell("材料: " + (section.job.section.empty() ? std::string("(未命名)") : section.job.section), separator) + "\r\n";
            if (!section.plan.found) text += Cell("没有方案", separator) + "\r\n";
        }
        for (const std::vector<std::string>& row : CutPlanRows(section.plan)) text += Line(row, separator);
        for (const std::string& line : CutPlanTotalLines(section.plan)) text += Cell(line, separator) + "\r\n";
    }
    const std::string total = CutJobTotalLine(sections);
    if (!total.empty()) text += Cell(total, separator) + "\r\n";
    return text;
}

}  // namespace mw
