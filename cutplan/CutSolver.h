// The cutting job solved: its lengths put on an integer grid, the least stock found by column
// generation, and the result as a plan in millimetres.
#pragma once

#include "cutplan/CutJob.h"
#include "cutplan/CutPlan.h"
#include "cutplan/PackingSolver.h"

namespace mw {

// A job that CheckCutJob refuses gives no plan and its message. `control.progress` gets the
// share done and the best plan so far as a packing; use CutPlanFromPacking to read it.
CutPlan SolveCutJob(const CutJob& job, const PackControl& control = {});

// The grid problem of a checked job: `scale` grid units a millimetre (10^d for the most decimals
// d any length is typed with), `lengths` the piece length of each item.
struct CutGrid {
    PackProblem problem;
    double scale = 1;
    std::vector<double> lengths;
};
CutGrid CutGridOf(const CutJob& job);
CutPlan CutPlanFromPacking(const CutJob& job, const CutGrid& grid, const PackPlan& packing);

}  // namespace mw
