// The cold-formed angle, channel and Z calculators: type lists, the size list of each type and the
// font it is shown in, and the weight arithmetic, free of any window.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "pages/TypedSizes.h"

namespace mw {

// The two fonts page three creates for its size lists (logical units); kDialog is the page's own.
constexpr int kSizeListFontHeight = 13;
constexpr int kWideFontWidth = 5;
constexpr int kNarrowFontWidth = 4;

using ColdFormedType = SectionType;
using ColdFormedSection = TypedSizes;
using ColdSizeList = TypedSizeList;
using ColdFormedResult = TypedResult;

extern const ColdFormedSection kColdAngle;    // "等边角钢", "不等边角钢"
extern const ColdFormedSection kColdChannel;  // "等边槽钢", "不等边槽钢", "内卷边槽钢", "外卷边槽钢"
extern const ColdFormedSection kColdZ;        // "Z型钢", "卷边Z型钢"

inline std::vector<std::string> ColdFormedTypeItems(const ColdFormedSection& section) { return TypeItems(section); }
inline ColdSizeList FillColdFormedSizes(const ColdFormedSection& section, int type) {
    return FillTypedSizes(section, type);
}
ColdSizeList FillColdAngleSizes(int type);
ColdSizeList FillColdChannelSizes(int type);
ColdSizeList FillColdZSizes(int type);

// `type` and `size` are combo selections (-1 for none); a size past the type's list, or no type,
// weighs 0. `length` is the evaluated length edit, in mm under "kg;mm" and m otherwise.
inline ColdFormedResult ComputeColdFormed(const ColdFormedSection& section, int type, int size,
                                          double length, const CalcSettings& settings) {
    return ComputeTyped(section, type, size, length, settings);
}
ColdFormedResult ComputeColdAngle(int type, int size, double length, const CalcSettings& settings);
ColdFormedResult ComputeColdChannel(int type, int size, double length, const CalcSettings& settings);
ColdFormedResult ComputeColdZ(int type, int size, double length, const CalcSettings& settings);

}  // namespace mw
