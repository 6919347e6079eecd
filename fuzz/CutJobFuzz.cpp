// Fuzz target: a cutting job of any content read by the job parser. What it accepts writes back
// to text that reads to the same job; a small job that passes the checks is planned, and the plan
// must place every piece its count in bars that hold them, never above the stock on hand. The
// solver's own bound, as it comes (not lowered to the plan), must not stand above the plan, nor,
// on a tiny job, above the least cost an exhaustive search finds; a job the search cannot cut
// must be the one the solver calls short of stock.
#include <cstddef>
#include <cstdint>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "cutplan/CutJob.h"
#include "cutplan/CutSolver.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// The least cost of a grid problem, by every grouping of its pieces and every stock for each group.
double Exhaustive(const mw::PackProblem& problem) {
    std::vector<std::int64_t> pieces;
    for (const mw::PackItem& item : problem.items) pieces.insert(pieces.end(), item.demand, item.size);
    std::vector<std::int64_t> groups;  // length of each group
    double best = HUGE_VAL;
    std::vector<int> used(problem.stock.size(), 0);
    std::function<void(std::size_t, double)> assign = [&](std::size_t g, double cost) {
        if (cost >= best) return;
        if (g == groups.size()) {
            best = cost;
            return;
        }
        for (std::size_t t = 0; t < problem.stock.size(); ++t) {
            const mw::PackStock& s = problem.stock[t];
            if (groups[g] > s.capacity || (s.count >= 0 && used[t] >= s.count)) continue;
            ++used[t];
            assign(g + 1, cost + s.cost);
            --used[t];
        }
    };
    std::function<void(std::size_t)> place = [&](std::size_t k) {
        if (k == pieces.size()) {
            assign(0, 0.0);
            return;
        }
        for (std::size_t g = 0; g < groups.size(); ++g) {
            groups[g] += pieces[k];
            place(k + 1);
            groups[g] -= pieces[k];
        }
        groups.push_back(pieces[k]);
        place(k + 1);
        groups.pop_back();
    };
    place(0);
    return best;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    mw::CutJob job;
    std::string error;
    if (!mw::ParseCutJob(text, job, error)) {
        Require(error.compare(0, 3, "第") == 0);
        return 0;
    }
    const std::string written = mw::CutJobText(job);
    mw::CutJob back;
    Require(mw::ParseCutJob(written, back, error));
    Require(mw::CutJobText(back) == written);

    if (!mw::CheckCutJob(job).empty() || job.stock.size() > 4 || job.pieces.size() > 12) return 0;
    double pieces = 0;
    for (const mw::PieceRow& row : job.pieces) pieces += row.count;
    if (pieces > 60) return 0;
    mw::PackControl control;
    control.seconds = 0.2;
    const mw::CutGrid grid = mw::CutGridOf(job);
    const mw::PackOutcome outcome = mw::SolvePacking(grid.problem, control);
    const double slack = 1e-6 * (1 + std::fabs(outcome.plan.cost));
    if (outcome.plan.found) Require(outcome.bound <= outcome.plan.cost + slack);
    if (pieces <= 7) {
        const double least = Exhaustive(grid.problem);
        Require(outcome.bound <= least + 1e-6 * (1 + std::fabs(least)));
        if (least == HUGE_VAL) Require(!outcome.plan.found && outcome.infeasible);
        else Require(!outcome.infeasible);
        if (outcome.plan.found && !outcome.stopped) Require(outcome.plan.cost <= least + 1e-6 * (1 + least));
    }
    const mw::CutPlan plan = mw::SolveCutJob(job, control);
    if (!plan.found) {
        Require(!plan.message.empty());
        return 0;
    }
    Require(mw::CheckCutPlan(job, plan).empty());
    Require(plan.bound <= plan.value + 1e-6 * (1 + plan.value));
    return 0;
}
