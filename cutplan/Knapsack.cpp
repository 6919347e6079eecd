// Bounded knapsack: one dynamic programme shared by every capacity when the grid is small, a
// depth-first branch and bound with the fractional bound when it is not.
#include "cutplan/Knapsack.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace mw {

namespace {

// Grid cells times item parts above which the table costs more than the search.
constexpr std::int64_t kMaxTableCells = 3000000;
constexpr std::int64_t kMaxExactCells = 24000000;
constexpr std::int64_t kCoarseCells = 20000;
constexpr long kMaxNodes = 2000000;
constexpr long kQuickNodes = 20000;
constexpr std::size_t kFrontierStates = 1000000;
// The widest table: a value of 8 bytes a cell (the marks take one byte a cell and part).
constexpr std::int64_t kMaxTableWidth = 4000000;

struct Part {
    int item;
    int copies;
    std::int64_t size;
    double value;
};

// Each item split into parts of 1, 2, 4 … copies, so any count up to its bound is a sum of parts.
// Sizes on a grid of `unit`: rounded up (`up`), so whatever fits the grid fits the bar, or down,
// so that the grid's optimum bounds the bar's.
std::vector<Part> SplitItems(const std::vector<KnapsackItem>& items, std::int64_t unit, std::int64_t capacity,
                             bool up = true) {
    std::vector<Part> parts;
    const std::int64_t cells = up ? capacity / unit : (capacity + unit - 1) / unit;
    for (int i = 0; i < static_cast<int>(items.size()); ++i) {
        const KnapsackItem& item = items[i];
        if (item.value <= kKnapsackWorthless || item.bound <= 0 || item.size > capacity) continue;
        const std::int64_t size = up ? (item.size + unit - 1) / unit : item.size / unit;
        if (up && size > cells) continue;
        int left = static_cast<int>(std::min<std::int64_t>(item.bound, size > 0 ? cells / size : item.bound));
        for (int copies = 1; left > 0; copies *= 2) {
            const int take = std::min(copies, left);
            parts.push_back({i, take, size * take, item.value * take});
            left -= take;
        }
    }
    return parts;
}

// `up`: capacities rounded down to the grid (a set that fits); otherwise up (an upper bound).
std::vector<KnapsackResult> ByTable(const std::vector<KnapsackItem>& items, const std::vector<Part>& parts,
                                    std::int64_t unit, const std::vector<std::int64_t>& capacities, bool up = true) {
    auto cellsOf = [&](std::int64_t c) { return up ? c / unit : (c + unit - 1) / unit; };
    std::int64_t width = 0;
    for (std::int64_t c : capacities) width = std::max(width, cellsOf(c));
    const std::size_t cells = static_cast<std::size_t>(width) + 1;
    std::vector<double> best(cells, 0.0);
    // Which part improved each cell, one byte a cell and part; only a table that is read back
    // (a set that fits) keeps it.
    std::vector<std::uint8_t> taken(up ? parts.size() * cells : 0, 0);
    for (std::size_t p = 0; p < parts.size(); ++p) {
        const std::int64_t size = parts[p].size;
        const double value = parts[p].value;
        if (size == 0) {
            for (double& b : best) b += value;
            if (up) std::fill(taken.begin() + p * cells, taken.begin() + (p + 1) * cells, 1);
            continue;
        }
        double* cell = best.data();
        if (up) {
            std::uint8_t* mark = &taken[p * cells];
            for (std::int64_t c = width; c >= size; --c) {
                const double with = cell[c - size] + value;
                const bool better = with > cell[c] + 1e-12;
                cell[c] = better ? with : cell[c];
                mark[c] = better;
            }
        } else {
            for (std::int64_t c = width; c >= size; --c) cell[c] = std::max(cell[c], cell[c - size] + value);
        }
    }
    if (!up) {
        std::vector<KnapsackResult> bounds;
        for (std::int64_t capacity : capacities) {
            KnapsackResult result;
            result.upper = best[static_cast<std::size_t>(cellsOf(capacity))];
            bounds.push_back(std::move(result));
        }
        return bounds;
    }
    std::vector<KnapsackResult> results;
    for (std::int64_t capacity : capacities) {
        KnapsackResult result;
        result.counts.assign(items.size(), 0);
        std::size_t c = static_cast<std::size_t>(cellsOf(capacity));
        result.upper = best[c];
        for (std::size_t p = parts.size(); p-- > 0;) {
            if (!taken[p * cells + c]) continue;
            result.counts[parts[p].item] += parts[p].copies;
            c -= static_cast<std::size_t>(parts[p].size);
        }
        // The value read back, not the table's, so that rounding never claims more than it holds.
        result.value = 0;
        for (std::size_t i = 0; i < items.size(); ++i) result.value += items[i].value * result.counts[i];
        results.push_back(std::move(result));
    }
    return results;
}

// The exact optimum by the sets that are worth more than every lighter set (sorted by length,
// each part added to each set in turn): few such sets when few pieces fill a bar, however fine
// the grid. False when the sets outgrow `stateLimit`.
// Parts go in by worth per unit of length, so that a set that cannot reach `known` (a value some
// set that fits is worth) even with its room filled at the best rate left is dropped early.
bool ByFrontier(const std::vector<KnapsackItem>& items, std::vector<Part> parts, std::int64_t unit,
                const std::vector<std::int64_t>& capacities, double known, std::size_t stateLimit,
                std::vector<KnapsackResult>& out, long long* work) {
    std::stable_sort(parts.begin(), parts.end(),
                     [](const Part& a, const Part& b) { return a.value * b.size > b.value * a.size; });
    struct State {
        std::int64_t size;
        double value;
        int parent;  // the state this one grew from, -1 for the empty set
        int part;
    };
    std::int64_t largest = 0;
    for (std::int64_t c : capacities) largest = std::max(largest, c / unit);
    std::vector<State> states{{0, 0.0, -1, -1}};  // every state ever made, for reading back
    std::vector<int> frontier{0}, grown, merged;
    for (std::size_t p = 0; p < parts.size(); ++p) {
        grown.clear();
        for (int k : frontier) {
            if (states[k].size + parts[p].size > largest) break;
            grown.push_back(static_cast<int>(states.size()));
            states.push_back({states[k].size + parts[p].size, states[k].value + parts[p].value, k,
                              static_cast<int>(p)});
        }
        merged.clear();
        std::size_t a = 0, b = 0;
        double top = -1;
        const double rate = p + 1 < parts.size() ? parts[p + 1].value / parts[p + 1].size : 0.0;
        while (a < frontier.size() || b < grown.size()) {
            int next;
            if (b == grown.size() ||
                (a < frontier.size() && (states[frontier[a]].size < states[grown[b]].size ||
                                         (states[frontier[a]].size == states[grown[b]].size &&
                                          states[frontier[a]].value >= states[grown[b]].value))))
                next = frontier[a++];
            else
                next = grown[b++];
            if (states[next].value + (largest - states[next].size) * rate < known - 1e-9) continue;
            if (states[next].value > top + 1e-12) {
                merged.push_back(next);
                top = states[next].value;
            }
        }
        frontier.swap(merged);
        if (work) *work += static_cast<long long>(grown.size() + frontier.size());
        if (states.size() > stateLimit) return false;
    }
    out.clear();
    for (std::int64_t capacity : capacities) {
        KnapsackResult result;
        result.counts.assign(items.size(), 0);
        int best = 0;
        for (int k : frontier)
            if (states[k].size <= capacity / unit) best = k;
        for (int k = best; states[k].parent >= 0; k = states[k].parent)
            result.counts[parts[states[k].part].item] += parts[states[k].part].copies;
        for (std::size_t i = 0; i < items.size(); ++i) result.value += items[i].value * result.counts[i];
        result.upper = result.value;
        out.push_back(std::move(result));
    }
    return true;
}

class Search {
public:
    Search(const std::vector<KnapsackItem>& items, std::int64_t capacity, long nodeLimit, long long* work)
        : items_(items), capacity_(capacity), nodeLimit_(nodeLimit), work_(work) {
        for (int i = 0; i < static_cast<int>(items.size()); ++i)
            if (items[i].value > kKnapsackWorthless && items[i].bound > 0 && items[i].size <= capacity) order_.push_back(i);
        std::sort(order_.begin(), order_.end(), [&](int a, int b) {
            const double ra = items[a].value / items[a].size, rb = items[b].value / items[b].size;
            return ra != rb ? ra > rb : a < b;
        });
        counts_.assign(items.size(), 0);
        best_.counts.assign(items.size(), 0);
        // The smallest size from each position on: nothing more fits below it.
        smallest_.assign(order_.size() + 1, capacity + 1);
        for (std::size_t k = order_.size(); k-- > 0;)
            smallest_[k] = std::min(smallest_[k + 1], items[order_[k]].size);
    }

    KnapsackResult Run() {
        Greedy();
        Dive(0, capacity_, 0.0);
        if (work_) *work_ += 4 * std::min(nodes_, nodeLimit_) + static_cast<long long>(order_.size());
        best_.upper = nodes_ <= nodeLimit_ ? best_.value : best_.value + Bound(0, capacity_);
        return best_;
    }

private:
    void Greedy() {
        std::int64_t room = capacity_;
        double value = 0;
        std::vector<int> counts(items_.size(), 0);
        for (int i : order_) {
            const int take = static_cast<int>(std::min<std::int64_t>(items_[i].bound, room / items_[i].size));
            counts[i] = take;
            room -= take * items_[i].size;
            value += take * items_[i].value;
        }
        best_.value = value;
        best_.counts = counts;
    }

    // Upper bound of what the items from position k on can add in `room`: greedy, the first item
    // that does not fit whole taken in part.
    double Bound(std::size_t k, std::int64_t room) const {
        double value = 0;
        for (; k < order_.size() && room > 0; ++k) {
            const KnapsackItem& item = items_[order_[k]];
            const std::int64_t whole = std::min<std::int64_t>(item.bound, room / item.size);
            value += whole * item.value;
            room -= whole * item.size;
            if (whole < item.bound && room > 0) return value + item.value * room / item.size;
        }
        return value;
    }

    void Dive(std::size_t k, std::int64_t room, double value) {
        if (++nodes_ > nodeLimit_) return;
        if (value > best_.value + 1e-12) {
            best_.value = value;
            best_.counts = counts_;
        }
        if (k == order_.size() || room < smallest_[k]) return;
        if (value + Bound(k, room) <= best_.value + 1e-12) return;
        const int i = order_[k];
        const KnapsackItem& item = items_[i];
        const int most = static_cast<int>(std::min<std::int64_t>(item.bound, room / item.size));
        for (int take = most; take >= 0; --take) {
            counts_[i] = take;
            Dive(k + 1, room - take * item.size, value + take * item.value);
            if (nodes_ > nodeLimit_) break;
        }
        counts_[i] = 0;
    }

    const std::vector<KnapsackItem>& items_;
    std::int64_t capacity_;
    std::vector<int> order_;
    std::vector<std::int64_t> smallest_;
    std::vector<int> counts_;
    KnapsackResult best_;
    long nodeLimit_;
    long long* work_;
    long nodes_ = 0;
};

}  // namespace

std::vector<KnapsackResult> SolveKnapsacks(const std::vector<KnapsackItem>& items,
                                           const std::vector<std::int64_t>& capacities, bool exact,
                                           long long* work) {
    auto spend = [work](long long units) {
        if (work) *work += units;
    };
    std::int64_t largest = 0;
    for (std::int64_t c : capacities) largest = std::max(largest, c);
    // Every size a multiple of `unit` lets the table run on a coarser grid.
    std::int64_t unit = 0;
    for (const KnapsackItem& item : items)
        if (item.value > kKnapsackWorthless && item.bound > 0 && item.size <= largest) unit = std::gcd(unit, item.size);
    if (unit == 0) {
        std::vector<KnapsackResult> empty(capacities.size());
        for (KnapsackResult& r : empty) r.counts.assign(items.size(), 0);
        return empty;
    }
    const std::vector<Part> parts = SplitItems(items, unit, largest);
    const std::int64_t cells = static_cast<std::int64_t>(parts.size()) * (largest / unit + 1);
    if (cells > kMaxTableCells) {
        // A short search settles most large grids (few pieces a bar) long before a table would.
        std::vector<KnapsackResult> results;
        for (std::int64_t capacity : capacities) {
            results.push_back(Search(items, capacity, kQuickNodes, work).Run());
            if (!results.back().Exact()) break;
        }
        if (results.size() == capacities.size() && results.back().Exact()) return results;
        // With one capacity the search's set is a value to beat; with several, the least of theirs.
        double known = 0;
        if (results.size() == capacities.size()) {
            known = HUGE_VAL;
            for (const KnapsackResult& r : results) known = std::min(known, r.value);
            if (capacities.size() > 1) known = 0;
        }
        if (ByFrontier(items, parts, unit, capacities, known, kFrontierStates, results, work)) return results;
    }
    const bool narrow = largest / unit < kMaxTableWidth;
    if (narrow && (cells <= kMaxTableCells || (exact && cells <= kMaxExactCells))) {
        spend(cells);
        std::vector<KnapsackResult> results = ByTable(items, parts, unit, capacities);
        for (KnapsackResult& r : results) r.upper = r.value;  // every size a whole number of cells
        return results;
    }
    if (!exact) {
        const std::int64_t coarse = std::max<std::int64_t>(unit, largest / kCoarseCells);
        std::vector<KnapsackResult> results = ByTable(items, SplitItems(items, coarse, largest), coarse, capacities);
        const std::vector<KnapsackResult> bounds =
            ByTable(items, SplitItems(items, coarse, largest, false), coarse, capacities, false);
        for (std::size_t k = 0; k < results.size(); ++k)
            results[k].upper = std::max(results[k].value, bounds[k].upper);
        spend(2 * static_cast<long long>(parts.size()) * kCoarseCells);
        return results;
    }
    std::vector<KnapsackResult> results;
    for (std::int64_t capacity : capacities) results.push_back(Search(items, capacity, kMaxNodes, work).Run());
    return results;
}

}  // namespace mw
