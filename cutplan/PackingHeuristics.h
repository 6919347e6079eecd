// The quick plans of the cutting-stock problem: greedy packing, equal bars merged into patterns,
// and an exact search over a few pieces that the solver uses to finish and to improve its plans.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "cutplan/PackingTypes.h"

namespace mw {

using PackBar = std::pair<int, std::vector<int>>;  // stock, counts per item

double CostOf(const PackProblem& problem, const std::vector<PackBar>& bars);

// Equal bars become one pattern; patterns in a fixed order (stock, then contents).
PackPlan PlanOf(const PackProblem& problem, const std::vector<PackBar>& bars);

// The plan of these patterns, in the same order as PlanOf's, with their bars and cost.
PackPlan PlanOfPatterns(const PackProblem& problem, std::vector<PackPattern> patterns);

// Fewer saw set-ups for the same bars: two patterns of one stock whose pieces share out evenly
// over all their bars become one pattern, cut as often as both were together.
// Each pair tried is told to `more` with its work; merging ends when `more` says false.
void MergePatterns(const PackProblem& problem, PackPlan& plan, const std::function<bool(long long)>& more = {});

// The stock for a new bar that must hold `size`: least cost per unit of length among those left
// (`left`: bars on hand per stock, -1 for as many as needed); -1 when none is left.
int StockFor(const PackProblem& problem, const std::vector<int>& left, std::int64_t size);

// Pieces largest first, each into the first (or the fullest) bar it fits, a new bar otherwise;
// then each bar moves to the cheapest stock left that still holds it. False when stock runs out.
bool Greedy(const PackProblem& problem, const std::vector<int>& demand, std::vector<int> left, bool bestFit,
            std::vector<PackBar>& out);
// The cheaper of first fit and best fit, appended to `out`.
bool GreedyBest(const PackProblem& problem, const std::vector<int>& demand, const std::vector<int>& left,
                std::vector<PackBar>& out);

// The cheaper of first fit and best fit as a plan, built without a count of every length for every
// bar (for jobs of many lengths); not found when stock runs out.
PackPlan GreedyPlan(const PackProblem& problem, const std::vector<int>& demand, const std::vector<int>& left);

// First-fit decreasing, the yardstick: pieces largest first, each into the first bar it fits.
PackPlan FirstFitDecreasing(const PackProblem& problem);

// Exact search over a few pieces: each piece, largest first, into a bar already begun or a new
// bar of any stock left; cut off when the pieces' length at the cheapest rate cannot beat the
// best. Gives up after `nodeLimit` steps, or when `stop` says so (asked every thousand steps).
class SmallSearch {
public:
    SmallSearch(const PackProblem& problem, std::vector<int> pieces, std::vector<int> left, long nodeLimit,
                std::function<bool()> stop);

    // True with `out` when a plan cheaper than `limit` was found within the node limit.
    bool Run(double limit, std::vector<PackBar>& out);
    long Nodes() const { return nodes_; }
    // The search ran to its end: no plan it did not find exists below the limit.
    bool Finished() const;

private:
    struct OpenBar {
        int stock;
        std::int64_t room;
        std::vector<int> items;
    };

    void Place(std::size_t k, double cost);

    const PackProblem& problem_;
    std::vector<int> pieces_;
    std::vector<int> left_;
    long nodeLimit_;
    std::function<bool()> stop_;
    long nodes_ = 0;
    double perUnit_ = 0;
    std::vector<double> rest_;
    std::vector<OpenBar> bars_;
    std::int64_t openRoom_ = 0;
    double best_ = 0;
    bool found_ = false;
    std::vector<PackBar> bestBars_;
};

// The short search for the last bars of `plan`: a few bars cut again by exact search, first those
// that waste most (the whole job when it is small), then one of the worst with partners drawn at
// random, while `more` allows. Each cheaper plan goes to `offer`; `search` runs a small search of
// the given pieces and stock left, with a node limit, for a plan cheaper than the given cost.
struct RepackHooks {
    std::function<bool()> more;                                  // false ends the rounds
    std::function<const PackPlan&()> best;                       // the best plan so far
    std::function<void(const PackPlan&)> offer;
    std::function<bool(const std::vector<int>&, const std::vector<int>&, long, double, std::vector<PackBar>&)> search;
};
void Repack(const PackProblem& problem, const std::vector<int>& left, const RepackHooks& hooks);

}  // namespace mw
