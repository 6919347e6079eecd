// A cutting job: the section, the stock lengths on offer, the saw's kerf and the end trim, the
// pieces wanted; its checks, and its text (the command line's input and the window's saved job).
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/FileSystem.h"
#include "settings/SettingsFile.h"
#include "settings/WriteNotice.h"

namespace mw {

struct StockRow {
    StockRow(double length = 0, std::optional<double> count = {}, std::optional<double> price = {}, int line = 0)
        : length(length), count(count), price(price), line(line) {}
    double length = 0;             // mm
    std::optional<double> count;   // bars on hand; none: as many as needed
    std::optional<double> price;   // yuan per bar; none: by weight at the section's price
    int line = 0;                  // row number that messages name
    bool offcut = false;           // an offcut kept from an earlier job (余料): costs nothing, used first
};

struct PieceRow {
    PieceRow(double length = 0, double count = 0, int line = 0, std::string mark = {})
        : length(length), count(count), line(line), mark(std::move(mark)) {}
    double length = 0;  // mm
    double count = 0;   // a whole number once checked
    int line = 0;
    std::string mark;   // the part's mark (构件号), "" for none; kept apart from the same length's other marks
};

// A count that is a whole number (finite, no fraction).
bool Whole(double value);
// Text of nothing but spaces and tabs, or none.
bool Blank(const std::string& text);

// A line's cells, split at any of `separators`; a carriage return dropped. One cell for an empty line.
std::vector<std::string> SplitCells(const std::string& line, std::string_view separators = "\t,");

// A mark as typed or pasted, made fit for the job's text: no spaces at its ends, none doubled,
// a tab as a space.
std::string CleanMark(const std::string& text);

// Lengths in mm. Each cut takes `kerf`, except after a piece that ends at the bar's end.
// `trim` is taken once from every bar, in total (the squared end), before any piece.
struct CutJob {
    std::string section;           // name and size as the weight list writes them
    double kilogramsPerMetre = 0;
    double pricePerTonne = 0;      // yuan
    double reusableLength = 0;     // offcuts at least this long are listed (0: none listed)
    std::vector<StockRow> stock;
    double kerf = 0;
    double trim = 0;
    std::vector<PieceRow> pieces;
};

// Each row's `line` set to its place in its table (from 1), as the window names rows.
void NumberRows(CutJob& job);

// The first fault of the job in the user's terms, naming the row; empty when it can be planned.
std::string CheckCutJob(const CutJob& job);

// Pieces pasted from a spreadsheet: a row a line, length, count and mark, tab or comma separated
// (a missing count is one, a missing mark none). A first line that is no number is a header. False with the line named.
bool ParsePastedPieces(const std::string& text, std::vector<PieceRow>& pieces, std::string& error);

// Lengths are planned exactly: on a grid of 10^-d mm, d the most decimals any length of the job
// (kerf and trim included) is typed with. More than this many decimals is refused.
inline constexpr int kMaxLengthDecimals = 6;
// The decimals a length is typed with (0 for a whole number); kMaxLengthDecimals + 1 beyond that.
int LengthDecimals(double mm);
// The grid of a job: 10^d grid units a millimetre.
std::int64_t CutJobScale(const CutJob& job);
// A length in grid units of `scale` a millimetre (exact for a length of at most its decimals).
inline std::int64_t GridUnits(double mm, std::int64_t scale) {
    return static_cast<std::int64_t>(std::llround(mm * static_cast<double>(scale)));
}

// The directives, one a line, `#` starting a comment:
//   stock LENGTH [COUNT|-] [PRICE]   kerf MM   trim MM   piece LENGTH COUNT [MARK]
// and for the saved job also: section TEXT, weight KG_PER_M, price YUAN_PER_TONNE, reusable MM.
// Rows get their file line as `line`. False with `error` naming the line on any fault of form
// (a value out of range is left to CheckCutJob).
bool ParseCutJob(const std::string& text, CutJob& job, std::string& error);
// The whole job as directives (UTF-8, CRLF), read back by ParseCutJob to the same job.
std::string CutJobText(const CutJob& job);

// A job of several sections: each `section NAME` line after the first starts the next section;
// what comes before the first one belongs to the first section, so that a job of one section
// (with or without its `section` line) reads as before. Lines keep their file numbers.
// `named` (when given) tells whether the text had any `section` line.
bool ParseCutJobSections(const std::string& text, std::vector<CutJob>& sections, std::string& error,
                         bool* named = nullptr);
// The sections as one text: a single one exactly as CutJobText writes it, several each after its
// `section` line. Read back by ParseCutJobSections to the same sections.
std::string CutJobSectionsText(const std::vector<CutJob>& sections);

// The window's last job, kept whole in a file of its own.
// The saved job's file, and the copies a damaged one is kept under.
inline constexpr KeptFile kCutJobFile = {"CutJobKq.txt", ".damaged"};

class CutJobFile {
public:
    CutJobFile(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}
    // False when the file was damaged: it is kept under a new name (in `setAside`) and the job
    // starts empty. A missing file gives an empty job and true.
    bool Load(CutJob& job, std::string& setAside);
    bool Save(const CutJob& job);
    // The same for a job of several sections; at least one section comes back.
    bool Load(std::vector<CutJob>& sections, std::string& setAside);
    bool Save(const std::vector<CutJob>& sections);
    // Returns `written`; a failure is told in a box over `window` by the program files' rule
    // (the window keeps the job and writes it whole at its next change that can be written).
    bool Told(bool written, ControlSurface& window) { return notice_.Told(written, window); }
    static constexpr const char* kWriteFailedText =
        "无法写入下料任务文件 CutJobKq.txt,任务暂存在本次运行中,能写入时一并保存。";

private:
    FileSystem& files_;
    std::string path_;
    WriteNotice notice_{kWriteFailedText};
};

}  // namespace mw
