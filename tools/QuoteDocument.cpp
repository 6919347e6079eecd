// The quote's layout on pages.
#include "tools/QuoteDocument.h"

#include "print/PageLayout.h"
#include "settings/TextFields.h"

namespace mw {

namespace {

// Shares of the text width, in the order of the columns below; they add up to 1000.
struct QuoteColumn {
    const char* title;
    int share;
    Align align;
};
const QuoteColumn kColumns[] = {
    {"序号", 55, Align::Right},      {"名称", 160, Align::Left},     {"规格", 195, Align::Left},
    {"长度/数量", 120, Align::Left}, {"件数", 60, Align::Right},     {"重量", 130, Align::Right},
    {"单价(元/吨)", 130, Align::Right}, {"金额(元)", 150, Align::Right},
};

// "label: text" lines, each only when its text is not empty.
void AddFieldLine(PageLayout& layout, const std::vector<std::pair<std::string, std::string>>& fields) {
    std::string line;
    for (const auto& [label, text] : fields)
        if (!text.empty()) line += (line.empty() ? "" : "    ") + label + ":" + text;
    if (line.empty()) return;
    layout.Add(PageLayout::kRowHeight, [&layout, line](PrintedPage& page, Tenths top) {
        layout.Line(page, top, line);
    });
}

}  // namespace

std::vector<PrintedPage> LayoutQuote(const WeightList& list, const QuoteSeller& seller, const WeightDisplay& display,
                              const PaperSize& paper, const TextMeasure& measure, const std::string& date) {
    PageLayout layout(paper, measure, kQuoteTitle, date);
    AddFieldLine(layout, {{"供方", seller.name}, {"电话", seller.phone}});
    AddFieldLine(layout, {{"客户", list.Header().customer}, {"工程", list.Header().project}});
    layout.Gap(30);

    std::vector<TableColumn> columns;
    Tenths used = 0;
    for (const QuoteColumn& column : kColumns) {
        const Tenths width = layout.Width() * column.share / 1000;
        columns.push_back({column.title, width, column.align});
        used += width;
    }
    columns.back().width += layout.Width() - used;  // the rounding's rest
    columns[5].title += std::string("(") + display.Unit() + ")";
    layout.BeginTable(columns);
    for (std::size_t i = 0; i < list.Rows().size(); ++i) {
        const WeightRow& row = list.Rows()[i];
        layout.AddRow({std::to_string(i + 1), row.item.calculator, row.item.size, row.item.quantity,
                       std::to_string(row.count), display.Weight(WeightList::KilogramsOf(row)),
                       PlainNumber(list.PriceOf(row), 2), Money(list.CostOf(row))});
    }
    layout.AddRow({"", "合计", "", "", "", display.Weight(list.TotalKilograms()), "", Money(list.TotalCost())}, true);
    layout.EndTable();
    if (const auto withTax = list.TotalWithTax()) {
        const std::string line = "税率 " + PlainNumber(*list.Header().taxPercent, 2) + "%    含税合计 " +
                                  Money(*withTax) + " 元";
        layout.Add(PageLayout::kRowHeight, [&layout, line](PrintedPage& page, Tenths top) {
            layout.Cell(page, layout.Left(), top + 12, layout.Width(), line, Align::Right, PageLayout::kBodyText, true);
        });
    }
    return layout.Finish();
}

}  // namespace mw
