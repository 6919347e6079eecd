// Size lists of page two's tube and pipe calculators.
#pragma once

#include "pages/SizeTable.h"

namespace mw {

extern const SizeTable kTubeSizes;  // 293 sizes, "20×1.2" .. "600×400×16"
extern const SizeTable kPipeSizes;  // 28 sizes, "1/8'×2.00" .. "6'×5.50"

}  // namespace mw
