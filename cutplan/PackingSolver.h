// The least-cost set of bars that holds every piece of a cutting-stock problem on the grid.
#pragma once

#include <atomic>
#include <functional>

#include "cutplan/PackingTypes.h"

namespace mw {

struct PackControl {
    const std::atomic<bool>* cancel = nullptr;
    // Called from the solving thread whenever a better plan is found: the share of the work
    // done (0 … 1) and the best plan so far.
    std::function<void(double, const PackPlan&)> progress;
    // The budget: the best plan found by then is returned. It is counted in units of work (pivots,
    // knapsack cells and nodes, search steps), `seconds` of them at a rate calibrated once, so the
    // same job and budget give the same plan; `seconds` of wall-clock time stop it in any case.
    double seconds = 10;
    long long work = 0;  // units of work instead of those `seconds` buy, when above 0
};

struct PackOutcome {
    PackPlan plan;
    double bound = 0;        // no plan costs less
    bool lpBound = false;    // the bound is the rounded-up linear programme's, proven
    PackBoundSource boundSource = PackBoundSource::Sizes;
    bool infeasible = false; // proven: the stock on hand cannot hold the pieces
    bool stopped = false;    // cancelled, out of budget or out of memory before the search ended
    bool outOfMemory = false; // memory ran out: the plan is the best found before
    long long work = 0;       // units of work done
};

// The units of work a budget of `seconds` buys.
long long PackWorkBudget(double seconds);

// Never throws: memory running out ends the search with the best plan so far.
PackOutcome SolvePacking(const PackProblem& problem, const PackControl& control = {});

}  // namespace mw
