// The welded pipe size table: the fourteen nominal sizes, each with its thin and its thick wall.
#pragma once

namespace mw {

// Nominal size in inches × wall → φ outer diameter × wall, in mm; blanks after the whole-number
// sizes line the arrows up.
struct WeldedPipeRow {
    const char* thinWall;
    const char* thickWall;
};

constexpr int kWeldedPipeCount = 14;
extern const WeldedPipeRow kWeldedPipes[kWeldedPipeCount];

}  // namespace mw
