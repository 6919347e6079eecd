// The cutting job's checks, its directive text and its file.
#include "cutplan/CutJob.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "expr/CalcExpression.h"
#include "settings/TextFields.h"

namespace mw {

bool Whole(double value) { return std::isfinite(value) && value == std::floor(value); }

std::vector<std::string> SplitCells(const std::string& line, std::string_view separators) {
    std::vector<std::string> cells(1);
    for (char c : line) {
        if (separators.find(c) != std::string_view::npos) cells.emplace_back();
        else if (c != '\r') cells.back() += c;
    }
    return cells;
}

bool Blank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

namespace {

// Far beyond any job of this kind; keeps the solver's grid and the counts in range.
constexpr double kMaxLength = 100000;  // mm
constexpr double kMaxPieces = 100000;
// Prices and weights far beyond any steel, low enough that a plan's cost stays a whole number
// of fen in 64 bits: 100000 kg/m × 100 m × 1e8 元/t is 1e12 元 a bar.
constexpr double kMaxPrice = 1e8;        // 元 a bar, or 元/t
constexpr double kMaxKilogramsPerMetre = 100000;

std::string Row(const char* table, int line) { return std::string(table) + "第" + std::to_string(line) + "行: "; }

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    for (char c : line) {
        if (c == ' ' || c == '\t' || c == '\r') {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(word);
    return words;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool SectionLine(const std::string& trimmed) {
    return trimmed.compare(0, 7, "section") == 0 && (trimmed.size() == 7 || trimmed[7] == ' ' || trimmed[7] == '\t');
}

std::int64_t PowerOfTen(int decimals) {
    std::int64_t scale = 1;
    for (int d = 0; d < std::min(decimals, kMaxLengthDecimals); ++d) scale *= 10;
    return scale;
}

std::string Decimals(const std::string& what) {
    return what + "最多" + std::to_string(kMaxLengthDecimals) + "位小数";
}

}  // namespace

std::string CleanMark(const std::string& text) {
    std::string mark;
    for (char c : text) {
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
        if (c == ' ' && (mark.empty() || mark.back() == ' ')) continue;
        mark += c;
    }
    while (!mark.empty() && mark.back() == ' ') mark.pop_back();
    return mark;
}

int LengthDecimals(double mm) {
    double scale = 1;
    for (int d = 0; d <= kMaxLengthDecimals; ++d, scale *= 10) {
        // Typed with d decimals when the nearest multiple of 10^-d mm reads back as the same number.
        const double units = std::round(mm * scale);
        if (std::fabs(units / scale - mm) <= 4e-16 * std::max(1.0, std::fabs(mm))) return d;
    }
    return kMaxLengthDecimals + 1;
}

std::int64_t CutJobScale(const CutJob& job) {
    int decimals = std::max(LengthDecimals(job.kerf), LengthDecimals(job.trim));
    for (const StockRow& row : job.stock) decimals = std::max(decimals, LengthDecimals(row.length));
    for (const PieceRow& row : job.pieces) decimals = std::max(decimals, LengthDecimals(row.length));
    return PowerOfTen(decimals);
}

void NumberRows(CutJob& job) {
    for (std::size_t i = 0; i < job.stock.size(); ++i) job.stock[i].line = static_cast<int>(i) + 1;
    for (std::size_t i = 0; i < job.pieces.size(); ++i) job.pieces[i].line = static_cast<int>(i) + 1;
}

std::string CheckCutJob(const CutJob& job) {
    if (!std::isfinite(job.kilogramsPerMetre) || job.kilogramsPerMetre < 0) return "米重不能为负数";
    if (job.kilogramsPerMetre > kMaxKilogramsPerMetre) return "米重不能超过100000 kg/m";
    if (!std::isfinite(job.pricePerTonne) || job.pricePerTonne < 0) return "单价不能为负数";
    if (job.pricePerTonne > kMaxPrice) return "单价不能超过100000000元";
    if (!std::isfinite(job.kerf) || job.kerf < 0 || job.kerf > kMaxLength) return "锯缝必须在0到100000 mm之间";
    if (!std::isfinite(job.trim) || job.trim < 0 || job.trim > kMaxLength) return "端头余量必须在0到100000 mm之间";
    if (!std::isfinite(job.reusableLength) || job.reusableLength < 0) return "余料可用长度不能为负数";
    if (LengthDecimals(job.kerf) > kMaxLengthDecimals) return Decimals("锯缝");
    if (LengthDecimals(job.trim) > kMaxLengthDecimals) return Decimals("端头余量");
    if (job.stock.empty()) return "请输入至少一种原料长度";
    if (job.pieces.empty()) return "请输入零件";
    const bool weighed = job.kilogramsPerMetre > 0 && job.pricePerTonne > 0;
    bool anyPrice = false;
    // Compared on the planning grid, so that no rounding refuses a piece that fits exactly. (A
    // length unfit for the grid is refused below before it is compared; every length compared has
    // at most the grid's decimals, so the grid's size does not change what is refused.)
    const std::int64_t scale = CutJobScale(job);
    std::int64_t longest = 0;
    for (const StockRow& row : job.stock) {
        const std::string at = Row("原料", row.line);
        if (!std::isfinite(row.length) || row.length <= 0) return at + "长度必须大于0";
        if (row.length > kMaxLength) return at + "长度不能超过100000 mm";
        if (row.length <= job.trim) return at + "长度必须大于端头余量";
        if (LengthDecimals(row.length) > kMaxLengthDecimals) return Decimals(at + "长度");
        if (row.count && (!Whole(*row.count) || *row.count < 0 || *row.count > kMaxPieces))
            return at + "数量必须是不小于0的整数(不填为不限)";
        if (row.price && (!std::isfinite(*row.price) || *row.price < 0)) return at + "单价不能为负数";
        if (row.price && *row.price > kMaxPrice) return at + "单价不能超过100000000元";
        anyPrice = anyPrice || (row.price && !row.offcut);  // an offcut costs nothing, priced or not
        if (!row.count || *row.count > 0)
            longest = std::max(longest, GridUnits(row.length, scale) - GridUnits(job.trim, scale));
    }
    if (anyPrice && !weighed)
        for (const StockRow& row : job.stock)
            if (!row.price && !row.offcut) return Row("原料", row.line) + "其他原料有单价, 此行也要填单价(或填写米重和吨价)";
    double total = 0;
    for (const PieceRow& row : job.pieces) {
        const std::string at = Row("零件", row.line);
        if (!std::isfinite(row.length) || row.length <= 0) return at + "长度必须大于0";
        if (LengthDecimals(row.length) > kMaxLengthDecimals) return Decimals(at + "长度");
        if (!Whole(row.count) || row.count <= 0) return at + "数量必须是正整数";
        if (row.mark.find('#') != std::string::npos || row.mark != CleanMark(row.mark))
            return at + "构件号不能含有“#”";
        total += row.count;
        if (total > kMaxPieces) return at + "零件总数不能超过100000";
        if (row.length > kMaxLength || GridUnits(row.length, scale) > longest) return at + "长度" + ShortestNumber(row.length) + "比所有原料的可用长度都长";
    }
    return "";
}

bool ParseCutJob(const std::string& text, CutJob& job, std::string& error) {
    job = CutJob();
    error.clear();
    std::istringstream in(text);
    std::string raw;
    int line = 0;
    auto fail = [&](const std::string& message) {
        error = "第" + std::to_string(line) + "行: " + message;
        return false;
    };
    while (std::getline(in, raw)) {
        ++line;
        if (line == 1 && raw.compare(0, 3, "\xEF\xBB\xBF") == 0) raw.erase(0, 3);
        const std::string trimmed = Trimmed(raw);
        if (SectionLine(trimmed)) {
            // The name runs to the line's end, `#` included.
            if (!UnescapeField(Trimmed(trimmed.substr(7)), job.section)) return fail("名称中的转义符不对");
            continue;
        }
        std::vector<std::string> words = Words(trimmed.substr(0, trimmed.find('#')));
        if (words.empty()) continue;
        const std::string name = words[0];
        std::string mark;  // a piece's words after its count
        if (name == "piece" && words.size() > 3) {
            for (std::size_t k = 3; k < words.size(); ++k) mark += (k > 3 ? " " : "") + words[k];
            words.resize(3);
        }
        std::vector<double> values;
        std::vector<bool> given;
        for (std::size_t k = 1; k < words.size(); ++k) {
            double value = 0;
            const bool blank = words[k] == "-";
            if (!blank && !ParseNumberField(words[k], value)) return fail("“" + words[k] + "”不是数字");
            values.push_back(value);
            given.push_back(!blank);
        }
        auto needs = [&](std::size_t least, std::size_t most, std::size_t blanksFrom) {
            if (values.size() < least || values.size() > most) return false;
            for (std::size_t k = 0; k < given.size(); ++k)
                if (!given[k] && k < blanksFrom) return false;
            return true;
        };
        if (name == "stock") {
            if (!needs(1, 3, 1)) return fail("格式为 stock 长度 [数量|-] [单价]");
            StockRow row;
            row.length = values[0];
            if (values.size() > 1 && given[1]) row.count = values[1];
            if (values.size() > 2 && given[2]) row.price = values[2];
            row.line = line;
            job.stock.push_back(row);
        } else if (name == "piece") {
            if (!needs(2, 2, 2)) return fail("格式为 piece 长度 数量 [构件号]");
            job.pieces.push_back({values[0], values[1], line, mark});
        } else if (name == "kerf" || name == "trim" || name == "weight" || name == "price" || name == "reusable") {
            if (!needs(1, 1, 1)) return fail("格式为 " + name + " 数值");
            double& target = name == "kerf" ? job.kerf : name == "trim" ? job.trim
                           : name == "weight" ? job.kilogramsPerMetre : name == "price" ? job.pricePerTonne
                           : job.reusableLength;
            target = values[0];
        } else {
            return fail("不认识的指令“" + name + "”");
        }
    }
    return true;
}

bool ParsePastedPieces(const std::string& text, std::vector<PieceRow>& pieces, std::string& error) {
    pieces.clear();
    std::size_t start = 0;
    int line = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string current = text.substr(start, end - start);
        start = end + 1;
        ++line;
        if (Blank(current) || current == "\r") continue;
        const std::vector<std::string> cells = SplitCells(current);
        const double length = CalcExpression(cells[0]);
        if (line == 1 && !(length > 0)) continue;  // a header
        const double count = cells.size() > 1 && !Blank(cells[1]) ? CalcExpression(cells[1]) : 1;
        if (!(length > 0)) {
            error = "粘贴的第" + std::to_string(line) + "行: 长度必须大于0";
            return false;
        }
        if (!Whole(count) || count <= 0) {
            error = "粘贴的第" + std::to_string(line) + "行: 数量必须是正整数";
            return false;
        }
        PieceRow row;
        row.length = length;
        row.count = count;
        row.mark = cells.size() > 2 ? CleanMark(cells[2]) : "";
        if (row.mark.find('#') != std::string::npos) {
            error = "粘贴的第" + std::to_string(line) + "行: 构件号不能含有“#”";
            return false;
        }
        pieces.push_back(row);
    }
    if (pieces.empty()) {
        error = "剪贴板中没有零件(每行: 长度, 数量)";
        return false;
    }
    return true;
}

namespace {

// The directives of one section; its `section` line when it has a name or `always`.
std::string SectionText(const CutJob& job, bool always) {
    std::string text;
    if (always || !job.section.empty())
        text += job.section.empty() ? std::string("section\r\n") : "section " + EscapeField(job.section) + "\r\n";
    text += "weight " + ShortestNumber(job.kilogramsPerMetre) + "\r\n";
    text += "price " + ShortestNumber(job.pricePerTonne) + "\r\n";
    text += "reusable " + ShortestNumber(job.reusableLength) + "\r\n";
    text += "kerf " + ShortestNumber(job.kerf) + "\r\n";
    text += "trim " + ShortestNumber(job.trim) + "\r\n";
    for (const StockRow& row : job.stock) {
        text += "stock " + ShortestNumber(row.length);
        if (row.count || row.price) text += " " + (row.count ? ShortestNumber(*row.count) : std::string("-"));
        if (row.price) text += " " + ShortestNumber(*row.price);
        text += "\r\n";
    }
    for (const PieceRow& row : job.pieces)
        text += "piece " + ShortestNumber(row.length) + " " + ShortestNumber(row.count) +
                (row.mark.empty() ? "" : " " + row.mark) + "\r\n";
    return text;
}

}  // namespace

std::string CutJobText(const CutJob& job) { return "# 下料任务\r\n" + SectionText(job, false); }

bool ParseCutJobSections(const std::string& text, std::vector<CutJob>& sections, std::string& error, bool* named) {
    sections.clear();
    error.clear();
    if (named) *named = false;
    // Each section's lines are read by ParseCutJob behind as many empty lines as came before
    // them, so that a message names the line of the file.
    std::vector<std::string> blocks(1);
    bool seen = false;
    int line = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string raw = text.substr(start, end - start);
        start = end + 1;
        ++line;
        if (line == 1 && raw.compare(0, 3, "\xEF\xBB\xBF") == 0) raw.erase(0, 3);
        if (SectionLine(Trimmed(raw))) {
            if (seen) blocks.push_back(std::string(static_cast<std::size_t>(line - 1), '\n'));
            seen = true;
        }
        blocks.back() += raw + "\n";
    }
    if (named) *named = seen;
    for (const std::string& block : blocks) {
        CutJob job;
        if (!ParseCutJob(block, job, error)) {
            sections.clear();
            return false;
        }
        sections.push_back(job);
    }
    return true;
}

std::string CutJobSectionsText(const std::vector<CutJob>& sections) {
    if (sections.size() == 1) return CutJobText(sections[0]);
    std::string text = "# 下料任务\r\n";
    for (const CutJob& job : sections) text += SectionText(job, true);
    return text;
}

bool CutJobFile::Load(CutJob& job, std::string& setAside) {
    setAside.clear();
    job = CutJob();
    std::string text, error;
    if (!files_.ReadFile(path_, text)) return true;  // no job yet
    if (ParseCutJob(text, job, error)) {
        NumberRows(job);  // the window names rows by their place in its tables
        return true;
    }
    job = CutJob();
    setAside = SetAsideDamaged(files_, path_, kCutJobFile.copies, text);
    return false;
}

bool CutJobFile::Save(const CutJob& job) { return files_.ReplaceWhole(path_, CutJobText(job)); }

bool CutJobFile::Load(std::vector<CutJob>& sections, std::string& setAside) {
    setAside.clear();
    sections.assign(1, CutJob());
    std::string text, error;
    if (!files_.ReadFile(path_, text)) return true;  // no job yet
    if (ParseCutJobSections(text, sections, error)) {
        for (CutJob& job : sections) NumberRows(job);
        return true;
    }
    sections.assign(1, CutJob());
    setAside = SetAsideDamaged(files_, path_, kCutJobFile.copies, text);
    return false;
}

bool CutJobFile::Save(const std::vector<CutJob>& sections) {
    return files_.ReplaceWhole(path_, CutJobSectionsText(sections));
}

}  // namespace mw
