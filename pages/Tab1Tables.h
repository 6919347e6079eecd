// Built-in size lists of page one's table calculators: hot-rolled angle, channel and I-beam.
#pragma once

#include "pages/SizeTable.h"

namespace mw {

extern const SizeTable kAngleSizes;    // 147 sizes, "∠20×20×3" .. "∠200×125×18"; no 规格 text
extern const SizeTable kChannelSizes;  // 41 sizes, "[5" .. "[40c"
extern const SizeTable kIBeamSizes;    // 45 sizes, "工10" .. "工63c"

}  // namespace mw
