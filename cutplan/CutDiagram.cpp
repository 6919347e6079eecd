// The bar diagram's layout.
#include "cutplan/CutDiagram.h"

#include <algorithm>
#include <cmath>

#include "settings/TextFields.h"

namespace mw {

std::vector<DiagramRow> LayoutCutDiagram(const CutPlan& plan, int width, int height) {
    std::vector<DiagramRow> rows;
    if (!plan.found || plan.patterns.empty() || width <= 0 || height <= 0) return rows;
    double longest = 0;
    for (const CutPattern& pattern : plan.patterns) longest = std::max(longest, pattern.stockLength);
    if (longest <= 0) return rows;
    const int count = static_cast<int>(plan.patterns.size());
    // Rows share the height, but never shrink below a line of small text nor grow past a few lines.
    const int rowHeight = std::min(std::max(height / std::max(count, 3), 12), height);
    const int fitting = std::min(count, height / rowHeight);
    const int labelWidth = std::min(width / 5, std::max(width / 8, 40));
    const int barWidth = width - labelWidth - 2;
    const int gap = std::max(rowHeight / 6, 1);
    for (int i = 0; i < fitting; ++i) {
        const CutPattern& pattern = plan.patterns[i];
        DiagramRow row;
        row.top = i * rowHeight + gap / 2;
        row.bottom = (i + 1) * rowHeight - gap / 2;
        row.barLeft = labelWidth;
        const auto x = [&](double mm) { return labelWidth + static_cast<int>(std::lround(mm / longest * barWidth)); };
        row.barRight = x(pattern.stockLength);
        row.label = PlainNumber(pattern.stockLength, 1) + " ×" + std::to_string(pattern.times);
        // Pieces from the bar's start; what lies between them is kerf and trim, drawn as the bar.
        const double used = pattern.stockLength - pattern.offcut;
        double sum = 0;
        for (double piece : pattern.pieces) sum += piece;
        const double between = pattern.pieces.empty() ? 0 : std::max(0.0, (used - sum) / pattern.pieces.size());
        double at = 0;
        for (std::size_t k = 0; k < pattern.pieces.size(); ++k) {
            const double piece = pattern.pieces[k];
            at += between;
            row.pieces.push_back({x(at), x(at + piece), PlainNumber(piece, 1), PieceMark(pattern, k)});
            at += piece;
        }
        row.offcut = {x(used), row.barRight, pattern.offcut > 0 ? PlainNumber(pattern.offcut, 1) : std::string(), ""};
        rows.push_back(row);
    }
    return rows;
}

}  // namespace mw
