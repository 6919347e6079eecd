// Type lists, size-list fills and weights of the cold-formed angle, channel and Z calculators.
#include "pages/ColdFormed.h"

#include "pages/ColdFormedTables.h"

namespace mw {

namespace {

// Pointers, not copies, so the lists are ready before any other file's static initialisation.
const ColdFormedType kAngleTypes[] = {
    {"等边角钢",   &kColdEqualAngleSizes,   SizeListFont::kWide},
    {"不等边角钢", &kColdUnequalAngleSizes, SizeListFont::kWide},
};

// The equal channel's short texts fit the dialog's font; the others need the narrow one.
const ColdFormedType kChannelTypes[] = {
    {"等边槽钢",   &kColdEqualChannelSizes,       SizeListFont::kDialog},
    {"不等边槽钢", &kColdUnequalChannelSizes,     SizeListFont::kNarrow},
    {"内卷边槽钢", &kColdInnerLippedChannelSizes, SizeListFont::kNarrow},
    {"外卷边槽钢", &kColdOuterLippedChannelSizes, SizeListFont::kNarrow},
};

const ColdFormedType kZTypes[] = {
    {"Z型钢",     &kColdZSizes,       SizeListFont::kDialog},
    {"卷边Z型钢", &kColdLippedZSizes, SizeListFont::kWide},
};

template <std::size_t N>
constexpr ColdFormedSection MakeSection(const ColdFormedType (&types)[N]) {
    return ColdFormedSection{types, N};
}

}  // namespace

const ColdFormedSection kColdAngle   = MakeSection(kAngleTypes);
const ColdFormedSection kColdChannel = MakeSection(kChannelTypes);
const ColdFormedSection kColdZ       = MakeSection(kZTypes);

std::vector<std::string> ColdFormedTypeItems(const ColdFormedSection& section) {
    std::vector<std::string> items;
    for (std::size_t i = 0; i < section.count; ++i) items.emplace_back(section.types[i].name);
    return items;
}

ColdSizeList FillColdFormedSizes(const ColdFormedSection& section, int type) {
    ColdSizeList list;
    const ColdFormedType* t = section.At(type);
    if (!t) return list;
    const SizeTable& sizes = *t->sizes;
    for (std::size_t i = 0; i < sizes.count; ++i) list.items.emplace_back(sizes.rows[i].model);
    list.selection = list.items.empty() ? -1 : 0;
    list.font = t->font;
    return list;
}

ColdSizeList FillColdAngleSizes(int type)   { return FillColdFormedSizes(kColdAngle, type); }
ColdSizeList FillColdChannelSizes(int type) { return FillColdFormedSizes(kColdChannel, type); }
ColdSizeList FillColdZSizes(int type)       { return FillColdFormedSizes(kColdZ, type); }

ColdFormedResult ComputeColdFormed(const ColdFormedSection& section, int type, int size,
                                   double length, const CalcSettings& settings) {
    double unitWeight = 0.0;
    if (const ColdFormedType* t = section.At(type)) {
        if (const SizeRow* row = t->sizes->At(size)) unitWeight = row->unitWeight;
    }
    ColdFormedResult result;
    result.unitWeight = ScaledUnitWeight(unitWeight, settings);
    result.weight = TableWeight(result.unitWeight, length, settings);
    result.unitWeightText = FormatUnitWeight(result.unitWeight);
    result.weightText = FormatWeight(result.weight, settings.decimals);
    return result;
}

ColdFormedResult ComputeColdAngle(int type, int size, double length, const CalcSettings& settings) {
    return ComputeColdFormed(kColdAngle, type, size, length, settings);
}

ColdFormedResult ComputeColdChannel(int type, int size, double length, const CalcSettings& settings) {
    return ComputeColdFormed(kColdChannel, type, size, length, settings);
}

ColdFormedResult ComputeColdZ(int type, int size, double length, const CalcSettings& settings) {
    return ComputeColdFormed(kColdZ, type, size, length, settings);
}

}  // namespace mw
