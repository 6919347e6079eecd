// The weight list's rows, arithmetic, file and exports.
#include "tools/WeightList.h"

#include <cmath>
#include <iterator>
#include <cstdlib>

#include "settings/TextFields.h"

namespace mw {

namespace {

const char kSignature[] = "材料重量清单\t1";
const char kDefaultPriceKey[] = "默认单价";
const char kCustomerKey[] = "客户";
const char kProjectKey[] = "工程";
const char kTaxKey[] = "税率";
// A row's fields; lists written before the count was kept have one field less, and before the
// surface was kept two.
constexpr std::size_t kRowFields = 8;
constexpr std::size_t kRowFieldsWithoutCount = 7;
constexpr std::size_t kRowFieldsWithoutSurface = 6;

std::vector<std::string> Split(const std::string& line, char separator) {
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == separator) fields.emplace_back();
        else fields.back() += c;
    }
    return fields;
}

}  // namespace

const char* const WeightList::kColumnTitles[kColumnCount] = {
    "序号", "名称", "规格", "长度/面积/数量", "件数", "重量", "面积(m²)", "单价(元/吨)", "金额(元)", "时间"};

std::string WeightDisplay::Weight(double kilograms) const {
    return FormatWeight(tonnes ? kilograms / 1000.0 : kilograms, decimals);
}

bool WeightList::Load(std::string& setAside) {
    setAside.clear();
    rows_.clear();
    defaultPrice_ = 0;
    header_ = {};
    std::string text;
    if (!files_.ReadFile(path_, text)) return true;  // no list yet
    if (ParseFileText(text, rows_, defaultPrice_, header_)) return true;
    rows_.clear();
    defaultPrice_ = 0;
    header_ = {};
    setAside = SetAsideDamaged(files_, path_, kWeightListFile.copies, text);
    return false;
}

double WeightList::TotalKilograms() const {
    double total = 0;
    for (const WeightRow& row : rows_) total += KilogramsOf(row);
    return total;
}

double WeightList::TotalSquareMetres() const {
    double total = 0;
    for (const WeightRow& row : rows_) total += row.item.squareMetres.value_or(0) * row.count;
    return total;
}

double WeightList::TotalCost() const {
    double total = 0;
    for (const WeightRow& row : rows_) total += CostOf(row);
    return total;
}

bool WeightList::Add(const Weighing& item, const std::string& time) {
    rows_.push_back({item, time, std::nullopt, 1});
    return Changed();
}

bool WeightList::Remove(int index) {
    if (index < 0 || index >= static_cast<int>(rows_.size())) return true;
    rows_.erase(rows_.begin() + index);
    return Changed();
}

bool WeightList::Clear() {
    rows_.clear();
    return Changed();
}

bool WeightList::SetDefaultPrice(double yuanPerTonne) {
    defaultPrice_ = yuanPerTonne;
    return Changed();
}

bool WeightList::SetRowPrice(int index, std::optional<double> yuanPerTonne) {
    if (index < 0 || index >= static_cast<int>(rows_.size())) return true;
    rows_[index].price = yuanPerTonne;
    return Changed();
}

bool WeightList::SetRowCount(int index, int count) {
    if (index < 0 || index >= static_cast<int>(rows_.size())) return true;
    rows_[index].count = count < 1 ? 1 : count;
    return Changed();
}

bool WeightList::SetHeader(const QuoteHeader& header) {
    if (header == header_) return saved_;
    header_ = header;
    return Changed();
}

std::optional<double> WeightList::TotalWithTax() const {
    if (!header_.taxPercent) return std::nullopt;
    return TotalCost() * (1 + *header_.taxPercent / 100.0);
}

bool WeightList::Changed() {
    saved_ = files_.ReplaceWhole(path_, FileText());
    if (onChange) onChange();
    return saved_;
}

std::string WeightList::FileText() const {
    std::string text = std::string(kSignature) + "\r\n";
    text += std::string(kDefaultPriceKey) + "\t" + ExactNumber(defaultPrice_) + "\r\n";
    if (!header_.customer.empty()) text += std::string(kCustomerKey) + "\t" + EscapeField(header_.customer) + "\r\n";
    if (!header_.project.empty()) text += std::string(kProjectKey) + "\t" + EscapeField(header_.project) + "\r\n";
    if (header_.taxPercent) text += std::string(kTaxKey) + "\t" + ExactNumber(*header_.taxPercent) + "\r\n";
    for (const WeightRow& row : rows_) {
        text += EscapeField(row.item.calculator) + "\t" + EscapeField(row.item.size) + "\t" +
                EscapeField(row.item.quantity) + "\t" + ExactNumber(row.item.kilograms) + "\t" +
                EscapeField(row.time) + "\t" + (row.price ? ExactNumber(*row.price) : std::string()) + "\t" +
                (row.item.squareMetres ? ExactNumber(*row.item.squareMetres) : std::string()) + "\t" +
                std::to_string(row.count) + "\r\n";
    }
    return text;
}

bool WeightList::ParseFileText(const std::string& text, std::vector<WeightRow>& rows, double& defaultPrice,
                               QuoteHeader& header) {
    std::vector<std::string> lines = Split(text, '\n');
    if (!lines.empty() && lines.back().empty()) lines.pop_back();  // the last line's end
    for (std::string& line : lines) {
        if (line.empty() || line.back() != '\r') return false;
        line.pop_back();
    }
    if (lines.size() < 2 || lines[0] != kSignature) return false;
    const std::vector<std::string> price = Split(lines[1], '\t');
    if (price.size() != 2 || price[0] != kDefaultPriceKey || !ParseNumberField(price[1], defaultPrice)) return false;
    rows.clear();
    header = {};
    std::size_t i = 2;
    // The header's lines, each at most once, stand between the price and the rows.
    for (; i < lines.size(); ++i) {
        const std::vector<std::string> fields = Split(lines[i], '\t');
        if (fields.size() != 2) break;
        if (fields[0] == kCustomerKey && header.customer.empty()) {
            if (!UnescapeField(fields[1], header.customer)) return false;
        } else if (fields[0] == kProjectKey && header.project.empty()) {
            if (!UnescapeField(fields[1], header.project)) return false;
        } else if (fields[0] == kTaxKey && !header.taxPercent) {
            double rate = 0;
            if (!ParseNumberField(fields[1], rate)) return false;
            header.taxPercent = rate;
        } else {
            return false;
        }
    }
    for (; i < lines.size(); ++i) {
        const std::vector<std::string> fields = Split(lines[i], '\t');
        if (fields.size() != kRowFields && fields.size() != kRowFieldsWithoutCount &&
            fields.size() != kRowFieldsWithoutSurface)
            return false;
        WeightRow row;
        double number = 0;
        if (!UnescapeField(fields[0], row.item.calculator) || !UnescapeField(fields[1], row.item.size) ||
            !UnescapeField(fields[2], row.item.quantity) || !ParseNumberField(fields[3], row.item.kilograms) ||
            !UnescapeField(fields[4], row.time))
            return false;
        if (!fields[5].empty()) {
            if (!ParseNumberField(fields[5], number)) return false;
            row.price = number;
        }
        if (fields.size() >= kRowFieldsWithoutCount && !fields[6].empty()) {
            if (!ParseNumberField(fields[6], number)) return false;
            row.item.squareMetres = number;
        }
        if (fields.size() == kRowFields) {
            if (!ParseNumberField(fields[7], number) || !IsPieceCount(number))
                return false;
            row.count = static_cast<int>(number);
        }
        rows.push_back(std::move(row));
    }
    return true;
}

std::vector<std::string> WeightList::RowCells(std::size_t index, const WeightDisplay& display) const {
    const WeightRow& row = rows_[index];
    return {std::to_string(index + 1), row.item.calculator, row.item.size, row.item.quantity, std::to_string(row.count),
            display.Weight(KilogramsOf(row)),
            row.item.squareMetres ? SquareMetres(*row.item.squareMetres * row.count) : std::string(),
            PlainNumber(PriceOf(row), 2), Money(CostOf(row)), row.time};
}

std::vector<std::vector<std::string>> WeightList::Table(const WeightDisplay& display) const {
    std::vector<std::vector<std::string>> table;
    table.emplace_back(std::begin(kColumnTitles), std::end(kColumnTitles));
    table.back()[kWeightCell] += std::string("(") + display.Unit() + ")";
    for (std::size_t i = 0; i < rows_.size(); ++i) table.push_back(RowCells(i, display));
    bool anySurface = false;
    for (const WeightRow& row : rows_) anySurface = anySurface || row.item.squareMetres.has_value();
    table.push_back({"合计", "", "", "", "", display.Weight(TotalKilograms()),
                     anySurface ? SquareMetres(TotalSquareMetres()) : std::string(), "", Money(TotalCost()), ""});
    return table;
}

std::string WeightList::TabText(const WeightDisplay& display) const {
    std::string text;
    for (const std::vector<std::string>& cells : Table(display)) {
        for (std::size_t i = 0; i < cells.size(); ++i) {
            std::string cell = cells[i];
            for (char& c : cell)
                if (c == '\t' || c == '\r' || c == '\n') c = ' ';  // a cell stays one cell
            text += (i ? "\t" : "") + cell;
        }
        text += "\r\n";
    }
    return text;
}

std::string WeightList::CsvText(const WeightDisplay& display) const {
    std::string text = "\xEF\xBB\xBF";
    for (const std::vector<std::string>& cells : Table(display)) {
        for (std::size_t i = 0; i < cells.size(); ++i) text += (i ? "," : "") + CsvField(cells[i]);
        text += "\r\n";
    }
    return text;
}

}  // namespace mw
