// The floor plate and mesh calculator: its lists, their fonts and the weight by area.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "pages/PlateMesh.h"
#include "settings/TextFields.h"
#include "tests/support/Units.h"

namespace mw {
namespace {

TEST(PlateMesh, TypesAndSizeLists) {
    const std::vector<std::string> types = PlateMeshTypeItems();
    const char* const names[] = {"菱形花纹板", "扁豆花纹板", "圆豆花纹板", "重型钢板网",
                                 "普通钢板网", "有筋扩张网", "建筑批荡网", "钢丝网"};
    const std::size_t counts[] = {10, 10, 10, 21, 40, 42, 3, 96};
    ASSERT_EQ(types.size(), 8u);
    for (int t = 0; t < 8; ++t) {
        EXPECT_EQ(types[t], names[t]);
        const SizeTable& sizes = *kPlateMesh.types[t].sizes;
        EXPECT_EQ(sizes.count, counts[t]) << names[t];
        std::set<std::string> seen;
        for (std::size_t i = 0; i < sizes.count; ++i) {
            EXPECT_TRUE(seen.insert(sizes.rows[i].model).second) << names[t] << " " << sizes.rows[i].model;
            EXPECT_GT(sizes.rows[i].unitWeight, 0.0) << names[t] << " " << sizes.rows[i].model;
        }
    }
    const TypedSizeList wire = FillPlateMeshSizes(7);
    EXPECT_EQ(wire.items.front(), "0.4#×0.2");
    EXPECT_EQ(wire.items.back(), "20#×3.0");
    EXPECT_EQ(FillPlateMeshSizes(0).items.front(), "δ2.5");
    EXPECT_EQ(FillPlateMeshSizes(3).items.back(), "ZW80×8×10");
    EXPECT_EQ(FillPlateMeshSizes(6).items.back(), "0.6×1.5×17×8");
}

TEST(PlateMesh, ExpandedMeshesUseTheSmallFont) {
    for (int t = 0; t < 8; ++t) {
        const TypedSizeList list = FillPlateMeshSizes(t);
        EXPECT_EQ(list.selection, 0) << t;
        EXPECT_EQ(list.font, t >= 4 && t <= 6 ? ListFont::Small : ListFont::Dialog) << t;
    }
    // Switching from a long-text mesh back to woven mesh restores the dialog's font.
    EXPECT_EQ(FillPlateMeshSizes(4).font, ListFont::Small);
    EXPECT_EQ(FillPlateMeshSizes(7).font, ListFont::Dialog);
    const TypedSizeList none = FillPlateMeshSizes(-1);
    EXPECT_TRUE(none.items.empty());
    EXPECT_EQ(none.selection, -1);
    EXPECT_FALSE(none.font.has_value());
    EXPECT_TRUE(FillPlateMeshSizes(8).items.empty());
}

TEST(PlateMesh, WeightByAreaUnderEachUnitSystem) {
    // 1500×6000 mm2 of 3 mm diamond plate.
    TypedResult r = ComputePlateMesh(0, 1, 1500.0 * 6000.0, Units(kKgMm));
    EXPECT_EQ(r.unitWeightText, "25.600");
    EXPECT_EQ(r.weightText, "230.40");
    EXPECT_EQ(ComputePlateMesh(0, 1, 9, Units(kKgM)).weightText, "230.40");
    EXPECT_EQ(ComputePlateMesh(0, 1, 9, Units(kTM, 4)).weightText, "0.2304");
    // A length factor (0.001) in place of the area factor would show 9000.00 kg here.
    EXPECT_EQ(ComputePlateMesh(0, 1, 1.0e6, Units(kKgMm)).weightText, "25.60");

    r = ComputePlateMesh(7, 95, 10, Units(kTM));  // 20#×3.0
    EXPECT_EQ(r.unitWeightText, "5.100");
    EXPECT_EQ(r.weightText, "0.05");
    EXPECT_EQ(ComputePlateMesh(7, 95, 10, Units(kTM, 3)).weightText, "0.051");
    EXPECT_EQ(ComputePlateMesh(7, 95, 10, Units(3)).weightText, "0.00");
    EXPECT_EQ(AreaWeight(5.1, 10, Units(-1)), 0.0);
}

TEST(PlateMesh, DensityAndMissingSelections) {
    EXPECT_EQ(ComputePlateMesh(0, 0, 1, Units(kKgM, 2, 0)).unitWeightText, "0.000");
    EXPECT_EQ(ComputePlateMesh(0, 0, 1, Units(kKgM, 2, 0)).weightText, "0.00");
    EXPECT_EQ(ComputePlateMesh(0, 0, 1, Units(kKgM, 3, 2.7)).unitWeightText, "7.429");  // 21.6 × 2.7 / 7.85
    // "建筑批荡网" has 3 sizes; a selection past them, or none, weighs nothing.
    for (auto [type, size] : {std::pair{6, 3}, {-1, 0}, {0, -1}, {8, 0}, {7, 96}}) {
        const TypedResult r = ComputePlateMesh(type, size, 100, Units(kKgM));
        EXPECT_EQ(r.unitWeightText, "0.000") << type << "," << size;
        EXPECT_EQ(r.weightText, "0.00") << type << "," << size;
    }
}

TEST(PlateMesh, SteelDensityKeepsEveryListedWeight) {
    for (std::size_t t = 0; t < kPlateMesh.count; ++t) {
        const SizeTable& sizes = *kPlateMesh.types[t].sizes;
        for (std::size_t i = 0; i < sizes.count; ++i)
            EXPECT_EQ(ComputePlateMesh(static_cast<int>(t), static_cast<int>(i), 1, Units(kKgM)).unitWeightText,
                      FormatUnitWeight(sizes.rows[i].unitWeight))
                << sizes.rows[i].model;
    }
}

}  // namespace
}  // namespace mw
