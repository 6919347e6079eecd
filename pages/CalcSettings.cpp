// Unit-weight scaling, table weights and result formatting shared by all eighteen calculators.
#include "pages/CalcSettings.h"

namespace mw {

double ScaledUnitWeight(double unitWeight, const CalcSettings& s) {
    return unitWeight * s.density / kSteelDensity;
}

double TableWeight(double scaledUnitWeight, double length, const CalcSettings& s) {
    switch (s.unitSystem) {
        case kKgMm: return scaledUnitWeight * length * 0.001;
        case kKgM:  return scaledUnitWeight * length;
        case kTM:   return scaledUnitWeight * length * 0.001;
        default:    return 0.0;
    }
}

}  // namespace mw
