// The cold-formed angle, channel and Z calculators: type lists, the size list of each type and the
// font it is shown in, and the weight arithmetic, free of any window.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "pages/TypedSizes.h"

namespace mw {

extern const TypedSizes kColdAngle;    // "等边角钢", "不等边角钢"
extern const TypedSizes kColdChannel;  // "等边槽钢", "不等边槽钢", "内卷边槽钢", "外卷边槽钢"
extern const TypedSizes kColdZ;        // "Z型钢", "卷边Z型钢"

inline std::vector<std::string> ColdFormedTypeItems(const TypedSizes& section) { return TypeItems(section); }
inline TypedSizeList FillColdFormedSizes(const TypedSizes& section, int type) {
    return FillTypedSizes(section, type);
}
TypedSizeList FillColdAngleSizes(int type);
TypedSizeList FillColdChannelSizes(int type);
TypedSizeList FillColdZSizes(int type);

// `type` and `size` are combo selections (-1 for none); a size past the type's list, or no type,
// weighs 0. `length` is the evaluated length edit, in mm under "kg;mm" and m otherwise.
inline TypedResult ComputeColdFormed(const TypedSizes& section, int type, int size,
                                          double length, const CalcSettings& settings) {
    return ComputeTyped(section, type, size, length, settings);
}
TypedResult ComputeColdAngle(int type, int size, double length, const CalcSettings& settings);
TypedResult ComputeColdChannel(int type, int size, double length, const CalcSettings& settings);
TypedResult ComputeColdZ(int type, int size, double length, const CalcSettings& settings);

}  // namespace mw
