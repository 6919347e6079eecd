// Quick lower bounds on the number of bars a set of pieces needs, computed from the sizes alone.
#pragma once

#include <cstdint>
#include <vector>

#include "cutplan/PackingSolver.h"

namespace mw {

// Martello and Toth's bound for pieces `items` (sizes and counts) in bars of `capacity`: for each
// threshold K up to half a bar, the pieces longer than C−K each need a bar of their own, as do
// those longer than half a bar, and the pieces from K to half a bar that do not fit the room those
// leave need bars at their total length. The largest over K; never below the sizes-only bound and
// never above the rounded-up linear programme's. 0 when a piece does not fit a bar.
long long MartelloTothBound(const std::vector<PackItem>& items, std::int64_t capacity);

}  // namespace mw
