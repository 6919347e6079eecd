// Unit-weight scaling, table weights and result formatting shared by all eighteen calculators.
#include "pages/CalcSettings.h"

#include <cstdio>

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

std::string FormatWeight(double weight, int decimals) {
    static const char* const kFormats[] = {"%.0f", "%.1f", "%.2f", "%.3f", "%.4f",
                                           "%.5f", "%.6f", "%.7f", "%.8f", "%.9f"};
    const char* format = decimals >= 0 && decimals <= 9 ? kFormats[decimals] : "%.2f";
    char text[352];  // enough for "%.9f" of the largest double
    std::snprintf(text, sizeof text, format, weight);
    return text;
}

std::string FormatUnitWeight(double scaledUnitWeight) {
    char text[352];
    std::snprintf(text, sizeof text, "%.3f", scaledUnitWeight);
    return text;
}

}  // namespace mw
