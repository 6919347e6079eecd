// Greedy packing, pattern merging and the exact search over a few pieces.
#include "cutplan/PackingHeuristics.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <set>

namespace mw {

namespace {

constexpr int kRepackRounds = 2000;
constexpr std::size_t kRepackPieces = 16;
constexpr int kRepackBars = 8;

struct OpenBar {
    int stock;
    std::int64_t room;
    std::vector<int> items;
};

}  // namespace

double CostOf(const PackProblem& problem, const std::vector<PackBar>& bars) {
    double cost = 0;
    for (const PackBar& bar : bars) cost += problem.stock[bar.first].cost;
    return cost;
}

PackPlan PlanOf(const PackProblem& problem, const std::vector<PackBar>& bars) {
    std::map<PackBar, int> times;
    for (const PackBar& bar : bars) ++times[bar];
    std::vector<PackPattern> patterns;
    for (const auto& [bar, n] : times) patterns.push_back({bar.first, n, bar.second});
    return PlanOfPatterns(problem, std::move(patterns));
}

PackPlan PlanOfPatterns(const PackProblem& problem, std::vector<PackPattern> patterns) {
    std::sort(patterns.begin(), patterns.end(), [](const PackPattern& p, const PackPattern& q) {
        return p.stock != q.stock ? p.stock < q.stock : p.counts < q.counts;
    });
    PackPlan plan;
    plan.found = true;
    for (const PackPattern& p : patterns) {
        plan.cost += problem.stock[p.stock].cost * p.times;
        plan.bars += p.times;
    }
    plan.patterns = std::move(patterns);
    return plan;
}

void MergePatterns(const PackProblem& problem, PackPlan& plan, const std::function<bool(long long)>& more) {
    for (bool merged = true; merged;) {
        merged = false;
        for (std::size_t a = 0; a < plan.patterns.size() && !merged; ++a) {
            for (std::size_t b = a + 1; b < plan.patterns.size() && !merged; ++b) {
                const PackPattern& p = plan.patterns[a];
                const PackPattern& q = plan.patterns[b];
                if (p.stock != q.stock) continue;
                if (more && !more(4 * static_cast<long long>(p.counts.size()))) return;
                const long long times = static_cast<long long>(p.times) + q.times;
                std::vector<int> counts(p.counts.size());
                std::int64_t used = 0;
                bool even = true;
                for (std::size_t i = 0; i < counts.size() && even; ++i) {
                    const long long total = static_cast<long long>(p.counts[i]) * p.times +
                                            static_cast<long long>(q.counts[i]) * q.times;
                    even = total % times == 0;
                    counts[i] = static_cast<int>(total / times);
                    used += counts[i] * problem.items[i].size;
                }
                if (!even || used > problem.stock[p.stock].capacity) continue;
                const int stock = p.stock;
                plan.patterns[a] = PackPattern{stock, static_cast<int>(times), std::move(counts)};
                plan.patterns.erase(plan.patterns.begin() + static_cast<std::ptrdiff_t>(b));
                merged = true;
            }
        }
    }
}

int StockFor(const PackProblem& problem, const std::vector<int>& left, std::int64_t size) {
    int chosen = -1;
    for (int t = 0; t < static_cast<int>(problem.stock.size()); ++t) {
        const PackStock& s = problem.stock[t];
        if (left[t] == 0 || s.capacity < size) continue;
        if (chosen < 0) { chosen = t; continue; }
        const PackStock& c = problem.stock[chosen];
        const double a = s.cost / s.capacity, b = c.cost / c.capacity;
        if (a < b - 1e-12 || (a <= b + 1e-12 && s.capacity > c.capacity)) chosen = t;
    }
    return chosen;
}

namespace {

// Greedy packing with each bar's pieces as a list (a job of many lengths would not hold a count
// of every length for every bar).
bool GreedyBars(const PackProblem& problem, const std::vector<int>& demand, std::vector<int> left, bool bestFit,
                std::vector<OpenBar>& bars) {
    const int m = static_cast<int>(problem.items.size());
    std::vector<int> order;
    for (int i = 0; i < m; ++i)
        if (demand[i] > 0) order.push_back(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return problem.items[a].size > problem.items[b].size; });
    bars.clear();
    // First fit finds the first bar with room by a tree of the most room under each node; best
    // fit the fullest by the rooms in order (the first bar among equals, as a scan would).
    long long pieces = 0;
    for (int i : order) pieces += demand[i];
    std::size_t leaves = 1;
    while (leaves < static_cast<std::size_t>(std::max<long long>(1, pieces))) leaves *= 2;
    std::vector<std::int64_t> most(bestFit ? 0 : 2 * leaves, -1);
    std::set<std::pair<std::int64_t, int>> rooms;
    auto setRoom = [&](int b, std::int64_t room) {
        if (bestFit) {
            rooms.erase({bars[b].room, b});
            rooms.insert({room, b});
        } else {
            std::size_t node = leaves + static_cast<std::size_t>(b);
            most[node] = room;
            for (node /= 2; node >= 1; node /= 2) most[node] = std::max(most[2 * node], most[2 * node + 1]);
        }
        bars[b].room = room;
    };
    auto find = [&](std::int64_t size) -> int {
        if (bestFit) {
            auto it = rooms.lower_bound({size, -1});
            return it == rooms.end() ? -1 : it->second;
        }
        if (most[1] < size) return -1;
        std::size_t node = 1;
        while (node < leaves) node = most[2 * node] >= size ? 2 * node : 2 * node + 1;
        return static_cast<int>(node - leaves);
    };
    for (int i : order) {
        const std::int64_t size = problem.items[i].size;
        for (int k = 0; k < demand[i]; ++k) {
            int into = find(size);
            if (into < 0) {
                const int t = StockFor(problem, left, size);
                if (t < 0) return false;
                if (left[t] > 0) --left[t];
                bars.push_back({t, -1, {}});
                into = static_cast<int>(bars.size()) - 1;
                if (bestFit) rooms.insert({-1, into});
                setRoom(into, problem.stock[t].capacity);
            }
            setRoom(into, bars[into].room - size);
            bars[into].items.push_back(i);
        }
    }
    for (OpenBar& bar : bars) {
        const std::int64_t used = problem.stock[bar.stock].capacity - bar.room;
        if (left[bar.stock] >= 0) ++left[bar.stock];
        int best = bar.stock;
        for (int t = 0; t < static_cast<int>(problem.stock.size()); ++t) {
            const PackStock& s = problem.stock[t];
            if (left[t] == 0 || s.capacity < used) continue;
            const PackStock& c = problem.stock[best];
            if (s.cost < c.cost - 1e-12 || (s.cost <= c.cost + 1e-12 && s.capacity < c.capacity)) best = t;
        }
        bar.stock = best;
        if (left[best] > 0) --left[best];
    }
    return true;
}

double CostOf(const PackProblem& problem, const std::vector<OpenBar>& bars) {
    double cost = 0;
    for (const OpenBar& bar : bars) cost += problem.stock[bar.stock].cost;
    return cost;
}

// Packs by first fit and by best fit and keeps the cheaper in `bars` (first fit when they cost the
// same); false when neither packs.
bool CheaperGreedyBars(const PackProblem& problem, const std::vector<int>& demand, const std::vector<int>& left,
                       std::vector<OpenBar>& bars) {
    std::vector<OpenBar> best;
    const bool a = GreedyBars(problem, demand, left, false, bars);
    const bool b = GreedyBars(problem, demand, left, true, best);
    if (!a && !b) return false;
    if (!b || (a && CostOf(problem, bars) <= CostOf(problem, best) + 1e-9)) return true;
    bars = std::move(best);
    return true;
}

// Each bar's pieces as a count of every length, after those already in `out`.
void AppendBars(const PackProblem& problem, const std::vector<OpenBar>& bars, std::vector<PackBar>& out) {
    for (const OpenBar& bar : bars) {
        std::vector<int> counts(problem.items.size(), 0);
        for (int i : bar.items) ++counts[i];
        out.emplace_back(bar.stock, std::move(counts));
    }
}

}  // namespace

bool Greedy(const PackProblem& problem, const std::vector<int>& demand, std::vector<int> left, bool bestFit,
            std::vector<PackBar>& out) {
    std::vector<OpenBar> bars;
    if (!GreedyBars(problem, demand, std::move(left), bestFit, bars)) return false;
    AppendBars(problem, bars, out);
    return true;
}

PackPlan GreedyPlan(const PackProblem& problem, const std::vector<int>& demand, const std::vector<int>& left) {
    std::vector<OpenBar> bars;
    if (!CheaperGreedyBars(problem, demand, left, bars)) return {};
    // Equal bars counted by their sorted piece lists; a count of each length only per pattern.
    std::map<std::pair<int, std::vector<int>>, int> times;
    for (OpenBar& bar : bars) {
        std::sort(bar.items.begin(), bar.items.end());
        ++times[{bar.stock, std::move(bar.items)}];
    }
    std::vector<PackPattern> patterns;
    for (const auto& [bar, n] : times) {
        std::vector<int> counts(problem.items.size(), 0);
        for (int i : bar.second) ++counts[i];
        patterns.push_back({bar.first, n, std::move(counts)});
    }
    return PlanOfPatterns(problem, std::move(patterns));
}

bool GreedyBest(const PackProblem& problem, const std::vector<int>& demand, const std::vector<int>& left,
                std::vector<PackBar>& out) {
    std::vector<OpenBar> bars;
    if (!CheaperGreedyBars(problem, demand, left, bars)) return false;
    AppendBars(problem, bars, out);
    return true;
}

PackPlan FirstFitDecreasing(const PackProblem& problem) {
    std::vector<int> demand, left;
    for (const PackItem& item : problem.items) demand.push_back(item.demand);
    for (const PackStock& s : problem.stock) left.push_back(s.count);
    std::vector<PackBar> bars;
    if (!Greedy(problem, demand, left, false, bars)) return {};
    return PlanOf(problem, bars);
}

SmallSearch::SmallSearch(const PackProblem& problem, std::vector<int> pieces, std::vector<int> left, long nodeLimit,
                         std::function<bool()> stop)
    : problem_(problem), pieces_(std::move(pieces)), left_(std::move(left)), nodeLimit_(nodeLimit),
      stop_(std::move(stop)) {
    std::stable_sort(pieces_.begin(), pieces_.end(),
                     [&](int a, int b) { return problem.items[a].size > problem.items[b].size; });
    perUnit_ = HUGE_VAL;
    for (const PackStock& s : problem.stock) perUnit_ = std::min(perUnit_, s.cost / s.capacity);
    rest_.assign(pieces_.size() + 1, 0.0);
    for (std::size_t k = pieces_.size(); k-- > 0;) rest_[k] = rest_[k + 1] + problem.items[pieces_[k]].size;
}

bool SmallSearch::Finished() const { return nodes_ <= nodeLimit_; }

bool SmallSearch::Run(double limit, std::vector<PackBar>& out) {
    best_ = limit - 1e-9 * std::max(1.0, limit);
    found_ = false;
    Place(0, 0.0);
    if (!found_) return false;
    out = bestBars_;
    return true;
}

void SmallSearch::Place(std::size_t k, double cost) {
    if (++nodes_ > nodeLimit_) return;
    if (nodes_ % 1024 == 0 && stop_ && stop_()) nodes_ = nodeLimit_ + 1;
    if (nodes_ > nodeLimit_) return;
    // What the bars begun cannot take needs new bars at the cheapest rate at least.
    if (cost + std::max<double>(0.0, rest_[k] - openRoom_) * perUnit_ > best_ + 1e-12) return;
    if (k == pieces_.size()) {
        best_ = cost;
        found_ = true;
        bestBars_.clear();
        for (const OpenBar& bar : bars_) {
            std::vector<int> counts(problem_.items.size(), 0);
            for (int i : bar.items) ++counts[i];
            bestBars_.emplace_back(bar.stock, std::move(counts));
        }
        return;
    }
    const int item = pieces_[k];
    const std::int64_t size = problem_.items[item].size;
    std::set<std::pair<int, std::int64_t>> tried;  // bars alike in stock and room are one choice
    for (std::size_t b = 0; b < bars_.size(); ++b) {  // by index: deeper steps add bars
        if (bars_[b].room < size || !tried.insert({bars_[b].stock, bars_[b].room}).second) continue;
        bars_[b].room -= size;
        bars_[b].items.push_back(item);
        openRoom_ -= size;
        Place(k + 1, cost);
        openRoom_ += size;
        bars_[b].items.pop_back();
        bars_[b].room += size;
        if (nodes_ > nodeLimit_) return;
    }
    for (int t = 0; t < static_cast<int>(problem_.stock.size()); ++t) {
        const PackStock& s = problem_.stock[t];
        if (left_[t] == 0 || s.capacity < size) continue;
        if (left_[t] > 0) --left_[t];
        bars_.push_back({t, s.capacity - size, {item}});
        openRoom_ += s.capacity - size;
        Place(k + 1, cost + s.cost);
        openRoom_ -= s.capacity - size;
        bars_.pop_back();
        if (left_[t] >= 0) ++left_[t];
        if (nodes_ > nodeLimit_) return;
    }
}

void Repack(const PackProblem& problem, const std::vector<int>& stockLeft, const RepackHooks& hooks) {
    const int m = static_cast<int>(problem.items.size());
    std::uint32_t seed = 2463534242u;
    auto draw = [&seed](std::size_t n) {
        seed ^= seed << 13;
        seed ^= seed >> 17;
        seed ^= seed << 5;
        return static_cast<std::size_t>(seed % n);
    };
    // The bars of the best plan by room left, made again only when the best plan changes.
    std::vector<std::pair<std::int64_t, int>> sorted;  // room left, pattern
    bool changed = true;
    for (int round = 0; round < kRepackRounds && hooks.best().found && hooks.more(); ++round) {
        const PackPlan& plan = hooks.best();
        if (changed) {
            sorted.clear();
            for (std::size_t k = 0; k < plan.patterns.size(); ++k) {
                const PackPattern& p = plan.patterns[k];
                std::int64_t used = 0;
                for (int i = 0; i < m; ++i) used += p.counts[i] * problem.items[i].size;
                for (int t = 0; t < p.times; ++t)
                    sorted.push_back({problem.stock[p.stock].capacity - used, static_cast<int>(k)});
            }
            std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
            changed = false;
        }
        const std::vector<std::pair<std::int64_t, int>>& bars = sorted;
        std::vector<std::size_t> order(bars.size());
        std::iota(order.begin(), order.end(), 0);
        if (round > 0) {
            std::swap(order[0], order[round % std::min<std::size_t>(3, order.size())]);
            for (std::size_t k = order.size() - 1; k > 1; --k) std::swap(order[k], order[1 + draw(k)]);
        }
        std::vector<int> left = stockLeft;
        for (const auto& entry : bars) {
            const int stock = plan.patterns[entry.second].stock;
            if (left[stock] > 0) --left[stock];
        }
        std::vector<int> pieces;
        std::vector<int> cut(plan.patterns.size(), 0);  // bars of each pattern cut again
        double cost = 0;
        std::int64_t room = 0;
        int taken = 0;
        for (std::size_t b : order) {
            const PackPattern& p = plan.patterns[bars[b].second];
            int n = 0;
            for (int c : p.counts) n += c;
            if (pieces.size() + n > kRepackPieces || taken == kRepackBars) break;
            ++cut[bars[b].second];
            ++taken;
            room += bars[b].first;
            cost += problem.stock[p.stock].cost;
            if (left[p.stock] >= 0) ++left[p.stock];
            for (int i = 0; i < m; ++i)
                for (int c = 0; c < p.counts[i]; ++c) pieces.push_back(i);
        }
        const bool whole = taken == static_cast<int>(bars.size());
        // With one stock length a bar is saved only when the group wastes a whole bar.
        if (!whole && problem.stock.size() == 1 && room < problem.stock[0].capacity) continue;
        std::vector<PackBar> better;
        if (!hooks.search(pieces, left, whole ? 1000000 : 20000, cost, better)) {
            if (whole) return;
            continue;
        }
        // The bars not cut again keep their patterns; the new bars join them.
        std::vector<PackPattern> patterns;
        for (std::size_t k = 0; k < plan.patterns.size(); ++k)
            if (plan.patterns[k].times > cut[k]) {
                patterns.push_back(plan.patterns[k]);
                patterns.back().times -= cut[k];
            }
        for (PackBar& bar : better) {
            auto same = std::find_if(patterns.begin(), patterns.end(), [&](const PackPattern& p) {
                return p.stock == bar.first && p.counts == bar.second;
            });
            if (same != patterns.end()) ++same->times;
            else patterns.push_back({bar.first, 1, std::move(bar.second)});
        }
        hooks.offer(PlanOfPatterns(problem, std::move(patterns)));
        changed = true;
    }
}

}  // namespace mw
