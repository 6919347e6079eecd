// The H and T section calculator: seven types, each with its size list, weights by length.
#pragma once

#include <string>
#include <vector>

#include "pages/TypedSizes.h"

namespace mw {

extern const TypedSizes kHTSection;  // "HW宽翼缘" ... "TN窄翼缘"

// Texts of the type combo, in list order.
std::vector<std::string> HTTypeItems();

// The size combo after its type changed: the type's sizes, item 0 selected, the dialog's font.
// No type (or one past the list) leaves the list empty with nothing selected.
TypedSizeList FillHTSizes(int type);

// `type` and `size` are combo selections (-1 for none); `length` is the evaluated length edit, in
// mm under "kg;mm" and m otherwise. A missing or out-of-range selection weighs 0.
TypedResult ComputeHT(int type, int size, double length, const CalcSettings& settings);

}  // namespace mw
