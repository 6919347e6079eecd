// The shared settings every calculator reads, and the arithmetic all table-based calculators share.
#pragma once

#include <string>

namespace mw {

// Unit systems: lengths and areas in mm (0) or m (1, 2); weights in kg (0, 1) or t (2).
enum UnitSystem { kKgMm = 0, kKgM = 1, kTM = 2 };

constexpr double kSteelDensity = 7.85;  // t/m3, the density the built-in unit weights are for

struct CalcSettings {
    int unitSystem = kKgMm;
    int decimals = 2;               // 0..9; anything else formats with two decimals
    double density = kSteelDensity; // t/m3
};

// A table unit weight (kg/m at 7.85) scaled to the current material.
double ScaledUnitWeight(double unitWeight, const CalcSettings& s);

// Weight of `length` (mm under kg;mm, m otherwise) of stock whose unit weight is already scaled:
// kg under unit systems 0 and 1, t under 2, 0 under any other unit system.
double TableWeight(double scaledUnitWeight, double length, const CalcSettings& s);

}  // namespace mw
