// Column generation over cutting patterns, then a dive that fixes the patterns the linear
// programme uses most and solves the rest again, each step finished off by first-fit decreasing.
#include "cutplan/PackingSearch.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>

#include "cutplan/PackingBounds.h"

namespace mw {

namespace {

// Pricing rounds after each fix of a dive: enough to repair the programme, not to prove it.
constexpr int kDiveRounds = 2;
// Pieces left at which a dive finishes by exact search.
constexpr std::size_t kRepackPieces = 16;
// The share of the budget the root programme may take; a root not proven by then is dived from
// as it stands.
constexpr double kRootShare = 0.55;
// Counts the pool of patterns may hold in all (4 bytes each, with a hash a pattern).
constexpr long long kMaxPoolCounts = 4000000;

std::uint64_t HashOf(int stock, const std::vector<int>& counts) {
    std::uint64_t h = static_cast<std::uint64_t>(stock) * 0x9e3779b97f4a7c15ULL;
    for (int c : counts) h = (h ^ static_cast<std::uint64_t>(static_cast<unsigned>(c))) * 0x100000001b3ULL;
    return h;
}

}  // namespace

// The pool entry of a pattern, added when new; -1 when the pool is full.
int PackingSearch::AddToPool(int stock, const std::vector<int>& counts) {
    const std::uint64_t hash = HashOf(stock, counts);
    auto [first, last] = pooled_.equal_range(hash);
    for (auto it = first; it != last; ++it)
        if (pool_[it->second].first == stock && pool_[it->second].second == counts) return it->second;
    if (static_cast<long long>(pool_.size() + 1) * m_ > kMaxPoolCounts) {
        poolFull_ = true;
        return -1;
    }
    work_ += m_;
    pool_.push_back({stock, counts});
    pooled_.emplace(hash, static_cast<int>(pool_.size()) - 1);
    return static_cast<int>(pool_.size()) - 1;
}

// A longer piece may always stand in for a shorter one: a column at no cost that covers one
// piece of a length by one of the next longer length. Every plan of the programme with them
// turns into one without (the longer piece cut in place of the shorter), so the bound stays;
// but they hold the duals in the order of the lengths, which spares most pricing rounds.
void PackingSearch::AddExchanges(MasterLp& lp) {
    const std::vector<int>& order = bySize_;
    for (int k = 0; k + 1 < m_; ++k) {
        lp.AddPattern(0.0, {{order[k], -1.0}, {order[k + 1], 1.0}});
        columnStock_.push_back(-1);
        columnPool_.push_back(-1);
    }
}

void PackingSearch::AddColumn(MasterLp& lp, int pool) {
    const auto& [stock, counts] = pool_[pool];
    std::vector<MasterLp::Entry> entries;
    for (int i = 0; i < m_; ++i)
        if (counts[i] > 0) entries.push_back({i, static_cast<double>(counts[i])});
    if (limitRow_[stock] >= 0) entries.push_back({limitRow_[stock], 1.0});
    lp.AddPattern(problem_.stock[stock].cost / maxCost_, entries);
    columnStock_.push_back(stock);
    columnPool_.push_back(pool);
}

// Prices patterns until none improves the master (or, without stock limits, until Farley's
// bound shows the rounded-up value cannot fall). `bound` gets the proven lower bound of the
// current rows in cost units (0 when none was proven).
bool PackingSearch::Generate(MasterLp& lp, const std::vector<int>& demand, const std::vector<int>& left, double& bound,
              int rounds) {
    bound = 0;
    std::vector<KnapsackItem> items(m_);
    std::vector<double> center;
    double centerBound = 0;
    for (int round = 0;; ++round) {
        if (!lp.Optimize()) {
            lpFailed_ = !Stopped() && WorkShare() <= share_;
            return false;
        }
        if (Stopped() || WorkShare() > share_) return false;
        work_ += 4LL * m_ * static_cast<long long>(problem_.stock.size());
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
            const std::vector<KnapsackResult> tried = SolveKnapsacks(items, capacities, false, &work_);
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
        std::vector<KnapsackResult> results = SolveKnapsacks(items, capacities, false, &work_);
        bool added = AddPriced(lp, types, y, results);
        if (!added) {
            bool exact = true;
            for (const KnapsackResult& r : results) exact = exact && r.Exact();
            if (!exact) {
                results = SolveKnapsacks(items, capacities, true, &work_);
                added = AddPriced(lp, types, y, results);
            }
        }
        bool exact = true;
        for (const KnapsackResult& r : results) exact = exact && r.Exact();
        // The bound from the duals and the true counts (the programme's own may be shaken):
        // duals that price every pattern at most its cost bound every plan.
        const std::vector<double> signedY = SignedDuals(y);
        const double dual = DualBound(signedY, Rhs(demand, left)) * maxCost_;
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
            // With the pool full, no pattern added proves nothing.
            if (poolFull_) return false;
            if (exact) bound = std::max(bound, SafeDual(dual, signedY, types, results));
            return true;
        }
        if (round >= rounds) return true;
        if (unit_ > 0 && bound > 0 && RoundUp(bound) >= RoundUp(z)) return true;
    }
}

// The simplex stops at reduced costs a hair below zero, and a hair is much against the cost of a
// cheap stock when another costs far more: the duals are scaled down until no pattern (the
// knapsacks' best, exact here) is worth more than its bar, which makes `dual` a proven bound.
double PackingSearch::SafeDual(double dual, const std::vector<double>& y, const std::vector<int>& types,
                               const std::vector<KnapsackResult>& results) const {
    std::vector<double> costs, worth;
    for (std::size_t k = 0; k < types.size(); ++k) {
        const int t = types[k];
        costs.push_back(problem_.stock[t].cost / maxCost_);
        worth.push_back(results[k].upper + LeftOutWorth(y, problem_.stock[t].capacity) +
                        (limitRow_[t] >= 0 ? y[limitRow_[t]] : 0.0));
    }
    return ScaledDualBound(dual, costs, worth);
}

// Farley's bound in cost units from prices `y` and the knapsacks' best values at them.
double PackingSearch::Farley(const std::vector<double>& y, const std::vector<int>& demand, const std::vector<int>& types,
              const std::vector<KnapsackResult>& results) const {
    std::vector<double> costs, worth;
    for (std::size_t k = 0; k < types.size(); ++k) {
        costs.push_back(problem_.stock[types[k]].cost / maxCost_);
        worth.push_back(results[k].upper + LeftOutWorth(y, problem_.stock[types[k]].capacity));
    }
    return FarleyBound(y, demand, costs, worth) * maxCost_;
}

// The duals with the signs a bound needs: a piece's price is never below zero and a stock count's
// never above it; the simplex can leave them a hair to the wrong side.
std::vector<double> PackingSearch::SignedDuals(std::vector<double> y) const {
    for (int i = 0; i < m_ && i < static_cast<int>(y.size()); ++i) y[i] = std::max(0.0, y[i]);
    for (int row : limitRow_)
        if (row >= 0 && row < static_cast<int>(y.size())) y[row] = std::min(0.0, y[row]);
    return y;
}

// What the pieces the knapsacks leave out as worthless could add to a bar of `capacity` at prices
// `y`. Next to a cheap stock beside one that costs ten million times more, a price below the
// knapsacks' threshold is still worth a good part of the cheap bar, and a bound that forgot it
// would stand above the optimum.
double PackingSearch::LeftOutWorth(const std::vector<double>& y, std::int64_t capacity) const {
    double worth = 0;
    for (int i = 0; i < m_ && i < static_cast<int>(y.size()); ++i) {
        const std::int64_t size = problem_.items[i].size;
        if (y[i] > 0 && y[i] <= kKnapsackWorthless && size > 0 && size <= capacity)
            worth += y[i] * static_cast<double>(capacity / size);
    }
    return worth;
}

// Adds the priced patterns that improve the master; false when none does.
bool PackingSearch::AddPriced(MasterLp& lp, const std::vector<int>& types, const std::vector<double>& y,
               const std::vector<KnapsackResult>& results) {
    bool added = false;
    for (std::size_t k = 0; k < types.size(); ++k) {
        const int t = types[k];
        const double cost = problem_.stock[t].cost / maxCost_;
        const double pi = limitRow_[t] >= 0 ? y[limitRow_[t]] : 0.0;
        double value = 0;  // at these duals (the pattern may have been priced at others)
        for (int i = 0; i < m_; ++i) value += results[k].counts[i] * y[i];
        if (cost - value - pi >= -1e-9) continue;
        const std::size_t known = pool_.size();
        const int pool = AddToPool(t, results[k].counts);
        if (pool < 0 || static_cast<std::size_t>(pool) < known) continue;  // full, or known already (rounding)
        AddColumn(lp, pool);
        added = true;
    }
    return added;
}

// `shaken`: each count raised by a distinct tiny amount, so that the many counts of zero a dive
// leaves behind do not stall the simplex in degenerate steps.
std::vector<double> PackingSearch::Rhs(const std::vector<int>& demand, const std::vector<int>& left, bool shaken) const {
    std::vector<double> rhs(m_ + limits_, 0.0);
    for (int i = 0; i < m_; ++i) rhs[i] = demand[i] + (shaken ? 1e-6 * (1 + (i * 7919 % 997) / 997.0) : 0.0);
    for (int t = 0; t < static_cast<int>(left.size()); ++t)
        if (limitRow_[t] >= 0) rhs[limitRow_[t]] = left[t];
    return rhs;
}

// The root programme over the pool and a column of each single piece length (which, without
// stock limits, make the first basis); its bound, and whether the stock can hold the pieces.
bool PackingSearch::SolveRoot() {
    lp_.reset();  // a root that failed before is begun afresh
    lp_ = std::make_unique<MasterLp>(m_, limits_, 1e4);
    MasterLp& lp = *lp_;
    lp.work = &work_;
    lp.stop = [this] { return Stopped() || WorkShare() > share_; };
    columnStock_.clear();
    columnPool_.clear();
    // At the root every pattern's column is its place in the pool.
    for (std::size_t k = 0; k < pool_.size(); ++k) AddColumn(lp, static_cast<int>(k));
    std::vector<int> single(m_ + limits_, -1);
    for (int i = 0; i < m_; ++i) {
        std::vector<int> counts(m_, 0);
        const int t = StockFor(problem_, std::vector<int>(problem_.stock.size(), -1), problem_.items[i].size);
        if (t < 0) continue;
        counts[i] = static_cast<int>(std::min<std::int64_t>(demand_[i], problem_.stock[t].capacity / problem_.items[i].size));
        if (counts[i] <= 0) continue;
        const std::size_t known = pool_.size();
        const int pool = AddToPool(t, counts);
        if (pool < 0) continue;
        if (static_cast<std::size_t>(pool) >= known) AddColumn(lp, pool);
        single[i] = pool;
    }
    AddExchanges(lp);
    lp.SetRhs(Rhs(demand_, left_));
    if (limits_ == 0) lp.SetBasis(single);
    double bound = 0;
    lpFailed_ = false;
    share_ = kRootShare;
    const bool proven = Generate(lp, demand_, left_, bound);
    share_ = kProgrammeShare;
    if (!proven && (lpFailed_ || Stopped())) {
        lp_.reset();
        return false;
    }
    if (bound > 0 && RoundUp(bound) >= bound_ - 1e-9 * maxCost_) {  // Farley's bound holds unproven too
        // Proven, Farley's bound rounds up to the programme's own.
        const PackBoundSource source = proven ? PackBoundSource::Programme : PackBoundSource::Farley;
        if (RoundUp(bound) > bound_ + 1e-9 * maxCost_ || source == PackBoundSource::Programme) boundSource_ = source;
        bound_ = std::max(bound_, RoundUp(bound));
    }
    if (proven && lp.Shortfall() > 1e-6 && bound > 0) {
        // The programme cannot cover the pieces from the stock on hand even in fractions.
        infeasible_ = !best_.found;
        lp_.reset();
        return false;
    }
    lp.Mark();
    rooted_ = true;
    rootColumns_ = columnStock_.size();
    rootPool_ = pool_.size();
    return true;
}

// Strategy 0 fixes every pattern the programme cuts at least once; strategy 1 only the one it
// cuts most. Either rounds the largest fraction up when nothing is whole.
void PackingSearch::Dive(int strategy) {
    if (!rooted_) {
        if (!SolveRoot()) return;
    }
    // Every dive starts from the root programme as solved, with the patterns found since: the
    // one programme rewound, not a copy of it.
    MasterLp& lp = *lp_;
    lp.Rewind();
    columnStock_.resize(rootColumns_);
    columnPool_.resize(rootColumns_);
    for (std::size_t k = rootPool_; k < pool_.size(); ++k) AddColumn(lp, static_cast<int>(k));
    std::vector<int> demand = demand_, left = left_;
    if (Done()) return;

    long long total = 0;
    for (int d : demand_) total += d;
    std::vector<PackBar> fixed;
    double fixedCost = 0;
    for (;;) {
        long long rest = 0;
        for (int d : demand) rest += d;
        work_ += 2LL * (m_ + limits_);
        progress_ = total ? 0.05 + 0.9 * (1.0 - static_cast<double>(rest) / total) : 1.0;
        if (rest == 0) {
            Offer(PlanFrom(fixed));
            return;
        }
        std::vector<std::pair<int, double>> used;
        for (const auto& [column, level] : lp.PositivePatterns()) {
            if (columnStock_[column] < 0) continue;  // an exchange, not a bar
            const std::vector<int>& counts = pool_[columnPool_[column]].second;
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
        work_ += static_cast<long long>(fixed.size()) * m_;
        Complete(bars, demand, left);
        if (Done()) return;
        // The last few pieces by exact search, when greedy left the plan above the bound.
        std::vector<int> pieces;
        for (int i = 0; i < m_; ++i) pieces.insert(pieces.end(), demand[i], i);
        if (pieces.size() <= kRepackPieces + 4 && best_.found) {
            std::vector<PackBar> last;
            if (SearchSmall(pieces, left, 50000, best_.cost - fixedCost, last)) {
                last.insert(last.end(), fixed.begin(), fixed.end());
                Offer(PlanFrom(last));
            }
        }
        if (Done() || !ok) return;
        const double shake = 1e-3 * maxCost_;  // what the shaken counts may add to the bound
        if (restBound > 0 && best_.found && RoundUp(fixedCost + restBound - shake) >= best_.cost - 1e-9 * maxCost_)
            return;
    }
    std::vector<PackBar> bars = fixed;
    Complete(bars, demand, left);
}

// The bars fixed so far (`bars`) and greedy for the pieces still wanted. When the bars left on hand
// defeat the greedy, it packs as if they were unlimited, and the plan stands if it keeps to the
// counts all the same (the greedy takes the cheapest stock first, not the one the counts leave).
void PackingSearch::Complete(std::vector<PackBar>& bars, const std::vector<int>& demand, const std::vector<int>& left) {
    const std::size_t fixed = bars.size();
    if (GreedyBest(problem_, demand, left, bars)) {
        Offer(PlanFrom(bars));
        return;
    }
    if (limits_ == 0) return;
    bars.resize(fixed);
    std::vector<int> unlimited = left;
    for (int& n : unlimited)
        if (n > 0) n = -1;
    if (!GreedyBest(problem_, demand, unlimited, bars)) return;
    PackPlan plan = PlanFrom(bars);
    if (WithinCounts(plan)) Offer(std::move(plan));
}

// One more bar of a pattern, holding only the pieces still wanted.
bool PackingSearch::Fix(int column, std::vector<int>& demand, std::vector<int>& left, std::vector<PackBar>& fixed, double& fixedCost) {
    const int stock = columnStock_[column];
    if (left[stock] == 0) return false;
    const std::vector<int>& pattern = pool_[columnPool_[column]].second;
    work_ += 4LL * m_;
    std::vector<int> counts(m_, 0);
    bool any = false;
    // Pieces the pattern has beyond the count still wanted leave their places to shorter
    // pieces still wanted (as the programme's exchanges do), each the shortest place it fits.
    std::multiset<std::int64_t> places;
    for (int i : bySize_) {
        counts[i] = std::min(pattern[i], demand[i]);
        for (int k = counts[i]; k < pattern[i]; ++k) places.insert(problem_.items[i].size);
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

}  // namespace mw
