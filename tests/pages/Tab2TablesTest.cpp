// Page two's built-in lists: counts, ends and a few telling rows of every list.
#include <gtest/gtest.h>

#include <string>

#include "pages/HTSection.h"
#include "pages/PlateMesh.h"
#include "pages/Tab2Tables.h"

namespace mw {
namespace {

void ExpectEnds(const SizeTable& t, std::size_t count, const char* first, double firstWeight,
                const char* last, double lastWeight) {
    ASSERT_EQ(t.count, count) << first;
    EXPECT_STREQ(t.rows[0].model, first);
    EXPECT_DOUBLE_EQ(t.rows[0].unitWeight, firstWeight);
    EXPECT_STREQ(t.rows[count - 1].model, last);
    EXPECT_DOUBLE_EQ(t.rows[count - 1].unitWeight, lastWeight);
    for (std::size_t i = 0; i < t.count; ++i) EXPECT_GT(t.rows[i].unitWeight, 0.0) << t.rows[i].model;
}

TEST(Tab2Tables, TubeAndPipe) {
    ExpectEnds(kTubeSizes, 293, "20×1.2", 0.679, "600×400×16", 235);
    ExpectEnds(kPipeSizes, 28, "1/8'×2.00", 0.39, "6'×5.50", 21.63);
    int squares = 0;
    for (std::size_t i = 0; i < kTubeSizes.count; ++i)
        if (std::string(kTubeSizes.rows[i].model).find("×") == std::string(kTubeSizes.rows[i].model).rfind("×"))
            ++squares;
    EXPECT_GT(squares, 100);  // square tubes first, then rectangular
    EXPECT_STREQ(kTubeSizes.rows[squares].model, "30×20×1.5");
}

TEST(Tab2Tables, HTAndPlateMeshTypes) {
    const std::size_t htCounts[] = {21, 12, 32, 19, 19, 12, 22};
    ASSERT_EQ(kHTSection.count, 7u);
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(kHTSection.types[i].sizes->count, htCounts[i]) << i;
    EXPECT_STREQ(kHTSection.types[0].name, "HW宽翼缘");
    EXPECT_STREQ(kHTSection.types[6].name, "TN窄翼缘");
    ExpectEnds(*kHTSection.types[0].sizes, 21, "100×100", 17.2, "498×432", 605);
    ExpectEnds(*kHTSection.types[6].sizes, 22, "50×50", 4.79, "303×201", 60.1);

    const std::size_t meshCounts[] = {10, 10, 10, 21, 40, 42, 3, 96};
    ASSERT_EQ(kPlateMesh.count, 8u);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(kPlateMesh.types[i].sizes->count, meshCounts[i]) << i;
        EXPECT_EQ(kPlateMesh.types[i].font, i >= 4 && i <= 6 ? SizeListFont::kSmall : SizeListFont::kDialog);
    }
    ExpectEnds(*kPlateMesh.types[0].sizes, 10, "δ2.5", 21.6, "δ8", 66.8);
    ExpectEnds(*kPlateMesh.types[7].sizes, 96, "0.4#×0.2", 0.9, "20#×3.0", 5.1);
}

}  // namespace
}  // namespace mw
