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
    double seconds = 10;  // wall-clock budget; the best plan found by then is returned
};

struct PackOutcome {
    PackPlan plan;
    double bound = 0;        // no plan costs less
    bool lpBound = false;    // the bound is the rounded-up linear programme's, proven
    PackBoundSource boundSource = PackBoundSource::Sizes;
    bool infeasible = false; // proven: the stock on hand cannot hold the pieces
    bool stopped = false;    // cancelled or out of time before the search ended
};

PackOutcome SolvePacking(const PackProblem& problem, const PackControl& control = {});

}  // namespace mw
