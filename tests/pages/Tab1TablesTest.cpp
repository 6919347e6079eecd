// Page one's rolled-section lists: counts, end rows, telling rows and the shape of every row.
#include "pages/Tab1Tables.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

namespace mw {
namespace {

void ExpectRow(const SizeTable& table, int index, const char* model, const char* spec, double kgPerM) {
    const SizeRow* row = table.At(index);
    ASSERT_NE(row, nullptr) << index;
    EXPECT_STREQ(row->model, model);
    EXPECT_STREQ(row->spec, spec);
    EXPECT_DOUBLE_EQ(row->unitWeight, kgPerM);
}

// Every row: a model text with the section's prefix, unique in its list, a positive weight.
void ExpectWellFormed(const SizeTable& table, const char* prefix) {
    std::set<std::string> seen;
    for (std::size_t i = 0; i < table.count; ++i) {
        const SizeRow& row = table.rows[i];
        SCOPED_TRACE(row.model);
        EXPECT_EQ(std::string(row.model).rfind(prefix, 0), 0u);
        EXPECT_GT(std::strlen(row.model), std::strlen(prefix));
        EXPECT_TRUE(seen.insert(row.model).second) << "item listed twice";
        EXPECT_GT(row.unitWeight, 0.0);
    }
}

TEST(Tab1Tables, CountsAndEndRows) {
    EXPECT_EQ(kAngleSizes.count, 147u);
    EXPECT_EQ(kChannelSizes.count, 41u);
    EXPECT_EQ(kIBeamSizes.count, 45u);
    ExpectRow(kAngleSizes, 0, "∠20×20×3", "", 0.889);
    ExpectRow(kAngleSizes, 146, "∠200×125×18", "", 43.588);
    ExpectRow(kChannelSizes, 0, "[5", "50×37×4.5", 5.438);
    ExpectRow(kChannelSizes, 40, "[40c", "400×104×14.5", 71.488);
    ExpectRow(kIBeamSizes, 0, "工10", "100×68×4.5", 11.261);
    ExpectRow(kIBeamSizes, 44, "工63c", "630×180×17.0", 141.189);
}

TEST(Tab1Tables, TellingRows) {
    ExpectRow(kAngleSizes, 82, "∠25×16×3", "", 0.912);  // first unequal angle
    ExpectRow(kAngleSizes, 18, "∠50×50×5", "", 3.77);
    ExpectRow(kChannelSizes, 2, "[6.5*", "65×40×4.8", 6.709);
    ExpectRow(kChannelSizes, 10, "[16", "160×65×8.5", 19.752);
    ExpectRow(kChannelSizes, 12, "[18", "180×70×9.0", 23.0);
    ExpectRow(kIBeamSizes, 2, "工12.6", "126×74×5.0", 14.223);
    ExpectRow(kIBeamSizes, 20, "工30c*", "300×130×13.0", 57.504);
    ExpectRow(kIBeamSizes, 38, "工55c*", "550×170×16.5", 122.605);
}

TEST(Tab1Tables, RowsThatShareWeights) {
    // ∠100×80 and ∠110×70 have the leg sum of ∠90×90 and keep its weights, row for row.
    for (int i = 0; i < 4; ++i) {
        const SizeRow& equal = kAngleSizes.rows[44 + i];
        SCOPED_TRACE(equal.model);
        EXPECT_EQ(std::string(equal.model).rfind("∠90×90×", 0), 0u);
        EXPECT_DOUBLE_EQ(kAngleSizes.rows[119 + i].unitWeight, equal.unitWeight);
        EXPECT_DOUBLE_EQ(kAngleSizes.rows[123 + i].unitWeight, equal.unitWeight);
    }
    ExpectRow(kAngleSizes, 119, "∠100×80×6", "", 8.35);
    ExpectRow(kAngleSizes, 126, "∠110×70×10", "", 13.476);

    ExpectRow(kChannelSizes, 24, "[27b*", "270×84×9.5", 35.823);
    ExpectRow(kChannelSizes, 27, "[28b", "280×84×9.5", 35.823);
}

TEST(Tab1Tables, EveryRowWellFormed) {
    ExpectWellFormed(kAngleSizes, "∠");
    ExpectWellFormed(kChannelSizes, "[");
    ExpectWellFormed(kIBeamSizes, "工");

    // An angle's text is ∠leg×leg×thickness, long leg first, and its weight is near the
    // (a + b − t)·t steel section plus fillet: a slipped digit or misplaced row shows here.
    for (std::size_t i = 0; i < kAngleSizes.count; ++i) {
        const SizeRow& row = kAngleSizes.rows[i];
        SCOPED_TRACE(row.model);
        int a = 0, b = 0, t = 0;
        ASSERT_EQ(std::sscanf(row.model, "∠%d×%d×%d", &a, &b, &t), 3);
        EXPECT_GE(a, b);
        EXPECT_STREQ(row.spec, "");
        EXPECT_NEAR(row.unitWeight / ((a + b - t) * t * 7.85e-3), 1.05, 0.06);
    }

    // Channel and I-beam: the 规格 height is ten times the size number in the item text.
    for (const SizeTable* table : {&kChannelSizes, &kIBeamSizes}) {
        for (std::size_t i = 0; i < table->count; ++i) {
            const SizeRow& row = table->rows[i];
            SCOPED_TRACE(row.model);
            const char* number = row.model + (table == &kChannelSizes ? 1 : std::strlen("工"));
            EXPECT_NEAR(std::atof(row.spec), 10 * std::atof(number), 1e-9);
        }
    }
}

}  // namespace
}  // namespace mw
