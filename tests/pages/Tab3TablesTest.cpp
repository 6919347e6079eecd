// Page three's bar lists: proof-reading of every row and the weights the calculators show.
#include "pages/Tab3Tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <string>

#include "pages/CalcSettings.h"
#include "settings/TextFields.h"

namespace mw {
namespace {

const double kPi = 3.14159265358979;

// The number in an item text, after any "φ" prefix.
double Dimension(const char* model) {
    std::string text = model;
    if (text.rfind("φ", 0) == 0) text = text.substr(std::string("φ").size());
    return std::atof(text.c_str());
}

// Every row of a bar list: no 规格 text, distinct texts, sizes rising down the list, and a
// unit weight within a few percent of the solid section (across-flats × across-flats × `shape`)
// in steel, which catches a slipped digit or a row moved out of place.
void ExpectBarList(const SizeTable& table, double shape, double tolerance) {
    std::set<std::string> seen;
    double previous = 0.0;
    for (std::size_t i = 0; i < table.count; ++i) {
        const SizeRow& row = table.rows[i];
        SCOPED_TRACE(row.model);
        EXPECT_STREQ(row.spec, "");
        EXPECT_TRUE(seen.insert(row.model).second) << "duplicate item";
        const double d = Dimension(row.model);
        EXPECT_GT(d, previous) << "out of order";
        previous = d;
        const double solid = shape * d * d * kSteelDensity * 1e-3;
        EXPECT_NEAR(row.unitWeight / solid, 1.0, tolerance);
    }
}

TEST(Tab3Tables, ListsHaveTheirSizesInOrder) {
    ASSERT_EQ(kHexagonSizes.count, 39u);
    EXPECT_STREQ(kHexagonSizes.rows[0].model, "8");
    EXPECT_DOUBLE_EQ(kHexagonSizes.rows[0].unitWeight, 0.435);
    EXPECT_STREQ(kHexagonSizes.rows[38].model, "70");
    EXPECT_DOUBLE_EQ(kHexagonSizes.rows[38].unitWeight, 33.3);

    ASSERT_EQ(kOctagonSizes.count, 12u);
    EXPECT_STREQ(kOctagonSizes.rows[0].model, "16");
    EXPECT_DOUBLE_EQ(kOctagonSizes.rows[0].unitWeight, 1.66);
    EXPECT_STREQ(kOctagonSizes.rows[11].model, "40");
    EXPECT_DOUBLE_EQ(kOctagonSizes.rows[11].unitWeight, 10.4);

    ASSERT_EQ(kRebarSizes.count, 68u);
    EXPECT_STREQ(kRebarSizes.rows[0].model, "φ5.5*");
    EXPECT_DOUBLE_EQ(kRebarSizes.rows[0].unitWeight, 0.184);
    EXPECT_STREQ(kRebarSizes.rows[67].model, "φ250*");
    EXPECT_DOUBLE_EQ(kRebarSizes.rows[67].unitWeight, 385);

    EXPECT_EQ(kHexagonSizes.At(39), nullptr);
    EXPECT_EQ(kRebarSizes.At(-1), nullptr);
}

TEST(Tab3Tables, EveryRowFitsItsSection) {
    {
        SCOPED_TRACE("hexagon");
        ExpectBarList(kHexagonSizes, std::sqrt(3.0) / 2, 0.01);
    }
    {
        // "18" at 2.16 is 2.5% above the section, the loosest figure of the three lists.
        SCOPED_TRACE("octagon");
        ExpectBarList(kOctagonSizes, 2 * (std::sqrt(2.0) - 1), 0.03);
    }
    {
        SCOPED_TRACE("rebar");
        ExpectBarList(kRebarSizes, kPi / 4, 0.015);
    }
}

// The "*" is part of the item text; only the common diameters go without it.
TEST(Tab3Tables, RebarStarsOnlyTheUncommonDiameters) {
    const std::set<std::string> plain = {"φ6",  "φ8",  "φ10", "φ12", "φ14", "φ16", "φ18", "φ20",
                                         "φ22", "φ25", "φ28", "φ32", "φ36", "φ40", "φ50"};
    for (std::size_t i = 0; i < kRebarSizes.count; ++i) {
        const std::string model = kRebarSizes.rows[i].model;
        SCOPED_TRACE(model);
        EXPECT_EQ(model.rfind("φ", 0), 0u);
        const bool starred = !model.empty() && model.back() == '*';
        EXPECT_EQ(starred, plain.count(model) == 0);
    }
}

TEST(Tab3Tables, ShownWeights) {
    CalcSettings s;  // kg;mm, two decimals, 7.85

    const double hexagon10 = ScaledUnitWeight(kHexagonSizes.rows[2].unitWeight, s);
    ASSERT_STREQ(kHexagonSizes.rows[2].model, "10");
    EXPECT_EQ(FormatUnitWeight(hexagon10), "0.680");
    EXPECT_EQ(FormatWeight(TableWeight(hexagon10, 1000, s), s.decimals), "0.68");

    ASSERT_STREQ(kRebarSizes.rows[8].model, "φ12");
    const double rebar12 = ScaledUnitWeight(kRebarSizes.rows[8].unitWeight, s);
    s.unitSystem = kKgM;
    EXPECT_NEAR(TableWeight(rebar12, 9, s), 7.992, 1e-9);
    EXPECT_EQ(FormatWeight(TableWeight(rebar12, 9, s), s.decimals), "7.99");
    s.unitSystem = kTM;
    EXPECT_NEAR(TableWeight(rebar12, 9, s), 0.007992, 1e-12);
    EXPECT_EQ(FormatWeight(TableWeight(rebar12, 9, s), s.decimals), "0.01");

    s.density = 7.93;
    EXPECT_EQ(FormatUnitWeight(ScaledUnitWeight(kOctagonSizes.rows[11].unitWeight, s)), "10.506");
}

}  // namespace
}  // namespace mw
