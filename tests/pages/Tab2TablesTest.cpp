// The tube and pipe lists of page two: counts, order, and weights through the table arithmetic.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "pages/CalcSettings.h"
#include "pages/Tab2Tables.h"
#include "settings/TextFields.h"
#include "tests/support/Units.h"

namespace mw {
namespace {

const SizeRow& Row(const SizeTable& t, const std::string& model) {
    for (std::size_t i = 0; i < t.count; ++i)
        if (model == t.rows[i].model) return t.rows[i];
    ADD_FAILURE() << "no size " << model;
    static const SizeRow none{"", "", 0.0};
    return none;
}

std::string Weight(const SizeTable& t, const std::string& model, double length, const CalcSettings& s) {
    return FormatWeight(TableWeight(ScaledUnitWeight(Row(t, model).unitWeight, s), length, s), s.decimals);
}

void ExpectWellFormed(const SizeTable& t) {
    std::set<std::string> seen;
    for (std::size_t i = 0; i < t.count; ++i) {
        EXPECT_TRUE(seen.insert(t.rows[i].model).second) << "repeated " << t.rows[i].model;
        EXPECT_STREQ(t.rows[i].spec, "") << t.rows[i].model;  // neither calculator has a 规格 edit
        EXPECT_GT(t.rows[i].unitWeight, 0.0) << t.rows[i].model;
    }
}

TEST(Tab2Tables, TubeListOrder) {
    ASSERT_EQ(kTubeSizes.count, 293u);
    ExpectWellFormed(kTubeSizes);
    EXPECT_STREQ(kTubeSizes.rows[0].model, "20×1.2");
    EXPECT_DOUBLE_EQ(kTubeSizes.rows[0].unitWeight, 0.679);
    // Squares come first; the first rectangle follows the last square.
    EXPECT_STREQ(kTubeSizes.rows[122].model, "500×16.0");
    EXPECT_DOUBLE_EQ(kTubeSizes.rows[122].unitWeight, 235);
    EXPECT_STREQ(kTubeSizes.rows[123].model, "30×20×1.5");
    EXPECT_DOUBLE_EQ(kTubeSizes.rows[123].unitWeight, 1.06);
    EXPECT_STREQ(kTubeSizes.rows[292].model, "600×400×16");
    EXPECT_DOUBLE_EQ(kTubeSizes.rows[292].unitWeight, 235);
    // Thicknesses keep the spelling of their line: "10.0" on square lines, bare on some rectangles.
    EXPECT_DOUBLE_EQ(Row(kTubeSizes, "135×10.0").unitWeight, 36.08);
    EXPECT_DOUBLE_EQ(Row(kTubeSizes, "150×100×4").unitWeight, 14.874);
    EXPECT_DOUBLE_EQ(Row(kTubeSizes, "160×60×4.5").unitWeight, 14.498);
    EXPECT_EQ(kTubeSizes.At(293), nullptr);
    EXPECT_EQ(kTubeSizes.At(-1), nullptr);
}

TEST(Tab2Tables, PipeListOrder) {
    ASSERT_EQ(kPipeSizes.count, 28u);
    ExpectWellFormed(kPipeSizes);
    EXPECT_STREQ(kPipeSizes.rows[0].model, "1/8'×2.00");
    EXPECT_DOUBLE_EQ(kPipeSizes.rows[0].unitWeight, 0.39);
    EXPECT_STREQ(kPipeSizes.rows[14].model, "3/2'×3.50");
    EXPECT_DOUBLE_EQ(kPipeSizes.rows[14].unitWeight, 3.84);
    EXPECT_STREQ(kPipeSizes.rows[27].model, "6'×5.50");
    EXPECT_DOUBLE_EQ(kPipeSizes.rows[27].unitWeight, 21.63);
    EXPECT_EQ(kPipeSizes.At(28), nullptr);
}

TEST(Tab2Tables, WeightsUnderEachUnitSystemAndDensity) {
    CalcSettings s;
    EXPECT_EQ(FormatUnitWeight(ScaledUnitWeight(Row(kTubeSizes, "20×1.2").unitWeight, s)), "0.679");
    EXPECT_EQ(Weight(kTubeSizes, "20×1.2", 1000, s), "0.68");
    EXPECT_EQ(FormatUnitWeight(ScaledUnitWeight(Row(kPipeSizes, "1/8'×2.00").unitWeight, s)), "0.390");
    EXPECT_EQ(Weight(kPipeSizes, "1/8'×2.00", 1000, s), "0.39");

    s.unitSystem = kKgM;
    EXPECT_EQ(Weight(kTubeSizes, "50×30×2.0", 6, s), "13.83");
    s.unitSystem = kTM;
    EXPECT_EQ(Weight(kPipeSizes, "6'×5.50", 12, s), "0.26");
    s.unitSystem = 3;
    EXPECT_EQ(Weight(kPipeSizes, "6'×5.50", 12, s), "0.00");

    s = Units(kKgMm, 2, 2.7);
    EXPECT_EQ(FormatUnitWeight(ScaledUnitWeight(Row(kTubeSizes, "20×1.2").unitWeight, s)), "0.234");
}

}  // namespace
}  // namespace mw
