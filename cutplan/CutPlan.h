// A cutting plan: the distinct patterns with how many bars each, and the totals a buyer reads.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "cutplan/CutJob.h"

namespace mw {

struct CutPattern {
    CutPattern(int times = 0, int stock = 0, double stockLength = 0, std::vector<double> pieces = {}, double offcut = 0,
               std::vector<std::string> marks = {})
        : times(times), stock(stock), stockLength(stockLength), pieces(std::move(pieces)), offcut(offcut),
          marks(std::move(marks)) {}
    int times = 0;
    int stock = 0;               // row of the job's stock
    double stockLength = 0;      // mm
    std::vector<double> pieces;  // mm, longest first
    double offcut = 0;           // mm left after the last cut; 0 when the last piece ends at the bar's end
    std::vector<std::string> marks;  // each piece's mark when the job has marks, else empty
    bool fromOffcut = false;     // cut from an offcut kept in stock
};

struct StockTotal {
    double length = 0;  // mm
    long long bars = 0;
    double cost = 0;    // yuan
    bool offcut = false;  // offcuts kept in stock, not bought
};

// Pieces the bars on hand leave uncut.
struct ShortPiece {
    double length = 0;  // mm
    long long count = 0;
    std::string mark;
};

// What the plan is measured by: bars with one stock length, else yuan when bars have prices
// (their own or by weight), else millimetres of stock bought.
enum class PlanMeasure { Bars, Yuan, Millimetres };

struct CutPlan {
    bool found = false;
    std::string message;   // why there is no plan (bad job, not enough stock, cancelled)
    bool stopped = false;  // cancelled or out of time: the best plan found by then
    std::vector<CutPattern> patterns;
    std::vector<StockTotal> perStock;  // one per stock row
    long long bars = 0;
    double boughtLength = 0;     // mm
    double boughtKilograms = 0;
    double usedKilograms = 0;    // the pieces
    double wastePercent = 0;     // of the bought length
    double cost = 0;             // yuan; 0 without prices
    std::vector<std::pair<double, long long>> reusableOffcuts;  // length, number of bars; longest first
    PlanMeasure measure = PlanMeasure::Bars;
    double value = 0;            // the plan in its measure
    double bound = 0;            // no plan measures less
    bool optimal = false;        // the plan meets the bound
    // A short plan (every stock row counted, too few bars): the most piece length the bars on
    // hand can cut, then the fewest bars; what they leave, longest first. Empty for a whole plan.
    std::vector<ShortPiece> shortPieces;
};

// Fills the totals of `plan` from its patterns.
void SumUpCutPlan(const CutJob& job, CutPlan& plan);

// The first way the plan breaks the job (a piece missing or extra, beyond what it lists as short, a bar overfull, more bars of
// a length than are on hand); empty for a sound plan.
std::string CheckCutPlan(const CutJob& job, const CutPlan& plan);

// The mark of a pattern's piece `i` ("" for none).
inline const std::string& PieceMark(const CutPattern& pattern, std::size_t i) {
    static const std::string none;
    return i < pattern.marks.size() ? pattern.marks[i] : none;
}

// Gives each piece of the plan its mark: the job's rows of a length in their order, bar after
// bar. Bars of a pattern whose marks differ become patterns of their own. Nothing changes for a
// job without marks.
void AssignCutMarks(const CutJob& job, CutPlan& plan);

// The command line's output: `pattern TIMES STOCK LEN LEN …` a line (`LEN:MARK` for a marked piece),
// `short LEN COUNT` a line for each length a short plan leaves uncut, then `bars N` and
// `bound N` (bars with one stock length; otherwise `cost` and `bound` in yuan or mm).
std::string CutPlanText(const CutPlan& plan);

}  // namespace mw
