// The H and T section calculator: seven types, each with its size list.
#pragma once

#include "pages/TypedSizes.h"

namespace mw {

extern const TypedSizes kHTSection;  // "HW宽翼缘" ... "TN窄翼缘"

}  // namespace mw
