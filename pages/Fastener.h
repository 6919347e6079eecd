// The fastener calculator (bolts, nuts, washers, split pins): its lists, the length placeholder
// of nuts and washers, and the weight of one piece.
#pragma once

#include <string>
#include <vector>

#include "pages/CalcSettings.h"
#include "pages/FastenerTables.h"

namespace mw {

// Shown in the length edit while a nut or washer, which needs no length, is selected.
extern const char kFastenerPlaceholder[];  // "标准大小"

// Items of the type list, in order (kFastenerTypeCount of them).
std::vector<std::string> FastenerTypeItems();

// kNone for an index outside the type list (no selection included).
FastenerFamily FastenerFamilyOf(int type);

// FillFastenerSizes: the items of the size list for the selected type; empty when no type is
// selected. The caller selects item 0 of a list that is not empty.
std::vector<std::string> FastenerSizeItems(int type);

// Selection change of the type list, before the sizes are refilled: true when the length edit's
// text must be emptied (a bolt or the split pin was chosen while the placeholder was shown).
bool FastenerTypeChangeClearsLength(int newType, const std::string& lengthText);

// Edit change of the length: the placeholder itself neither recomputes nor echoes.
bool FastenerLengthChangeComputes(const std::string& lengthText);

struct FastenerInput {
    int type = -1;        // selection of the type list, -1 for none
    int size = -1;        // selection of the size list, -1 for none
    double length = 0.0;  // the length edit evaluated (the placeholder evaluates to 0)
};

struct FastenerResult {
    double weight = 0.0;           // kg;mm: kg a piece; kg;m and t;m: kg or t a thousand
    std::string weightText;        // for the result edit, by the decimal places
    bool showPlaceholder = false;  // set the length edit to kFastenerPlaceholder
};

// Coefficients at 7.85 t/m3 of one size of one type; all zero where the type has no figure for
// the size, or for no selection. b is the split pin's weight per mm and 0 for the others.
struct FastenerCoefficients {
    double b = 0.0;
    double c = 0.0;
};
FastenerCoefficients FastenerCoefficientsAt(int type, int size);

// ComputeFastener. The length is always in millimetres; under "kg;m" the figure is 1000 times
// the kg;mm one and under "t;m" the same number, that is a thousand pieces in kg or t.
FastenerResult ComputeFastener(const FastenerInput& in, const CalcSettings& settings);

}  // namespace mw
