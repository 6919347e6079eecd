// The cutting sheet (下料单) pinned beside the saw: for each section its data, each pattern once
// with "×N" bars drawn to scale, the saw's stop positions, the offcuts, the pieces to tick off
// and the totals; for a job of several sections the job's totals at the end.
#pragma once

#include <string>
#include <vector>

#include "cutplan/CutJob.h"
#include "cutplan/CutPlan.h"
#include "cutplan/CutPlanReport.h"
#include "print/PageModel.h"
#include "print/TextMeasure.h"

namespace mw {

inline constexpr char kCutSheetTitle[] = "下料单";

// Where the saw stops for each cut of one bar of `pattern`, in mm from the bar's start: the
// squared end (when there is a trim), then the end of each piece, the kerfs between included.
// A last piece that ends at the bar's end needs no cut and has no stop.
std::vector<double> SawStops(const CutJob& job, const CutPattern& pattern);

// "余料" for an offcut the job keeps (at least its reusable length), else "废料".
const char* OffcutName(const CutJob& job, double offcut);

// The sheet's pages, `date` on every one. Sections without a plan are left out.
std::vector<PrintedPage> LayoutCutSheet(const std::vector<CutSheetSection>& sections, const PaperSize& paper,
                                        const TextMeasure& measure, const std::string& date);

}  // namespace mw
