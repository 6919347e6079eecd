// Built-in size lists of the cold-formed angle, channel and Z section, one list per section type.
#pragma once

#include "pages/SizeTable.h"

namespace mw {

extern const SizeTable kColdEqualAngleSizes;          // "等边角钢", 35 sizes
extern const SizeTable kColdUnequalAngleSizes;        // "不等边角钢", 27 sizes
extern const SizeTable kColdEqualChannelSizes;        // "等边槽钢", 37 sizes
extern const SizeTable kColdUnequalChannelSizes;      // "不等边槽钢", 15 sizes
extern const SizeTable kColdInnerLippedChannelSizes;  // "内卷边槽钢", 30 sizes
extern const SizeTable kColdOuterLippedChannelSizes;  // "外卷边槽钢", 6 sizes
extern const SizeTable kColdZSizes;                   // "Z型钢", 4 sizes
extern const SizeTable kColdLippedZSizes;             // "卷边Z型钢", 19 sizes

}  // namespace mw
