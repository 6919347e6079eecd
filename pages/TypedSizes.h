// Calculators whose size list depends on a type list (cold-formed sections, H and T sections,
// floor plate and mesh): the type entries, the list fill and the table-based weight.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "kit/ListFont.h"
#include "pages/CalcSettings.h"
#include "pages/SizeTable.h"

namespace mw {

// One entry of a type combo: its text, its size list and the font that list is shown in.
struct SectionType {
    const char* name;
    const SizeTable* sizes;
    ListFont font;
};

// The type list of one calculator, indexed by type-combo position.
struct TypedSizes {
    const SectionType* types;
    std::size_t count;

    const SectionType* At(int index) const {
        return index >= 0 && static_cast<std::size_t>(index) < count ? &types[index] : nullptr;
    }
};

template <std::size_t N>
constexpr TypedSizes MakeTypedSizes(const SectionType (&types)[N]) { return TypedSizes{types, N}; }

// Texts of a type combo, in list order.
std::vector<std::string> TypeItems(const TypedSizes& section);

// What a size combo holds after its type changed.
struct TypedSizeList {
    std::vector<std::string> items;    // empty when no type is selected
    int selection = -1;                // 0 when there are items
    std::optional<ListFont> font;  // none: the list keeps the font it had
};

TypedSizeList FillTypedSizes(const TypedSizes& section, int type);

// What such a calculator shows.
struct TypedResult {
    double unitWeight = 0.0;     // per m (or m2), scaled to the density
    double weight = 0.0;         // kg, or t under "t;m"
    std::string unitWeightText;  // "%.3f"
    std::string weightText;      // by the decimal places
};

// Weight of a quantity (length or area) of stock whose scaled unit weight is known.
using QuantityWeight = double (*)(double scaledUnitWeight, double quantity, const CalcSettings&);

// `type` and `size` are combo selections (-1 for none); a size past the type's list, or no type,
// weighs 0.
TypedResult ComputeTyped(const TypedSizes& section, int type, int size, double quantity,
                         const CalcSettings& settings, QuantityWeight weightOf = TableWeight);

}  // namespace mw
