// Type lists, size-list fills and table-based weights shared by the typed calculators.
#include "pages/TypedSizes.h"

#include "settings/TextFields.h"

namespace mw {

std::vector<std::string> TypeItems(const TypedSizes& section) {
    std::vector<std::string> items;
    for (std::size_t i = 0; i < section.count; ++i) items.emplace_back(section.types[i].name);
    return items;
}

TypedSizeList FillTypedSizes(const TypedSizes& section, int type) {
    TypedSizeList list;
    const SectionType* t = section.At(type);
    if (!t) return list;
    const SizeTable& sizes = *t->sizes;
    for (std::size_t i = 0; i < sizes.count; ++i) list.items.emplace_back(sizes.rows[i].model);
    list.selection = list.items.empty() ? -1 : 0;
    list.font = t->font;
    return list;
}

TypedResult ComputeTyped(const TypedSizes& section, int type, int size, double quantity,
                         const CalcSettings& settings, QuantityWeight weightOf) {
    double unitWeight = 0.0;
    if (const SectionType* t = section.At(type)) {
        if (const SizeRow* row = t->sizes->At(size)) unitWeight = row->unitWeight;
    }
    TypedResult result;
    result.unitWeight = ScaledUnitWeight(unitWeight, settings);
    result.weight = weightOf(result.unitWeight, quantity, settings);
    result.unitWeightText = FormatUnitWeight(result.unitWeight);
    result.weightText = FormatWeight(result.weight, settings.decimals);
    return result;
}

}  // namespace mw
