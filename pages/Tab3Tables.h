// Built-in size lists of page three's bar calculators: hexagonal, octagonal and reinforcing bar.
#pragma once

#include "pages/SizeTable.h"

namespace mw {

extern const SizeTable kHexagonSizes;  // 39 sizes, "8" .. "70"
extern const SizeTable kOctagonSizes;  // 12 sizes, "16" .. "40"
extern const SizeTable kRebarSizes;    // 68 sizes, "φ5.5*" .. "φ250*"; "*" is part of the item text

}  // namespace mw
