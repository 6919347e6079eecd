// Pagination: where each block lands, the repeated table headers and the page frame.
#include "print/PageLayout.h"

#include <algorithm>

namespace mw {

namespace {

const Tenths kCellPadding = 12;  // text keeps this far from a cell's side
const int kHeaderShade = 40;

}  // namespace

PageLayout::PageLayout(const PaperSize& paper, const TextMeasure& measure, std::string title, std::string date)
    : paper_(paper), measure_(measure), title_(std::move(title)), date_(std::move(date)) {
    NewPage();
}

void PageLayout::NewPage() {
    if (!pages_.empty() && pageEmpty_) return;
    pages_.emplace_back();
    y_ = ContentTop();
    pageEmpty_ = true;
}

void PageLayout::Gap(Tenths height) {
    if (!pageEmpty_) y_ = std::min(y_ + height, ContentBottom());
}

void PageLayout::Place(Tenths height, const Draw& draw) {
    draw(pages_.back(), y_);
    y_ += height;
    pageEmpty_ = false;
}

void PageLayout::Add(Tenths height, const Draw& draw) {
    if (y_ + height > ContentBottom() && !pageEmpty_) {
        NewPage();
        if (inTable_)
            Place(kRowHeight, [this](PrintedPage& page, Tenths top) { DrawRow(page, top, {}, true, kHeaderShade); });
    }
    Place(height, draw);
}

void PageLayout::BeginTable(std::vector<TableColumn> columns) {
    columns_ = std::move(columns);
    inTable_ = false;
    if (y_ + 2 * kRowHeight > ContentBottom() && !pageEmpty_) NewPage();
    Place(kRowHeight, [this](PrintedPage& page, Tenths top) { DrawRow(page, top, {}, true, kHeaderShade); });
    inTable_ = true;
}

void PageLayout::AddRow(const std::vector<std::string>& cells, bool bold) {
    Add(kRowHeight, [this, cells, bold](PrintedPage& page, Tenths top) { DrawRow(page, top, cells, bold, 0); });
}

void PageLayout::EndTable() { inTable_ = false; }

// An empty `cells` draws the column titles.
void PageLayout::DrawRow(PrintedPage& page, Tenths top, const std::vector<std::string>& cells, bool bold, int shade) const {
    Tenths x = Left();
    const Tenths textTop = top + (kRowHeight - kBodyText) / 2;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const TableColumn& column = columns_[i];
        page.rects.push_back({x, top, column.width, kRowHeight, shade});
        const std::string& text = cells.empty() ? column.title : (i < cells.size() ? cells[i] : std::string());
        Cell(page, x, textTop, column.width, text, cells.empty() ? Align::Centre : column.align, kBodyText,
             bold || cells.empty());
        x += column.width;
    }
}

void PageLayout::Line(PrintedPage& page, Tenths top, const std::string& text, bool bold) const {
    Cell(page, Left() - kCellPadding, top, Width() + 2 * kCellPadding, text, Align::Left, kBodyText, bold);
}

void PageLayout::Cell(PrintedPage& page, Tenths x, Tenths top, Tenths width, const std::string& text, Align align,
                      Tenths height, bool bold) const {
    if (text.empty()) return;
    const Tenths room = std::max<Tenths>(0, width - 2 * kCellPadding);
    const std::string fitted = FitText(text, room, height, bold, measure_);
    if (fitted.empty()) return;
    const Tenths used = measure_.Width(fitted, height, bold);
    Tenths left = x + kCellPadding;
    if (align == Align::Right) left = x + width - kCellPadding - used;
    else if (align == Align::Centre) left = x + (width - used) / 2;
    page.texts.push_back({left, top, height, fitted, bold});
}

void PageLayout::Frame(PrintedPage& page, int number, int count) const {
    const Tenths top = paper_.top;
    const Tenths half = Width() / 2;
    Cell(page, Left() - kCellPadding, top, half + 2 * kCellPadding, title_, Align::Left, kTitleText, true);
    Cell(page, Left() + half - kCellPadding, top + kTitleText - kBodyText, Width() - half + 2 * kCellPadding, date_,
         Align::Right);
    const Tenths rule = top + kTitleText + 25;
    page.lines.push_back({Left(), rule, Left() + Width(), rule, 4});
    const std::string folio = "第 " + std::to_string(number) + " 页 / 共 " + std::to_string(count) + " 页";
    Cell(page, Left(), paper_.height - paper_.bottom - kBodyText, Width(), folio, Align::Centre);
}

std::vector<PrintedPage> PageLayout::Finish() {
    if (pages_.size() > 1 && pageEmpty_) pages_.pop_back();
    const int count = static_cast<int>(pages_.size());
    for (int i = 0; i < count; ++i) Frame(pages_[i], i + 1, count);
    std::vector<PrintedPage> pages;
    pages.swap(pages_);
    NewPage();
    return pages;
}

}  // namespace mw
