// Lists, placeholder rules and piece weights of the fastener calculator.
#include "pages/Fastener.h"

#include "settings/TextFields.h"

namespace mw {

const char kFastenerPlaceholder[] = "标准大小";

std::vector<std::string> FastenerTypeItems() {
    std::vector<std::string> items;
    for (int t = 0; t < kFastenerTypeCount; ++t) items.push_back(FastenerTypeAt(t)->name);
    return items;
}

FastenerFamily FastenerFamilyOf(int type) {
    const FastenerTypeRow* row = FastenerTypeAt(type);
    return row ? row->family : FastenerFamily::kNone;
}

std::vector<std::string> FastenerSizeItems(int type) {
    std::vector<std::string> items;
    if (const FastenerTypeRow* row = FastenerTypeAt(type)) {
        items.assign(row->sizes.data, row->sizes.data + row->sizes.count);
    }
    return items;
}

bool FastenerTypeChangeClearsLength(int newType, const std::string& lengthText) {
    const FastenerFamily family = FastenerFamilyOf(newType);
    const bool needsLength = family == FastenerFamily::kBolt || family == FastenerFamily::kSplitPin;
    return needsLength && lengthText == kFastenerPlaceholder;
}

bool FastenerLengthChangeComputes(const std::string& lengthText) {
    return lengthText != kFastenerPlaceholder;
}

FastenerCoefficients FastenerCoefficientsAt(int type, int size) {
    FastenerCoefficients k;
    const FastenerTypeRow* row = FastenerTypeAt(type);
    if (!row || size < 0) return k;
    if (row->family == FastenerFamily::kSplitPin) {
        if (const SplitPinRow* pin = SplitPinAt(size)) {
            k.b = pin->b;
            k.c = pin->c;
        }
    } else if (static_cast<std::size_t>(size) < row->coefficients.count) {
        // The type list changes before the size list is refilled, so a size index may belong to
        // the previous type's list; past this type's figures it weighs 0.
        k.c = row->coefficients.data[size];
    }
    return k;
}

FastenerResult ComputeFastener(const FastenerInput& in, const CalcSettings& settings) {
    FastenerResult result;
    const FastenerFamily family = FastenerFamilyOf(in.type);
    const FastenerCoefficients k = FastenerCoefficientsAt(in.type, in.size);
    const double b = ScaledUnitWeight(k.b, settings);
    const double c = ScaledUnitWeight(k.c, settings);
    const double L = in.length;
    const int u = settings.unitSystem;
    const bool knownUnits = u == kKgMm || u == kKgM || u == kTM;

    double weight = 0.0;
    switch (family) {
        case FastenerFamily::kBolt:
            if (knownUnits) weight = u == kKgM ? c * L * 10 : c * L * 0.01;
            break;
        case FastenerFamily::kNut:
        case FastenerFamily::kWasher:
            if (knownUnits) weight = u == kKgM ? c * 1000 : c;
            result.showPlaceholder = true;  // whatever the unit system
            break;
        case FastenerFamily::kSplitPin:
            if (knownUnits && L != 0) weight = u == kKgM ? (b * L + c) * 1000 : b * L + c;
            break;
        case FastenerFamily::kNone:
            break;
    }
    result.weight = weight;
    result.weightText = FormatWeight(weight, settings.decimals);
    return result;
}

}  // namespace mw
