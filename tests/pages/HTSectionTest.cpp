// The H and T section calculator: its lists, the list fill and the weight by length.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "pages/HTSection.h"
#include "tests/support/Units.h"

namespace mw {
namespace {

TEST(HTSection, TypesAndSizeLists) {
    const std::vector<std::string> types = HTTypeItems();
    ASSERT_EQ(types.size(), 7u);
    EXPECT_EQ(types[0], "HW宽翼缘");
    EXPECT_EQ(types[3], "HPH型钢柱");
    EXPECT_EQ(types[6], "TN窄翼缘");

    const std::size_t counts[] = {21, 12, 32, 19, 19, 12, 22};
    for (int t = 0; t < 7; ++t) {
        const SizeTable& sizes = *kHTSection.types[t].sizes;
        EXPECT_EQ(sizes.count, counts[t]) << types[t];
        std::set<std::string> seen;
        for (std::size_t i = 0; i < sizes.count; ++i) {
            EXPECT_TRUE(seen.insert(sizes.rows[i].model).second) << types[t] << " " << sizes.rows[i].model;
            EXPECT_GT(sizes.rows[i].unitWeight, 0.0) << types[t] << " " << sizes.rows[i].model;
        }
    }
    const SizeTable& hw = *kHTSection.types[0].sizes;
    EXPECT_STREQ(hw.rows[0].model, "100×100");
    EXPECT_STREQ(hw.rows[20].model, "498×432");
    EXPECT_DOUBLE_EQ(hw.rows[20].unitWeight, 605);
    // The same section is listed with a different weight as an H-column.
    EXPECT_STREQ(hw.rows[16].model, "400×408");
    EXPECT_DOUBLE_EQ(hw.rows[16].unitWeight, 198);
    EXPECT_STREQ(kHTSection.types[3].sizes->rows[13].model, "400×408");
    EXPECT_DOUBLE_EQ(kHTSection.types[3].sizes->rows[13].unitWeight, 197);
    EXPECT_STREQ(kHTSection.types[4].sizes->rows[1].model, "62.5×125");
    EXPECT_STREQ(kHTSection.types[6].sizes->rows[21].model, "303×201");
    EXPECT_DOUBLE_EQ(kHTSection.types[6].sizes->rows[21].unitWeight, 60.1);
}

TEST(HTSection, FillSelectsTheFirstSizeInTheDialogFont) {
    const TypedSizeList hn = FillHTSizes(2);
    ASSERT_EQ(hn.items.size(), 32u);
    EXPECT_EQ(hn.items.front(), "100×50");
    EXPECT_EQ(hn.items.back(), "912×302");
    EXPECT_EQ(hn.selection, 0);
    EXPECT_EQ(hn.font, ListFont::Dialog);
    for (int type : {-1, 7}) {
        const TypedSizeList none = FillHTSizes(type);
        EXPECT_TRUE(none.items.empty()) << type;
        EXPECT_EQ(none.selection, -1) << type;
        EXPECT_FALSE(none.font.has_value()) << type;
    }
}

TEST(HTSection, WeightByLengthUnderEachUnitSystem) {
    TypedResult r = ComputeHT(0, 0, 6, Units(kKgM));
    EXPECT_EQ(r.unitWeightText, "17.200");
    EXPECT_EQ(r.weightText, "103.20");
    EXPECT_EQ(ComputeHT(0, 0, 6000, Units(kKgMm)).weightText, "103.20");
    EXPECT_EQ(ComputeHT(0, 0, 6, Units(kTM, 4)).weightText, "0.1032");
    EXPECT_EQ(ComputeHT(0, 0, 6, Units(3)).weightText, "0.00");
    EXPECT_EQ(ComputeHT(0, 0, 6, Units(-1)).weight, 0.0);
    // T sections are looked up in their own list: TW 62.5×125 at 11.9 kg/m.
    EXPECT_EQ(ComputeHT(4, 1, 2, Units(kKgM)).weightText, "23.80");

    r = ComputeHT(0, 0, 6, Units(kKgM, 2, 2.7));
    EXPECT_EQ(r.unitWeightText, "5.916");  // 17.2 × 2.7 / 7.85
    r = ComputeHT(0, 0, 6, Units(kKgM, 2, 0));
    EXPECT_EQ(r.unitWeightText, "0.000");
    EXPECT_EQ(r.weightText, "0.00");
}

TEST(HTSection, MissingOrStaleSelectionsWeighNothing) {
    // HM has 12 sizes: a selection left from a longer list must not reach past it.
    EXPECT_EQ(ComputeHT(1, 12, 6, Units(kKgM)).weight, 0.0);
    EXPECT_EQ(ComputeHT(1, 11, 6, Units(kKgM)).weightText, "1050.00");  // 594×302 at 175
    for (auto [type, size] : {std::pair{-1, 0}, {0, -1}, {7, 0}, {0, 21}, {-5, -5}}) {
        const TypedResult r = ComputeHT(type, size, 6, Units(kKgM));
        EXPECT_EQ(r.unitWeightText, "0.000") << type << "," << size;
        EXPECT_EQ(r.weightText, "0.00") << type << "," << size;
    }
}

}  // namespace
}  // namespace mw
