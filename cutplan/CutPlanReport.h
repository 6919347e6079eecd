// A job's plans in words: each section's rows and totals, the totals of the whole job, and the
// sections as the cutting sheet reads them.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "cutplan/CutJob.h"
#include "cutplan/CutPlan.h"

namespace mw {

// One section of a planned job, as the totals and the printed sheet read it: the job as it was
// planned (as typed when it has no plan yet), and its plan (`found` false when there is none).
struct CutSheetSection {
    CutJob job;
    CutPlan plan;
};

// The headings of a plan's rows, in the window's table and in the text.
inline constexpr const char* kCutPlanColumns[] = {"根数", "原料 mm", "下料 mm", "余料 mm"};

// "6000 mm × 3 根, 4000 mm × 1 根": bars of each length, longest first, `separator` between;
// lengths of no bars left out.
std::string CutBarsText(const std::map<double, long long>& bars, const char* separator);

// "1200×3 + 800(A1)": equal pieces of one mark grouped, longest first as the plan lists them.
std::string CutPiecesText(const std::vector<double>& pieces, const std::vector<std::string>& marks = {});

// The plan's rows: bars, stock length, pieces, offcut.
std::vector<std::vector<std::string>> CutPlanRows(const CutPlan& plan);
// The plan's totals: bars of each length with the bound, amounts, reusable offcuts.
std::vector<std::string> CutPlanTotalLines(const CutPlan& plan);

// The totals of the job's sections that have a plan: bars of each length, weight, cost, waste.
// Empty when fewer than two sections have one.
std::string CutJobTotalLine(const std::vector<CutSheetSection>& sections);

// The whole job for the clipboard (`separator` '\t', CSV fields unquoted) or a CSV file (','):
// a single section as before; several each after a line naming it, then the job's totals.
std::string CutJobPlanText(const std::vector<CutSheetSection>& sections, char separator);

}  // namespace mw
