// The wire rope calculator's construction list, kept in two files split where the strands stop
// being round: WireRopeTables.cpp (0 .. 10, with where every figure comes from) and
// WireRopeShapedTables.cpp (11 .. 21, triangular strands and flat ropes).
#pragma once

#include <cstddef>

#include "pages/WireRope.h"

namespace mw {

constexpr int kRoundStrandRopeCount = 11;

extern const RopeConstruction kShapedStrandRopes[kRopeConstructionCount - kRoundStrandRopeCount];

template <std::size_t N>
constexpr RopeConstruction Rope(const char* name, RopeCores cores, const RopeSizeRow (&rows)[N]) {
    return RopeConstruction{name, cores, rows, N};
}

}  // namespace mw
