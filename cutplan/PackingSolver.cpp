// Column generation over cutting patterns, then a dive that fixes the patterns the linear
// programme uses most and solves the rest again, each step finished off by first-fit decreasing.
#include "cutplan/PackingSolver.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>
#include <memory>
#include <numeric>
#include <set>

#include "cutplan/Knapsack.h"
#include "cutplan/PackingBounds.h"
#include "cutplan/PackingHeuristics.h"
#include "cutplan/MasterLp.h"

namespace mw {

namespace {

constexpr int kDives = 400;
// Pricing rounds after each fix of a dive: enough to repair the programme, not to prove it.
constexpr int kDiveRounds = 2;
// Pieces left at which a dive finishes by exact search.
constexpr std::size_t kRepackPieces = 16;
// The share of the budget the programme and its dives may take; the rest is the short search's.
constexpr double kProgrammeShare = 0.8;
// The share the root programme may take; a root not proven by then is dived from as it stands.
constexpr double kRootShare = 0.55;


class Solver {
public:
    Solver(const PackProblem& problem, const PackControl& control)
        : problem_(problem), control_(control), start_(std::chrono::steady_clock::now()) {
        m_ = static_cast<int>(problem.items.size());
        for (const PackStock& s : problem.stock) {
            maxCost_ = std::max(maxCost_, s.cost);
            limitRow_.push_back(s.count >= 0 ? m_ + limits_++ : -1);
        }
        if (maxCost_ <= 0) maxCost_ = 1;
        // Costs that are whole numbers make every plan's cost a multiple of their common divisor.
        long long g = 0;
        for (const PackStock& s : problem.stock) {
            if (std::fabs(s.cost - std::round(s.cost)) > 1e-9 || s.cost < 0.5) { g = 0; break; }
            g = std::gcd(g, static_cast<long long>(std::llround(s.cost)));
        }
        unit_ = static_cast<double>(g);
        bySize_.resize(m_);
        std::iota(bySize_.begin(), bySize_.end(), 0);
        std::stable_sort(bySize_.begin(), bySize_.end(),
                         [&](int a, int b) { return problem.items[a].size > problem.items[b].size; });
        demand_.resize(m_);
        for (int i = 0; i < m_; ++i) demand_[i] = problem.items[i].demand;
        for (const PackStock& s : problem.stock) left_.push_back(s.count);
    }

    PackOutcome Run() {
        PackOutcome outcome;
        std::vector<PackBar> bars;
        if (GreedyBest(problem_, demand_, left_, bars)) Offer(PlanOf(problem_, bars));
        bound_ = RoundUp(SizeBound(problem_));
        if (problem_.stock.size() == 1) {
            const double pairs = RoundUp(MartelloTothBound(problem_.items, problem_.stock[0].capacity) * problem_.stock[0].cost);
            if (pairs > bound_ + 1e-9 * maxCost_) {
                bound_ = pairs;
                boundSource_ = PackBoundSource::MartelloToth;
            }
        }
        for (const PackBar& bar : bars) AddToPool(bar.first, bar.second);
        for (int strategy = 0; strategy < kDives && !Done() && Elapsed() < kProgrammeShare * control_.seconds; ++strategy)
            Dive(strategy);
        Repack();
        MergePatterns(problem_, best_);
        // A bound is at most any plan's cost; one above the plan found is the programme's rounding.
        if (best_.found) bound_ = std::min(bound_, best_.cost);
        outcome.plan = best_;
        outcome.bound = bound_;
        outcome.lpBound = boundSource_ == PackBoundSource::Programme;
        outcome.boundSource = boundSource_;
        outcome.infeasible = infeasible_;
        outcome.stopped = Stopped() && !infeasible_ && !(best_.found && best_.cost <= bound_ + 1e-9 * maxCost_);
        return outcome;
    }

private:
    std::chrono::steady_clock::time_point Deadline() const {
        return start_ + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                            std::chrono::duration<double>(control_.seconds));
    }

    double Elapsed() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

    bool Stopped() {
        if (stopped_) return true;
        if (control_.cancel && control_.cancel->load()) stopped_ = true;
        if (Elapsed() > control_.seconds) stopped_ = true;
        return stopped_;
    }

    // The exact searches stop at the deadline or when cancelled.
    bool SearchStopped() const {
        return std::chrono::steady_clock::now() > Deadline() || (control_.cancel && control_.cancel->load());
    }

    bool Done() { return infeasible_ || (best_.found && best_.cost <= bound_ + 1e-9 * maxCost_) || Stopped(); }

    void Repack() {
        RepackHooks hooks;
        hooks.more = [this] { return !Done(); };
        hooks.best = [this]() -> const PackPlan& { return best_; };
        hooks.offer = [this](const PackPlan& plan) { Offer(plan); };
        hooks.search = [this](const std::vector<int>& pieces, const std::vector<int>& left, long nodes, double limit,
                              std::vector<PackBar>& out) {
            return SmallSearch(problem_, pieces, left, nodes, [this] { return SearchStopped(); }).Run(limit, out);
        };
        mw::Repack(problem_, left_, hooks);
    }

    // Least multiple of the cost unit at or above `cost` (the cost itself when costs are not whole).
    double RoundUp(double cost) const {
        if (unit_ <= 0) return cost;
        // The programme's value carries rounding errors relative to its size.
        const double units = cost / unit_;
        return std::ceil(units - 1e-6 * std::max(1.0, units)) * unit_;
    }

    void Offer(const PackPlan& plan) {
        if (!plan.found) return;
        if (best_.found && (plan.cost > best_.cost + 1e-9 * maxCost_ ||
                            (plan.cost >= best_.cost - 1e-9 * maxCost_ && plan.patterns.size() >= best_.patterns.size())))
            return;
        best_ = plan;
        if (control_.progress) control_.progress(progress_, best_);
    }

    void AddToPool(int stock, const std::vector<int>& counts) {
        if (pooled_.insert({stock, counts}).second) pool_.push_back({stock, counts});
    }

    // A longer piece may always stand in for a shorter one: a column at no cost that covers one
    // piece of a length by one of the next longer length. Every plan of the programme with them
    // turns into one without (the longer piece cut in place of the shorter), so the bound stays;
    // but they hold the duals in the order of the lengths, which spares most pricing rounds.
    void AddExchanges(MasterLp& lp) {
        const std::vector<int>& order = bySize_;
        for (int k = 0; k + 1 < m_; ++k) {
            lp.AddPattern(0.0, {{order[k], -1.0}, {order[k + 1], 1.0}});
            columnStock_.push_back(-1);
            columnCounts_.emplace_back();
        }
    }

    void AddColumn(MasterLp& lp, int stock, const std::vector<int>& counts) {
        std::vector<MasterLp::Entry> entries;
        for (int i = 0; i < m_; ++i)
            if (counts[i] > 0) entries.push_back({i, static_cast<double>(counts[i])});
        if (limitRow_[stock] >= 0) entries.push_back({limitRow_[stock], 1.0});
        lp.AddPattern(problem_.stock[stock].cost / maxCost_, entries);
        columnIndex_[{stock, counts}] = static_cast<int>(columnStock_.size());
        columnStock_.push_back(stock);
        columnCounts_.push_back(counts);
    }

    // Prices patterns until none improves the master (or, without stock limits, until Farley's
    // bound shows the rounded-up value cannot fall). `bound` gets the proven lower bound of the
    // current rows in cost units (0 when none was proven).
    bool Generate(MasterLp& lp, const std::vector<int>& demand, const std::vector<int>& left, double& bound,
                  int rounds = 1 << 30) {
        bound = 0;
        std::vector<KnapsackItem> items(m_);
        std::vector<double> center;
        double centerBound = 0;
        for (int round = 0;; ++round) {
            if (!lp.Optimize()) {
                lpFailed_ = !Stopped() && Elapsed() <= share_ * control_.seconds;
                return false;
            }
            if (Stopped() || Elapsed() > share_ * control_.seconds) return false;
            const std::vector<double>& y = lp.Duals();
            for (int i = 0; i < m_; ++i)
                items[i] = {problem_.items[i].size, demand[i], demand[i] > 0 ? y[i] : 0.0};
            std::vector<int> types;
            std::vector<std::int64_t> capacities;
            for (int t = 0; t < static_cast<int>(problem_.stock.size()); ++t) {
                if (left[t] == 0) continue;
                types.push_back(t);
                capacities.push_back(problem_.stock[t].capacity);
            }
            // Without stock limits the pricing first tries duals halfway to the best seen so far
            // (by Farley's bound), which keeps them from swinging and saves many rounds.
            if (limits_ == 0 && !center.empty()) {
                std::vector<double> smooth(m_);
                for (int i = 0; i < m_; ++i) {
                    smooth[i] = 0.5 * (center[i] + y[i]);
                    items[i].value = demand[i] > 0 ? smooth[i] : 0.0;
                }
                const std::vector<KnapsackResult> tried = SolveKnapsacks(items, capacities, false);
                const double farley = Farley(smooth, demand, types, tried);
                bound = std::max(bound, farley);
                if (farley > centerBound) {
                    center = smooth;
                    centerBound = farley;
                }
                for (int i = 0; i < m_; ++i) items[i].value = demand[i] > 0 ? y[i] : 0.0;
                if (AddPriced(lp, types, y, tried)) {
                    if (round >= rounds) return true;
                    if (unit_ > 0 && bound > 0 && RoundUp(bound) >= RoundUp(lp.Objective() * maxCost_)) return true;
                    continue;
                }
            }
            std::vector<KnapsackResult> results = SolveKnapsacks(items, capacities, false);
            bool added = AddPriced(lp, types, y, results);
            if (!added) {
                bool exact = true;
                for (const KnapsackResult& r : results) exact = exact && r.Exact();
                if (!exact) {
                    results = SolveKnapsacks(items, capacities, true);
                    added = AddPriced(lp, types, y, results);
                }
            }
            bool exact = true;
            for (const KnapsackResult& r : results) exact = exact && r.Exact();
            // The bound from the duals and the true counts (the programme's own may be shaken):
            // duals that price every pattern at most its cost bound every plan.
            const double dual = DualBound(y, Rhs(demand, left)) * maxCost_;
            const double z = lp.Objective() * maxCost_;
            const double farley = limits_ == 0 ? Farley(y, demand, types, results) : 0.0;
            if (farley > 0) {
                bound = std::max(bound, farley);
                if (center.empty() || farley > centerBound) {
                    center.assign(y.begin(), y.begin() + m_);
                    centerBound = farley;
                }
            }
            if (!added) {
                if (exact) bound = std::max(bound, dual);
                return true;
            }
            if (round >= rounds) return true;
            if (unit_ > 0 && bound > 0 && RoundUp(bound) >= RoundUp(z)) return true;
        }
    }

    // Farley's bound in cost units from prices `y` and the knapsacks' best values at them.
    double Farley(const std::vector<double>& y, const std::vector<int>& demand, const std::vector<int>& types,
                  const std::vector<KnapsackResult>& results) const {
        std::vector<double> costs, worth;
        for (std::size_t k = 0; k < types.size(); ++k) {
            costs.push_back(problem_.stock[types[k]].cost / maxCost_);
            worth.push_back(results[k].upper);
        }
        return FarleyBound(y, demand, costs, worth) * maxCost_;
    }

    // Adds the priced patterns that improve the master; false when none does.
    bool AddPriced(MasterLp& lp, const std::vector<int>& types, const std::vector<double>& y,
                   const std::vector<KnapsackResult>& results) {
        bool added = false;
        for (std::size_t k = 0; k < types.size(); ++k) {
            const int t = types[k];
            const double cost = problem_.stock[t].cost / maxCost_;
            const double pi = limitRow_[t] >= 0 ? y[limitRow_[t]] : 0.0;
            double value = 0;  // at these duals (the pattern may have been priced at others)
            for (int i = 0; i < m_; ++i) value += results[k].counts[i] * y[i];
            if (cost - value - pi >= -1e-9) continue;
            if (!pooled_.insert({t, results[k].counts}).second) continue;  // rounding: known already
            pool_.push_back({t, results[k].counts});
            AddColumn(lp, t, results[k].counts);
            added = true;
        }
        return added;
    }

    // `shaken`: each count raised by a distinct tiny amount, so that the many counts of zero a dive
    // leaves behind do not stall the simplex in degenerate steps.
    std::vector<double> Rhs(const std::vector<int>& demand, const std::vector<int>& left, bool shaken = false) const {
        std::vector<double> rhs(m_ + limits_, 0.0);
        for (int i = 0; i < m_; ++i) rhs[i] = demand[i] + (shaken ? 1e-6 * (1 + (i * 7919 % 997) / 997.0) : 0.0);
        for (int t = 0; t < static_cast<int>(left.size()); ++t)
            if (limitRow_[t] >= 0) rhs[limitRow_[t]] = left[t];
        return rhs;
    }

    // The root programme over the pool and a column of each single piece length (which, without
    // stock limits, make the first basis); its bound, and whether the stock can hold the pieces.
    bool SolveRoot() {
        MasterLp lp(m_, limits_, 1e4);
        lp.stop = [this] { return Stopped() || Elapsed() > share_ * control_.seconds; };
        columnStock_.clear();
        columnCounts_.clear();
        columnIndex_.clear();
        for (const PackBar& bar : pool_) AddColumn(lp, bar.first, bar.second);
        std::vector<int> single(m_ + limits_, -1);
        for (int i = 0; i < m_; ++i) {
            std::vector<int> counts(m_, 0);
            const int t = StockFor(problem_, std::vector<int>(problem_.stock.size(), -1), problem_.items[i].size);
            if (t < 0) continue;
            counts[i] = static_cast<int>(std::min<std::int64_t>(demand_[i], problem_.stock[t].capacity / problem_.items[i].size));
            if (counts[i] <= 0) continue;
            if (pooled_.insert({t, counts}).second) {
                pool_.push_back({t, counts});
                AddColumn(lp, t, counts);
            }
            single[i] = columnIndex_[{t, counts}];
        }
        AddExchanges(lp);
        lp.SetRhs(Rhs(demand_, left_));
        if (limits_ == 0) lp.SetBasis(single);
        double bound = 0;
        lpFailed_ = false;
        share_ = kRootShare;
        const bool proven = Generate(lp, demand_, left_, bound);
        share_ = kProgrammeShare;
        if (!proven && (lpFailed_ || Stopped())) return false;
        if (bound > 0 && RoundUp(bound) >= bound_ - 1e-9 * maxCost_) {  // Farley's bound holds unproven too
            // Proven, Farley's bound rounds up to the programme's own.
            const PackBoundSource source = proven ? PackBoundSource::Programme : PackBoundSource::Farley;
            if (RoundUp(bound) > bound_ + 1e-9 * maxCost_ || source == PackBoundSource::Programme) boundSource_ = source;
            bound_ = std::max(bound_, RoundUp(bound));
        }
        if (proven && lp.Shortfall() > 1e-6 && bound > 0) {
            // The programme cannot cover the pieces from the stock on hand even in fractions.
            infeasible_ = !best_.found;
            return false;
        }
        root_ = std::make_unique<MasterLp>(lp);
        rootStock_ = columnStock_;
        rootCounts_ = columnCounts_;
        rootIndex_ = columnIndex_;
        rootPool_ = pool_.size();
        return true;
    }

    // Strategy 0 fixes every pattern the programme cuts at least once; strategy 1 only the one it
    // cuts most. Either rounds the largest fraction up when nothing is whole.
    void Dive(int strategy) {
        if (!root_) {
            if (!SolveRoot()) return;
        }
        // Every dive starts from the root programme as solved, with the patterns found since.
        MasterLp lp = *root_;
        columnStock_ = rootStock_;
        columnCounts_ = rootCounts_;
        columnIndex_ = rootIndex_;
        for (std::size_t k = rootPool_; k < pool_.size(); ++k) AddColumn(lp, pool_[k].first, pool_[k].second);
        std::vector<int> demand = demand_, left = left_;
        if (Done()) return;

        long long total = 0;
        for (int d : demand_) total += d;
        std::vector<PackBar> fixed;
        double fixedCost = 0;
        for (;;) {
            long long rest = 0;
            for (int d : demand) rest += d;
            progress_ = total ? 0.05 + 0.9 * (1.0 - static_cast<double>(rest) / total) : 1.0;
            if (rest == 0) {
                Offer(PlanOf(problem_, fixed));
                return;
            }
            std::vector<std::pair<int, double>> used;
            for (const auto& [column, level] : lp.PositivePatterns()) {
                if (columnStock_[column] < 0) continue;  // an exchange, not a bar
                const std::vector<int>& counts = columnCounts_[column];
                bool useful = left[columnStock_[column]] != 0;
                bool covers = false;
                for (int i = 0; i < m_ && useful && !covers; ++i) covers = counts[i] > 0 && demand[i] > 0;
                if (useful && covers) used.emplace_back(column, level);
            }
            if (used.empty()) break;
            std::stable_sort(used.begin(), used.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
            // Later dives take one of the two to five largest fractions by lot, so that each dive differs.
            if (strategy >= 2 && used[0].second < 1 - 1e-6) {
                seed_ = seed_ * 1103515245u + 12345u;
                std::swap(used[0], used[(seed_ >> 16) % std::min<std::size_t>(2 + strategy % 4, used.size())]);
            }
            int copies = 0;
            for (const auto& [column, level] : used) {
                const int whole = static_cast<int>(std::floor(level + 1e-6));
                if (copies > 0 && (strategy == 1 || whole == 0)) break;
                for (int k = 0; k < std::max(1, whole); ++k) {
                    if (!Fix(column, demand, left, fixed, fixedCost)) break;
                    ++copies;
                }
                if (whole == 0) break;
            }
            if (copies == 0) break;
            if (!lp.SetRhs(Rhs(demand, left, true))) break;  // the programme stalled: greedy finishes
            double restBound = 0;
            const bool ok = Generate(lp, demand, left, restBound, kDiveRounds);
            std::vector<PackBar> bars = fixed;
            if (GreedyBest(problem_, demand, left, bars)) Offer(PlanOf(problem_, bars));
            if (Done()) return;
            // The last few pieces by exact search, when greedy left the plan above the bound.
            std::vector<int> pieces;
            for (int i = 0; i < m_; ++i) pieces.insert(pieces.end(), demand[i], i);
            if (pieces.size() <= kRepackPieces + 4 && best_.found) {
                std::vector<PackBar> last;
                if (SmallSearch(problem_, pieces, left, 50000, [this] { return SearchStopped(); }).Run(best_.cost - fixedCost, last)) {
                    last.insert(last.end(), fixed.begin(), fixed.end());
                    Offer(PlanOf(problem_, last));
                }
            }
            if (Done() || !ok) return;
            const double shake = 1e-3 * maxCost_;  // what the shaken counts may add to the bound
            if (restBound > 0 && best_.found && RoundUp(fixedCost + restBound - shake) >= best_.cost - 1e-9 * maxCost_)
                return;
        }
        std::vector<PackBar> bars = fixed;
        if (GreedyBest(problem_, demand, left, bars)) Offer(PlanOf(problem_, bars));
    }

    // One more bar of a pattern, holding only the pieces still wanted.
    bool Fix(int column, std::vector<int>& demand, std::vector<int>& left, std::vector<PackBar>& fixed, double& fixedCost) {
        const int stock = columnStock_[column];
        if (left[stock] == 0) return false;
        std::vector<int> counts(m_, 0);
        bool any = false;
        // Pieces the pattern has beyond the count still wanted leave their places to shorter
        // pieces still wanted (as the programme's exchanges do), each the shortest place it fits.
        std::multiset<std::int64_t> places;
        for (int i : bySize_) {
            counts[i] = std::min(columnCounts_[column][i], demand[i]);
            for (int k = counts[i]; k < columnCounts_[column][i]; ++k) places.insert(problem_.items[i].size);
            while (counts[i] < demand[i] && !places.empty()) {
                auto place = places.lower_bound(problem_.items[i].size);
                if (place == places.end()) break;
                places.erase(place);
                ++counts[i];
            }
            demand[i] -= counts[i];
            any = any || counts[i] > 0;
        }
        if (!any) return false;
        if (left[stock] > 0) --left[stock];
        fixed.emplace_back(stock, std::move(counts));
        fixedCost += problem_.stock[stock].cost;
        return true;
    }

    const PackProblem& problem_;
    const PackControl& control_;
    std::chrono::steady_clock::time_point start_;
    int m_ = 0;
    int limits_ = 0;
    std::vector<int> limitRow_;
    double maxCost_ = 0;
    double unit_ = 0;
    std::vector<int> demand_, left_;
    std::vector<int> bySize_;  // items, longest first
    std::vector<PackBar> pool_;
    std::set<PackBar> pooled_;
    std::vector<int> columnStock_;
    std::vector<std::vector<int>> columnCounts_;
    std::map<PackBar, int> columnIndex_;
    std::unique_ptr<MasterLp> root_;
    bool lpFailed_ = false;
    double share_ = kProgrammeShare;
    std::vector<int> rootStock_;
    std::vector<std::vector<int>> rootCounts_;
    std::map<PackBar, int> rootIndex_;
    std::size_t rootPool_ = 0;
    PackPlan best_;
    double bound_ = 0;
    PackBoundSource boundSource_ = PackBoundSource::Sizes;
    bool infeasible_ = false;
    bool stopped_ = false;
    double progress_ = 0;
    std::uint32_t seed_ = 1;
};

}  // namespace

PackOutcome SolvePacking(const PackProblem& problem, const PackControl& control) {
    return Solver(problem, control).Run();
}

}  // namespace mw
