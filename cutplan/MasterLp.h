// The master linear programme of the cutting plan: how often to cut each known pattern so that
// every piece length is covered at least its count, each limited stock length used at most its
// count, at least cost. A dense revised simplex with an explicit basis inverse, small enough for
// a few hundred rows (its owner keeps it to a bounded number of rows: the inverse takes 8·rows²
// bytes, three times that while it is made afresh), warm-started as patterns are added and as
// counts change.
#pragma once

#include <functional>
#include <vector>

namespace mw {

class MasterLp {
public:
    struct Entry {
        int row;
        double coef;
    };

    // Rows 0 … coverRows-1 are covering rows (≥), the next limitRows rows are limits (≤).
    // Costs are expected near 1; `artificialCost` is what an uncovered unit of a row costs.
    MasterLp(int coverRows, int limitRows, double artificialCost = 1e4);

    // A pattern column; returns its number among the patterns (0, 1, 2 …).
    int AddPattern(double cost, const std::vector<Entry>& entries);
    int PatternCount() const { return static_cast<int>(columns_.size()) - logicals_; }
    const std::vector<Entry>& PatternEntries(int pattern) const { return columns_[logicals_ + pattern].entries; }
    double PatternCost(int pattern) const { return columns_[logicals_ + pattern].cost; }

    // Starts from a basis of the given pattern per row (-1: the row's own artificial or slack),
    // e.g. one pattern of each single piece length, which needs no artificial at all. False
    // (and the logical basis kept) when those patterns do not make a basis.
    bool SetBasis(const std::vector<int>& patternPerRow);
    // New right-hand sides (counts left to cover, bars left in stock); the basis is kept and
    // made feasible again by dual simplex steps. False when the pivots run out.
    bool SetRhs(const std::vector<double>& rhs);
    // Primal simplex to optimality over the columns known; false when the pivots run out or the
    // numbers fail.
    bool Optimize();

    const std::vector<double>& Duals();
    double Objective() const;
    // Amount still covered only by artificial units: above zero when the rows cannot all be met.
    double Shortfall() const;
    // Pattern columns at a positive level, with their levels.
    std::vector<std::pair<int, double>> PositivePatterns() const;

    // Remembers the programme as it stands; Rewind goes back to it, dropping the patterns added
    // since, without a second programme in memory.
    void Mark();
    void Rewind();

    int pivotLimit = 200000;
    // Asked every few dozen pivots and every few dozen rows of a fresh inverse; true ends
    // Optimize and SetRhs early (false from them).
    std::function<bool()> stop;
    // Counts the work done (about one unit per multiply-add), when set.
    long long* work = nullptr;

private:
    struct Column {
        double cost;
        std::vector<Entry> entries;
        bool artificial;
    };

    void ResetToLogicals();
    bool Refactor();
    void Spend(long long units) {
        if (work) *work += units;
    }
    void ComputeDuals();
    void Ftran(const Column& column, std::vector<double>& w);
    double ReducedCost(const Column& column) const;
    void Pivot(int row, int entering, const std::vector<double>& w, double reducedCost);

    int rows_;
    int coverRows_;
    int logicals_;
    std::vector<Column> columns_;
    std::vector<int> basis_;          // column per row
    std::vector<int> position_;       // row per column, -1 when not basic
    std::vector<double> inverse_;     // rows_ × rows_, row-major
    std::vector<double> rhs_;
    std::vector<double> x_;           // basic levels per row
    std::vector<double> duals_;
    std::vector<int> nonzeros_;
    bool dualsFresh_ = false;
    int sinceRefactor_ = 0;
    int pivots_ = 0;
    bool interrupted_ = false;  // a fresh inverse was stopped halfway: the programme gives up

    struct Saved {
        std::size_t columns = 0;
        std::vector<int> basis;
        std::vector<double> inverse, rhs, x;
        int pivots = 0;
    } mark_;
};

}  // namespace mw
