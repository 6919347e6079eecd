// The wire rope calculator: its constructions, the size list of each and the weight of a length
// of rope, free of any window.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "pages/CalcSettings.h"

namespace mw {

constexpr int kRopeConstructionCount = 22;

// The core kinds a construction lists each size with, always in the order natural fibre,
// synthetic fibre, steel.
enum class RopeCores {
    kNone,   // one item a size, the size alone: "φ16", "58×13×1.3"
    kFibre,  // "天然纤芯", "合成纤芯"
    kAll,    // "天然纤芯", "合成纤芯", "钢芯"
};

// One size of a construction with its unit weights in kg per 100 m, one a core kind in list
// order; a list without core kinds uses the first.
struct RopeSizeRow {
    const char* size;  // the item text before the core kind
    double weight[3];
};

// One entry of the construction list.
struct RopeConstruction {
    const char* name;
    RopeCores cores;
    const RopeSizeRow* rows;
    std::size_t rowCount;

    std::size_t CoresPerSize() const;
    std::size_t ItemCount() const { return rowCount * CoresPerSize(); }
};

// nullptr outside 0 .. kRopeConstructionCount - 1 (no selection included).
const RopeConstruction* RopeConstructionAt(int construction);

// Texts of the construction list (1062), in order.
std::vector<std::string> RopeConstructionItems();

// What the size list (1066) holds after FillRopeSizes.
struct RopeSizeList {
    std::vector<std::string> items;  // empty when no construction is selected
    int selection = -1;              // 0 when there are items
};

RopeSizeList FillRopeSizes(int construction);

// kg per 100 m of item `size` of `construction`, never scaled by density; 0 when either index
// is outside its list, as it is for no selection.
double RopeUnitWeight(int construction, int size);

struct RopeInput {
    int construction = -1;  // selection of 1062, -1 for none
    int size = -1;          // selection of 1066, -1 for none
    double length = 0.0;    // the length edit evaluated, in metres whatever the unit system
};

struct RopeResult {
    double unitWeight = 0.0;     // kg per 100 m
    double weight = 0.0;         // kg, or t under "t;m"
    std::string unitWeightText;  // for 1063: "%.2f"
    std::string weightText;      // for 1065: by the decimal places
};

// ComputeRope. Rope weights are the table's whatever the density setting.
RopeResult ComputeRope(const RopeInput& in, const CalcSettings& settings);

}  // namespace mw
