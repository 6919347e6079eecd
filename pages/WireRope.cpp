// Lists and weights of the wire rope calculator.
#include "pages/WireRope.h"

#include <cstdio>

#include "settings/TextFields.h"

namespace mw {
namespace {

const char* const kCoreNames[] = {"天然纤芯", "合成纤芯", "钢芯"};

}  // namespace

std::size_t RopeConstruction::CoresPerSize() const {
    switch (cores) {
        case RopeCores::kAll:   return 3;
        case RopeCores::kFibre: return 2;
        case RopeCores::kNone:  return 1;
    }
    return 1;
}

std::vector<std::string> RopeConstructionItems() {
    std::vector<std::string> items;
    for (int c = 0; c < kRopeConstructionCount; ++c) items.push_back(RopeConstructionAt(c)->name);
    return items;
}

RopeSizeList FillRopeSizes(int construction) {
    RopeSizeList list;
    const RopeConstruction* rope = RopeConstructionAt(construction);
    if (!rope) return list;
    const std::size_t perSize = rope->CoresPerSize();
    for (std::size_t r = 0; r < rope->rowCount; ++r) {
        if (rope->cores == RopeCores::kNone) {
            list.items.emplace_back(rope->rows[r].size);
            continue;
        }
        for (std::size_t k = 0; k < perSize; ++k) {
            list.items.push_back(std::string(rope->rows[r].size) + kCoreNames[k]);
        }
    }
    if (!list.items.empty()) list.selection = 0;
    return list;
}

double RopeUnitWeight(int construction, int size) {
    const RopeConstruction* rope = RopeConstructionAt(construction);
    // The size index may be left over from another construction's list; outside this one it
    // weighs nothing rather than reading past the table.
    if (!rope || size < 0 || static_cast<std::size_t>(size) >= rope->ItemCount()) return 0.0;
    const std::size_t perSize = rope->CoresPerSize();
    return rope->rows[size / perSize].weight[size % perSize];
}

RopeResult ComputeRope(const RopeInput& in, const CalcSettings& settings) {
    RopeResult result;
    result.unitWeight = RopeUnitWeight(in.construction, in.size);

    // The length is in metres in every unit system, so only the tonne changes the factor.
    const double perHundredMetres = result.unitWeight * in.length;
    switch (settings.unitSystem) {
        case kKgMm:
        case kKgM: result.weight = perHundredMetres * 0.01; break;
        case kTM:  result.weight = perHundredMetres * 0.00001; break;
        default:   result.weight = 0.0; break;
    }

    char text[352];  // enough for "%.2f" of the largest double
    std::snprintf(text, sizeof text, "%.2f", result.unitWeight);
    result.unitWeightText = text;
    result.weightText = FormatWeight(result.weight, settings.decimals);
    return result;
}

}  // namespace mw
