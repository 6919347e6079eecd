// Fuzz target: a cutting job of any content read by the job parser. What it accepts writes back
// to text that reads to the same job; a small job that passes the checks is planned, and the plan
// must place every piece its count in bars that hold them, never above the stock on hand nor
// below the bound.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "cutplan/CutJob.h"
#include "cutplan/CutSolver.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
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
    const mw::CutPlan plan = mw::SolveCutJob(job, control);
    if (!plan.found) {
        Require(!plan.message.empty());
        return 0;
    }
    Require(mw::CheckCutPlan(job, plan).empty());
    Require(plan.bound <= plan.value + 1e-6 * (1 + plan.value));
    return 0;
}
