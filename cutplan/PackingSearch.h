// The state of one solve of the cutting-stock problem, shared by the column generation and dives
// (PackingSolver.cpp) and the steps around them (PackingSearch.cpp): the budget, counted in units
// of work so that the same job and budget give the same plan on any machine that is not
// overloaded, with the wall clock only as a safety stop; the best plan and the bound.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "cutplan/Knapsack.h"
#include "cutplan/MasterLp.h"
#include "cutplan/PackingHeuristics.h"
#include "cutplan/PackingSolver.h"

namespace mw {

// Units of work a second of budget buys: calibrated once, on a two-core desktop, to about the work
// its processor does in a second on the bin-packing instances of the report (the knapsack-heavy
// ones do somewhat more work a second, the programme-heavy ones less). A machine that is slower,
// or busier, is stopped by the clock instead, and there the plan may differ from run to run.
inline constexpr double kWorkPerSecond = 1.2e9;
// The work of a step of the exact search.
inline constexpr long long kSearchNodeWork = 40;
// Rows of the programme beyond which its dense inverse would outgrow the memory a solve may take
// (8·rows² bytes, held twice, three times while made afresh): larger jobs are planned without it.
inline constexpr int kMaxProgrammeRows = 1200;
// The share of the budget the programme and its dives may take; the rest is the short search's.
inline constexpr double kProgrammeShare = 0.8;

class PackingSearch {
public:
    // `workLimit`: the units of work the solve may do; `deadline`: the safety stop.
    PackingSearch(const PackProblem& problem, const PackControl& control, long long workLimit,
                  std::chrono::steady_clock::time_point deadline);

    PackOutcome Run();
    long long Work() const { return work_; }

private:
    // Around the search (PackingSearch.cpp).
    void Search();
    void ProveInfeasible();
    void SolveWithoutCounts();
    bool WithinCounts(const PackPlan& plan) const;
    void Repack();
    // The share of the budget used: by the work done, or by the clock on a machine slower or busier
    // than the work's rate, so that every step still gets its share of the time.
    double WorkShare() const;
    bool Stopped();
    bool SearchStopped();
    bool Done();
    double RoundUp(double cost) const;
    void Offer(PackPlan plan);
    void SearchSmallJob();
    // SmallSearch::Run over `pieces` from the bars `left`, its steps counted as work; `finished`,
    // when given, says whether it ran to its end.
    bool SearchSmall(const std::vector<int>& pieces, const std::vector<int>& left, long nodes, double limit,
                     std::vector<PackBar>& out, bool* finished = nullptr);
    PackPlan PlanFrom(const std::vector<PackBar>& bars);
    bool FitsProgramme() const;

    // Column generation and the dives (PackingSolver.cpp).
    int AddToPool(int stock, const std::vector<int>& counts);
    void AddExchanges(MasterLp& lp);
    void AddColumn(MasterLp& lp, int pool);
    bool Generate(MasterLp& lp, const std::vector<int>& demand, const std::vector<int>& left, double& bound,
                  int rounds = 1 << 30);
    std::vector<double> SignedDuals(std::vector<double> y) const;
    double LeftOutWorth(const std::vector<double>& y, std::int64_t capacity) const;
    double SafeDual(double dual, const std::vector<double>& y, const std::vector<int>& types,
                    const std::vector<KnapsackResult>& results) const;
    double Farley(const std::vector<double>& y, const std::vector<int>& demand, const std::vector<int>& types,
                  const std::vector<KnapsackResult>& results) const;
    bool AddPriced(MasterLp& lp, const std::vector<int>& types, const std::vector<double>& y,
                   const std::vector<KnapsackResult>& results);
    std::vector<double> Rhs(const std::vector<int>& demand, const std::vector<int>& left, bool shaken = false) const;
    bool SolveRoot();
    void Dive(int strategy);
    void Complete(std::vector<PackBar>& bars, const std::vector<int>& demand, const std::vector<int>& left);
    bool Fix(int column, std::vector<int>& demand, std::vector<int>& left, std::vector<PackBar>& fixed,
             double& fixedCost);

    const PackProblem& problem_;
    const PackControl& control_;
    std::chrono::steady_clock::time_point start_, deadline_;
    long long work_ = 0;
    long long workLimit_ = 1;
    long long searchLimit_ = 1;  // the search's share of it (49 of 50); merging patterns has the rest
    int m_ = 0;
    int limits_ = 0;
    std::vector<int> limitRow_;
    double maxCost_ = 0;
    double unit_ = 0;
    std::vector<int> demand_, left_;
    std::vector<int> bySize_;  // items, longest first
    std::vector<PackBar> pool_;
    std::unordered_multimap<std::uint64_t, int> pooled_;  // pool entries by a hash of stock and counts
    bool poolFull_ = false;
    std::vector<int> columnStock_;  // per pattern column of the programme: its stock (-1: an exchange)
    std::vector<int> columnPool_;   // and its pool entry
    std::unique_ptr<MasterLp> lp_;  // the root programme, marked; each dive rewinds it
    bool rooted_ = false;
    std::size_t rootColumns_ = 0;
    std::size_t rootPool_ = 0;
    bool lpFailed_ = false;
    double share_ = 0;
    PackPlan best_;
    double bound_ = 0;
    PackBoundSource boundSource_ = PackBoundSource::Sizes;
    bool infeasible_ = false;
    bool stopped_ = false;
    bool outOfMemory_ = false;
    double progress_ = 0;
    std::uint32_t seed_ = 1;
};

}  // namespace mw
