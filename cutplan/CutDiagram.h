// The cutting plan's bar diagram laid out in pixels: a row a pattern, every bar on one length
// scale, with the labels the window draws.
#pragma once

#include <string>
#include <vector>

#include "cutplan/CutPlan.h"

namespace mw {

// One bar of the diagram in pixels of the drawing area: the label on the left, then the bar
// with its pieces, the cuts between them and the offcut.
struct DiagramSegment {
    int left = 0, right = 0;
    std::string label;
    std::string mark;  // drawn after the label where both fit
};
struct DiagramRow {
    int top = 0, bottom = 0;
    int barLeft = 0, barRight = 0;  // the whole stock bar
    std::string label;              // "6000 ×12"
    std::vector<DiagramSegment> pieces;
    DiagramSegment offcut;          // empty (left == right) when nothing is left
};
// Rows for the patterns that fit into `width` × `height` pixels, every bar on one length scale.
std::vector<DiagramRow> LayoutCutDiagram(const CutPlan& plan, int width, int height);

}  // namespace mw
