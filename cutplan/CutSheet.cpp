// The cutting sheet's layout on pages.
#include "cutplan/CutSheet.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "print/PageLayout.h"
#include "settings/TextFields.h"

namespace mw {

namespace {

const Tenths kBarHeight = 80;
const Tenths kLine = PageLayout::kRowHeight;
const int kTrimShade = 120;
const int kScrapShade = 170;
const int kKeptShade = 60;
const Tenths kPieceText = 28;

std::string Millimetres(double mm) { return PlainNumber(mm, 1); }

// The stops as lines that fit the text width, " | " between them.
std::vector<std::string> StopLines(const std::vector<double>& stops, Tenths width, const TextMeasure& measure) {
    std::vector<std::string> lines{"定位(自料头起, mm): "};
    bool first = true;
    for (double stop : stops) {
        const std::string item = (first ? "" : " | ") + Millimetres(stop);
        if (!first && measure.Width(lines.back() + item, PageLayout::kBodyText, false) > width)
            lines.push_back(Millimetres(stop));
        else
            lines.back() += item;
        first = false;
    }
    return lines;
}

void AddLine(PageLayout& layout, const std::string& text, bool bold = false) {
    layout.Add(kLine, [&layout, text, bold](PrintedPage& page, Tenths top) {
        layout.Line(page, top + 12, text, bold);
    });
}

// A label inside a segment of the bar, whole or not at all: a cut-short length would mislead.
void Label(const PageLayout& layout, PrintedPage& page, Tenths x, Tenths top, Tenths width, const std::string& text) {
    if (layout.Measure().Width(text, kPieceText, false) + 8 <= width)
        layout.Cell(page, x - 8, top, width + 16, text, Align::Centre, kPieceText);
}

void AddPattern(PageLayout& layout, const CutJob& job, const CutPattern& pattern, int number, double longest) {
    const std::vector<std::string> stops = StopLines(SawStops(job, pattern), layout.Width(), layout.Measure());
    const Tenths height = kLine + kBarHeight + 10 + kLine * static_cast<Tenths>(stops.size()) + 20;
    const std::string heading = "方案 " + std::to_string(number) + ":  " + Millimetres(pattern.stockLength) +
                                " mm  ×" + std::to_string(pattern.times);
    layout.Add(height, [&layout, &job, pattern, stops, heading, longest](PrintedPage& page, Tenths top) {
        layout.Cell(page, layout.Left() - 12, top + 12, layout.Width() * 2 / 3, heading, Align::Left, PageLayout::kBodyText,
                    true);
        // The offcut's name and length stand on the heading's line: a short offcut's segment has
        // no room for them.
        if (pattern.offcut > 0)
            layout.Cell(page, layout.Left() + layout.Width() * 2 / 3, top + 12, layout.Width() / 3 + 12,
                        std::string(OffcutName(job, pattern.offcut)) + " " + Millimetres(pattern.offcut) + " mm",
                        Align::Right);
        const Tenths barTop = top + kLine;
        const double scale = layout.Width() / longest;
        const auto x = [&](double mm) { return layout.Left() + static_cast<Tenths>(std::lround(mm * scale)); };
        const Tenths textTop = barTop + (kBarHeight - kPieceText) / 2;
        page.rects.push_back({x(0), barTop, x(pattern.stockLength) - x(0), kBarHeight, 0});
        double at = 0;
        if (job.trim > 0) page.rects.push_back({x(0), barTop, x(job.trim) - x(0), kBarHeight, kTrimShade});
        at = job.trim;
        for (std::size_t i = 0; i < pattern.pieces.size(); ++i) {
            const double end = std::min(pattern.stockLength, at + pattern.pieces[i]);
            page.rects.push_back({x(at), barTop, x(end) - x(at), kBarHeight, 0});
            Label(layout, page, x(at), textTop, x(end) - x(at), Millimetres(pattern.pieces[i]));
            at = end + job.kerf;
        }
        if (pattern.offcut > 0) {
            const double from = pattern.stockLength - pattern.offcut;
            const bool kept = job.reusableLength > 0 && pattern.offcut >= job.reusableLength;
            page.rects.push_back({x(from), barTop, x(pattern.stockLength) - x(from), kBarHeight, kept ? kKeptShade : kScrapShade});
            Label(layout, page, x(from), textTop, x(pattern.stockLength) - x(from), OffcutName(job, pattern.offcut));
        }
        Tenths y = barTop + kBarHeight + 10;
        for (const std::string& line : stops) {
            layout.Line(page, y, line);
            y += kLine;
        }
    });
}

struct Totals {
    std::map<double, long long> bars;
    double bought = 0, used = 0, cost = 0;
    void Add(const CutPlan& plan) {
        for (const StockTotal& stock : plan.perStock)
            if (stock.bars > 0) bars[stock.length] += stock.bars;
        bought += plan.boughtKilograms;
        used += plan.usedKilograms;
        cost += plan.cost;
    }
    // By weight, so that sections of different weights a metre add up as the buyer pays.
    double WastePercent() const { return bought > 0 ? (bought - used) / bought * 100 : 0; }
};

void AddTotals(PageLayout& layout, const std::string& heading, const Totals& totals, double wastePercent) {
    std::vector<std::string> lines{heading, "用料: " + CutBarsText(totals.bars, ",  "),
                                   "购入重量 " + PlainNumber(totals.bought, 2) + " kg    零件重量 " +
                                       PlainNumber(totals.used, 2) + " kg    损耗 " + PlainNumber(wastePercent, 2) + "%"};
    if (totals.cost > 0) lines.push_back("金额 " + Money(totals.cost) + " 元");
    layout.Add(kLine * static_cast<Tenths>(lines.size()), [&layout, lines](PrintedPage& page, Tenths top) {
        for (std::size_t i = 0; i < lines.size(); ++i)
            layout.Line(page, top + 12 + kLine * static_cast<Tenths>(i), lines[i], i == 0);
    });
}

void AddSection(PageLayout& layout, const CutSheetSection& section) {
    const CutJob& job = section.job;
    const CutPlan& plan = section.plan;
    std::string facts = "型材: " + (job.section.empty() ? std::string("(未填)") : job.section);
    if (job.kilogramsPerMetre > 0) facts += "    " + PlainNumber(job.kilogramsPerMetre, 3) + " kg/m";
    facts += "    锯缝 " + Millimetres(job.kerf) + " mm    料头 " + Millimetres(job.trim) + " mm";
    if (job.reusableLength > 0) facts += "    余料 ≥ " + Millimetres(job.reusableLength) + " mm";
    AddLine(layout, facts, true);

    double longest = 1;
    for (const CutPattern& pattern : plan.patterns) longest = std::max(longest, pattern.stockLength);
    for (std::size_t i = 0; i < plan.patterns.size(); ++i)
        AddPattern(layout, job, plan.patterns[i], static_cast<int>(i + 1), longest);

    layout.Gap(30);
    const Tenths width = layout.Width();
    layout.BeginTable({{"长度(mm)", width * 3 / 10, Align::Right},
                       {"数量", width * 2 / 10, Align::Right},
                       {"已切", width - width * 3 / 10 - width * 2 / 10, Align::Left}});
    for (const PieceRow& piece : job.pieces) layout.AddRow({Millimetres(piece.length), PlainNumber(piece.count, 0), ""});
    layout.EndTable();
    layout.Gap(30);
    Totals totals;
    totals.Add(plan);
    AddTotals(layout, "合计 (" + std::to_string(plan.bars) + " 根)", totals, plan.wastePercent);
}

}  // namespace

std::vector<double> SawStops(const CutJob& job, const CutPattern& pattern) {
    std::vector<double> stops;
    if (job.trim > 0) stops.push_back(job.trim);
    double at = job.trim;
    for (std::size_t i = 0; i < pattern.pieces.size(); ++i) {
        if (i > 0) at += job.kerf;
        at += pattern.pieces[i];
        if (at < pattern.stockLength - 1e-6) stops.push_back(at);
    }
    return stops;
}

const char* OffcutName(const CutJob& job, double offcut) {
    return job.reusableLength > 0 && offcut >= job.reusableLength ? "余料" : "废料";
}

std::vector<PrintedPage> LayoutCutSheet(const std::vector<CutSheetSection>& sections, const PaperSize& paper,
                                        const TextMeasure& measure, const std::string& date) {
    PageLayout layout(paper, measure, kCutSheetTitle, date);
    Totals job;
    int shown = 0;
    for (const CutSheetSection& section : sections) {
        if (!section.plan.found) continue;
        if (shown > 0) layout.NewPage();  // each section starts a page of its own
        AddSection(layout, section);
        job.Add(section.plan);
        ++shown;
    }
    if (shown > 1) {
        layout.Gap(60);
        AddTotals(layout, "全部合计 (" + std::to_string(shown) + " 种型材)", job, job.WastePercent());
    }
    return layout.Finish();
}

}  // namespace mw
