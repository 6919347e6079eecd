// Shared settings for a calculator test in one line.
#pragma once

#include "pages/CalcSettings.h"

namespace mw {

inline CalcSettings Units(int unitSystem, int decimals = 2, double density = kSteelDensity) {
    CalcSettings s;
    s.unitSystem = unitSystem;
    s.decimals = decimals;
    s.density = density;
    return s;
}

}  // namespace mw
