// The cold-formed angle, channel and Z calculators: type lists, the size list of each type and the
// font it is shown in, and the weight arithmetic, free of any window.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "pages/CalcSettings.h"
#include "pages/SizeTable.h"

namespace mw {

// The font a size list is shown in. Long item texts need a narrower font to fit the combo.
enum class SizeListFont { kDialog, kWide, kNarrow };

// The two fonts page three creates for its size lists (logical units); kDialog is the page's own.
constexpr int kSizeListFontHeight = 13;
constexpr int kWideFontWidth = 5;
constexpr int kNarrowFontWidth = 4;

// One entry of a type combo: its text, its size list and the font that list is shown in.
struct ColdFormedType {
    const char* name;
    const SizeTable* sizes;
    SizeListFont font;
};

// The type list of one cold-formed calculator, indexed by type-combo position.
struct ColdFormedSection {
    const ColdFormedType* types;
    std::size_t count;

    const ColdFormedType* At(int index) const {
        return index >= 0 && static_cast<std::size_t>(index) < count ? &types[index] : nullptr;
    }
};

extern const ColdFormedSection kColdAngle;    // "等边角钢", "不等边角钢"
extern const ColdFormedSection kColdChannel;  // "等边槽钢", "不等边槽钢", "内卷边槽钢", "外卷边槽钢"
extern const ColdFormedSection kColdZ;        // "Z型钢", "卷边Z型钢"

// Texts of a type combo, in list order.
std::vector<std::string> ColdFormedTypeItems(const ColdFormedSection& section);

// What a size combo holds after its type changed.
struct ColdSizeList {
    std::vector<std::string> items;    // empty when no type is selected
    int selection = -1;                // 0 when there are items
    std::optional<SizeListFont> font;  // none: the list keeps the font it had
};

ColdSizeList FillColdFormedSizes(const ColdFormedSection& section, int type);
ColdSizeList FillColdAngleSizes(int type);
ColdSizeList FillColdChannelSizes(int type);
ColdSizeList FillColdZSizes(int type);

// What a cold-formed calculator shows. These sections have no 规格 edit.
struct ColdFormedResult {
    double unitWeight = 0.0;     // kg/m, scaled to the density
    double weight = 0.0;         // kg, or t under "t;m"
    std::string unitWeightText;  // "%.3f"
    std::string weightText;      // by the decimal places
};

// `type` and `size` are combo selections (-1 for none); a size past the type's list, or no type,
// weighs 0. `length` is the evaluated length edit, in mm under "kg;mm" and m otherwise.
ColdFormedResult ComputeColdFormed(const ColdFormedSection& section, int type, int size,
                                   double length, const CalcSettings& settings);
ColdFormedResult ComputeColdAngle(int type, int size, double length, const CalcSettings& settings);
ColdFormedResult ComputeColdChannel(int type, int size, double length, const CalcSettings& settings);
ColdFormedResult ComputeColdZ(int type, int size, double length, const CalcSettings& settings);

}  // namespace mw
