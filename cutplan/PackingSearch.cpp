// The steps around the column generation: the budget, the bounds from the sizes, the proofs that
// the stock on hand cannot hold the pieces, a plan from the stock as if unlimited when the counts
// defeat the greedy start, and the short search at the end. Whatever memory runs out on ends the
// search with the best plan so far.
#include "cutplan/PackingSearch.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <numeric>

#include "cutplan/PackingBounds.h"

namespace mw {

namespace {

constexpr int kDives = 400;
// The share of what is left that planning as if the stock were unlimited may take, when the
// bars on hand (of several lengths) defeat the greedy start.
constexpr double kUnlimitedShare = 0.6;
// Jobs of at most this many pieces are searched whole when the bars on hand defeat the greedy start.
constexpr long long kWholeSearchPieces = 20;
constexpr long kWholeSearchNodes = 2000000;

}  // namespace

PackingSearch::PackingSearch(const PackProblem& problem, const PackControl& control, long long workLimit,
                             std::chrono::steady_clock::time_point deadline)
    : problem_(problem), control_(control), start_(std::chrono::steady_clock::now()), deadline_(deadline), workLimit_(std::max(1LL, workLimit)),
      searchLimit_(std::max(1LL, workLimit_ / 50 * 49)) {
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
    share_ = kProgrammeShare;
}

PackOutcome PackingSearch::Run() {
    PackOutcome outcome;
    try {
        Search();
    } catch (const std::bad_alloc&) {
        outOfMemory_ = true;  // the best plan so far stands
    }
    const bool stopped = Stopped() || outOfMemory_;  // before merging spends its own share
    lp_.reset();
    std::vector<PackBar>().swap(pool_);
    pooled_.clear();
    if (best_.found) {
        try {
            // Merging is for fewer set-ups, not fewer bars: the last share of the budget, and
            // never past the time kept for it.
            const long long limit = work_ + (workLimit_ - searchLimit_);
            const auto end = deadline_ + (deadline_ - start_) / 400;
            long long pairs = 0;
            MergePatterns(problem_, best_, [&](long long units) {
                work_ += units;
                return work_ <= limit && (++pairs % 64 != 0 || std::chrono::steady_clock::now() <= end);
            });
        } catch (const std::bad_alloc&) {
            outOfMemory_ = true;
        }
    }
    const bool met = best_.found && best_.cost <= bound_ + 1e-9 * maxCost_;
    outcome.stopped = (stopped || outOfMemory_) && !infeasible_ && !met;
    outcome.plan = std::move(best_);
    outcome.bound = bound_;
    outcome.lpBound = boundSource_ == PackBoundSource::Programme;
    outcome.boundSource = boundSource_;
    outcome.infeasible = infeasible_;
    outcome.outOfMemory = outOfMemory_;
    outcome.work = work_;
    return outcome;
}

void PackingSearch::Search() {
    if (Stopped()) return;
    bound_ = RoundUp(SizeBound(problem_));
    if (problem_.stock.size() == 1) {
        const double pairs = RoundUp(MartelloTothBound(problem_.items, problem_.stock[0].capacity) * problem_.stock[0].cost);
        if (pairs > bound_ + 1e-9 * maxCost_) {
            bound_ = pairs;
            boundSource_ = PackBoundSource::MartelloToth;
        }
    }
    work_ += 8LL * m_;
    ProveInfeasible();
    if (infeasible_ || Stopped()) return;
    long long pieces = 0;
    for (int d : demand_) pieces += d;
    work_ += 40 * pieces;
    if (FitsProgramme()) {
        std::vector<PackBar> bars;
        if (GreedyBest(problem_, demand_, left_, bars)) Offer(PlanFrom(bars));
        for (const PackBar& bar : bars) AddToPool(bar.first, bar.second);
    } else {
        Offer(GreedyPlan(problem_, demand_, left_));
    }
    if (limits_ > 0 && !best_.found) {
        SearchSmallJob();
        if (!best_.found && !infeasible_) SolveWithoutCounts();
    }
    if (FitsProgramme())
        for (int strategy = 0; strategy < kDives && !Done() && WorkShare() < kProgrammeShare; ++strategy) Dive(strategy);
    Repack();
}

// Proofs from the sizes alone that the bars on hand cannot hold the pieces.
void PackingSearch::ProveInfeasible() {
    long double room = 0, length = 0;
    bool limited = true;
    for (const PackStock& s : problem_.stock) {
        if (s.count < 0) limited = false;
        else room += static_cast<long double>(s.capacity) * s.count;
    }
    for (const PackItem& item : problem_.items) length += static_cast<long double>(item.size) * item.demand;
    if (limited && length > room) infeasible_ = true;
    if (problem_.stock.size() == 1 && problem_.stock[0].count >= 0 &&
        MartelloTothBound(problem_.items, problem_.stock[0].capacity) > problem_.stock[0].count)
        infeasible_ = true;
}

// A job of a few pieces searched whole: its best plan, or the proof that there is none.
void PackingSearch::SearchSmallJob() {
    std::vector<int> pieces;
    long long count = 0;
    for (int d : demand_) count += d;
    if (count > kWholeSearchPieces) return;
    for (int i = 0; i < m_; ++i) pieces.insert(pieces.end(), demand_[i], i);
    std::vector<PackBar> bars;
    bool finished = false;
    if (SearchSmall(pieces, left_, kWholeSearchNodes, HUGE_VAL, bars, &finished)) Offer(PlanFrom(bars));
    else if (finished) infeasible_ = true;
}

bool PackingSearch::SearchSmall(const std::vector<int>& pieces, const std::vector<int>& left, long nodes,
                                double limit, std::vector<PackBar>& out, bool* finished) {
    SmallSearch search(problem_, pieces, left, nodes, [this] { return SearchStopped(); });
    const bool found = search.Run(limit, out);
    // The steps since the last thousand, which SearchStopped has not counted.
    work_ += kSearchNodeWork * (search.Nodes() % 1024);
    if (finished) *finished = search.Finished();
    return found;
}

// The job planned as if the bars on hand were as many as needed; a plan that keeps to the counts
// anyway is a plan here, and the bound holds here too (counts only take plans away).
void PackingSearch::SolveWithoutCounts() {
    PackProblem unlimited = problem_;
    for (PackStock& s : unlimited.stock)
        if (s.count > 0) s.count = -1;
    PackControl control;
    control.cancel = control_.cancel;
    control.progress = [this](double, const PackPlan& plan) {
        if (WithinCounts(plan)) Offer(plan);
    };
    // With one stock length the job is the unlimited one with a count to keep: its search gets the
    // whole budget, as the unlimited run would, and finds what that run finds; with several, the
    // dives under the counts get the rest.
    const long long share = problem_.stock.size() == 1
                                ? workLimit_
                                : static_cast<long long>(static_cast<double>(searchLimit_ - work_) * kUnlimitedShare);
    PackingSearch search(unlimited, control, share, deadline_);
    PackOutcome outcome = search.Run();
    work_ += search.Work();
    if (outcome.outOfMemory) throw std::bad_alloc();
    if (outcome.plan.found && WithinCounts(outcome.plan)) Offer(std::move(outcome.plan));
    if (outcome.infeasible) infeasible_ = !best_.found;
    if (outcome.bound > bound_ + 1e-9 * maxCost_) {
        bound_ = RoundUp(outcome.bound);
        boundSource_ = outcome.boundSource;
    }
}

bool PackingSearch::WithinCounts(const PackPlan& plan) const {
    std::vector<long long> bars(problem_.stock.size(), 0);
    for (const PackPattern& p : plan.patterns) bars[p.stock] += p.times;
    for (std::size_t t = 0; t < bars.size(); ++t)
        if (problem_.stock[t].count >= 0 && bars[t] > problem_.stock[t].count) return false;
    return true;
}

void PackingSearch::Repack() {
    RepackHooks hooks;
    hooks.more = [this] {
        work_ += 16 * best_.bars;
        return !Done();
    };
    hooks.best = [this]() -> const PackPlan& { return best_; };
    hooks.offer = [this](const PackPlan& plan) {
        work_ += 2 * static_cast<long long>(plan.patterns.size()) * m_;
        Offer(plan);
    };
    hooks.search = [this](const std::vector<int>& pieces, const std::vector<int>& left, long nodes, double limit,
                          std::vector<PackBar>& out) { return SearchSmall(pieces, left, nodes, limit, out); };
    mw::Repack(problem_, left_, hooks);
}

double PackingSearch::WorkShare() const {
    const double work = static_cast<double>(work_) / static_cast<double>(searchLimit_);
    const auto now = std::chrono::steady_clock::now();
    if (deadline_ <= start_) return std::max(work, 1.0);
    return std::max(work, std::chrono::duration<double>(now - start_).count() /
                              std::chrono::duration<double>(deadline_ - start_).count());
}

bool PackingSearch::Stopped() {
    if (stopped_) return true;
    // The work decides; the clock only stops a machine too slow or too busy for the budget.
    if ((control_.cancel && control_.cancel->load()) || work_ > searchLimit_ ||
        std::chrono::steady_clock::now() > deadline_)
        stopped_ = true;
    return stopped_;
}

// Asked every thousand steps of an exact search.
bool PackingSearch::SearchStopped() {
    work_ += 1024 * kSearchNodeWork;
    return Stopped();
}

bool PackingSearch::Done() {
    return infeasible_ || (best_.found && best_.cost <= bound_ + 1e-9 * maxCost_) || Stopped();
}

bool PackingSearch::FitsProgramme() const { return m_ + limits_ <= kMaxProgrammeRows; }

// Least multiple of the cost unit at or above `cost` (the cost itself when costs are not whole).
double PackingSearch::RoundUp(double cost) const {
    if (unit_ <= 0) return cost;
    // The programme's value carries rounding errors relative to its size.
    const double units = cost / unit_;
    return std::ceil(units - 1e-6 * std::max(1.0, units)) * unit_;
}

void PackingSearch::Offer(PackPlan plan) {
    if (!plan.found) return;
    if (best_.found && (plan.cost > best_.cost + 1e-9 * maxCost_ ||
                        (plan.cost >= best_.cost - 1e-9 * maxCost_ && plan.patterns.size() >= best_.patterns.size())))
        return;
    best_ = std::move(plan);  // made whole before it replaces the best: memory running out keeps the old
    if (control_.progress) control_.progress(progress_, best_);
}

PackPlan PackingSearch::PlanFrom(const std::vector<PackBar>& bars) {
    work_ += 2 * static_cast<long long>(bars.size()) * m_;
    return PlanOf(problem_, bars);
}

long long PackWorkBudget(double seconds) {
    return static_cast<long long>(std::min(std::max(0.0, seconds) * kWorkPerSecond, 9e18));
}

PackOutcome SolvePacking(const PackProblem& problem, const PackControl& control) {
    // The search stops a little before the budget's end: what follows (merging, the plan in
    // millimetres, its check) must be done by then too.
    const double seconds = std::max(0.0, control.seconds - std::min(0.03, control.seconds / 20));
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                              std::chrono::duration<double>(seconds));
    const long long work = control.work > 0 ? control.work : PackWorkBudget(control.seconds);
    return PackingSearch(problem, control, work, deadline).Run();
}

}  // namespace mw
