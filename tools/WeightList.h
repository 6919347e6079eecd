// The weight list: every weighing the "重量" buttons made, with a price per tonne beside it, the
// costs and totals, kept in a file of its own with the program's other files and exported for
// spreadsheets.
#pragma once

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "pages/Weighing.h"
#include "settings/FileSystem.h"
#include "settings/SettingsFile.h"
#include "settings/WriteNotice.h"

namespace mw {

struct WeightRow {
    Weighing item;
    std::string time;              // "2026-12-09 14:05:03", local time of the press
    std::optional<double> price;   // yuan per tonne set on this row; otherwise the default
    int count = 1;                 // pieces of what was weighed; the row's weight is the single one × count
};

// What a quote made from the list says about whom it is for, kept in the list's file; an empty
// field (no tax rate) prints nothing.
struct QuoteHeader {
    std::string customer;              // 客户
    std::string project;               // 工程
    std::optional<double> taxPercent;  // gives "含税合计" under the total
    bool operator==(const QuoteHeader& other) const {
        return customer == other.customer && project == other.project && taxPercent == other.taxPercent;
    }
};

// How weights are shown: the unit system's weight unit and the decimal places.
struct WeightDisplay {
    bool tonnes = false;
    int decimals = 2;
    const char* Unit() const { return tonnes ? "t" : "kg"; }
    std::string Weight(double kilograms) const;
};

// The list's file, and the copies a damaged one is kept under (".damaged",
// ".damaged-2" …).
inline constexpr KeptFile kWeightListFile = {"WeightListKq.txt", ".damaged"};

class WeightList {
public:
    // `path` is the list's own file; nothing is read or written before Load.
    WeightList(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

    // Reads the file. A file that is not a weight list, or is damaged, is kept under a new name
    // (returned in `setAside`) and the list starts empty; false then.
    bool Load(std::string& setAside);

    const std::vector<WeightRow>& Rows() const { return rows_; }
    double DefaultPrice() const { return defaultPrice_; }
    double PriceOf(const WeightRow& row) const { return row.price ? *row.price : defaultPrice_; }
    static double KilogramsOf(const WeightRow& row) { return row.item.kilograms * row.count; }
    double CostOf(const WeightRow& row) const { return KilogramsOf(row) / 1000.0 * PriceOf(row); }
    double TotalKilograms() const;
    double TotalCost() const;
    double TotalSquareMetres() const;

    // Each change is written to the file at once; false when the file could not be written
    // (the list in memory is changed all the same).
    bool Add(const Weighing& item, const std::string& time);
    bool Remove(int index);
    bool Clear();
    bool SetDefaultPrice(double yuanPerTonne);
    bool SetRowPrice(int index, std::optional<double> yuanPerTonne);
    // A count below one is taken as one.
    bool SetRowCount(int index, int count);
    // A whole number of pieces from one up to a count no list of pieces reaches (so that a damaged
    // field is not taken as one).
    static bool IsPieceCount(double value) { return value >= 1 && value <= 1e9 && value == std::floor(value); }
    bool SetHeader(const QuoteHeader& header);
    const QuoteHeader& Header() const { return header_; }
    // The total with the header's tax added; none without a tax rate.
    std::optional<double> TotalWithTax() const;

    // The columns as the window and the exports head them; the exports add the weight's unit.
    static constexpr std::size_t kColumnCount = 10;
    static const char* const kColumnTitles[kColumnCount];
    // Row `index` as the window and the exports show it: number from 1, name, size, quantity,
    // count, weight of them all (cell kWeightCell, without its unit), their outer surface in m²
    // (empty where the calculator knows none), price, cost, time.
    static constexpr std::size_t kCountCell = 4;
    static constexpr std::size_t kWeightCell = 5;
    std::vector<std::string> RowCells(std::size_t index, const WeightDisplay& display) const;
    // Tab-separated lines with a header line, for the clipboard and spreadsheets.
    std::string TabText(const WeightDisplay& display) const;
    // The same as comma-separated values: UTF-8 with a byte-order mark, CRLF line ends.
    std::string CsvText(const WeightDisplay& display) const;

    // Runs after every change of rows or prices, once the file has been written (or not).
    std::function<void()> onChange;
    // Whether the last change reached the file.
    bool Saved() const { return saved_; }
    // Returns `written`; a failure is told in a box over `window` by the program files' rule
    // (the list stays in memory and the next change that can be written writes it whole).
    bool Told(bool written, ControlSurface& window) { return notice_.Told(written, window); }
    static constexpr const char* kWriteFailedText =
        "无法写入重量清单文件 WeightListKq.txt,记录暂存在本次运行中,能写入时一并保存。";

    // The file's text, and reading it back (false for anything that is not a whole weight list).
    std::string FileText() const;
    // Lists written before counts and the header were kept read as count 1 and an empty header.
    static bool ParseFileText(const std::string& text, std::vector<WeightRow>& rows, double& defaultPrice,
                              QuoteHeader& header);

private:
    bool Changed();
    std::vector<std::vector<std::string>> Table(const WeightDisplay& display) const;

    FileSystem& files_;
    std::string path_;
    std::vector<WeightRow> rows_;
    double defaultPrice_ = 0;
    QuoteHeader header_;
    bool saved_ = true;
    WriteNotice notice_{kWriteFailedText};
};

}  // namespace mw
