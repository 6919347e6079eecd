// The calculators' settings (unit system, decimal places, density) for a test in one line: the one
// helper every test of a calculator builds them with.
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
