// Cold-formed angle, channel and Z: list integrity, the size-list fills and the weights shown.
#include "pages/ColdFormed.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/support/Units.h"
namespace mw {
namespace {

const std::string kTimes = "×";

// The dimensions of an item text such as "∠40×40×3.0" or "[60×30×10×2.5", thickness last.
std::vector<double> Dimensions(const std::string& model, const std::string& prefix) {
    std::vector<double> dims;
    std::size_t from = prefix.size();
    for (std::size_t at; (at = model.find(kTimes, from)) != std::string::npos; from = at + kTimes.size())
        dims.push_back(std::atof(model.substr(from, at - from).c_str()));
    dims.push_back(std::atof(model.substr(from).c_str()));
    return dims;
}

struct Expected {
    const char* name;
    std::size_t count;
    const char* first;
    double firstWeight;
    const char* last;
    double lastWeight;
    std::size_t dimensions;  // numbers in each item text
    ListFont font;
    bool mirrored;           // the text gives one of each pair of flanges (and lips)
    double low, high;        // band of unit weight / flat-sheet estimate
};

// Two rows whose figures disagree with their item texts; they are kept as the lists have them.
const std::set<std::string> kKnownOdd = {"[30×10×3.0", "[100×60×30×7"};

// Weight of the flat sheet the section is folded from: the outside dimensions laid end to end,
// less one thickness per fold, in steel. Bends make the real figure a little lower.
double SheetWeight(const std::vector<double>& dims, bool mirrored) {
    const double thickness = dims.back();
    double width = dims[0];
    int parts = 1;
    for (std::size_t i = 1; i + 1 < dims.size(); ++i) {
        width += (mirrored ? 2 : 1) * dims[i];
        parts += mirrored ? 2 : 1;
    }
    return (width - (parts - 1) * thickness) * thickness * kSteelDensity * 1e-3;
}

// Every size of a type: the expected prefix and number of dimensions, distinct texts, no
// 规格 text, a unit weight near that of the flat sheet, and a heavier unit weight for a
// thicker sheet of otherwise the same section.
void ExpectType(const SectionType& type, const Expected& e, const std::string& prefix) {
    SCOPED_TRACE(e.name);
    EXPECT_STREQ(type.name, e.name);
    EXPECT_EQ(type.font, e.font);
    const SizeTable& sizes = *type.sizes;
    ASSERT_EQ(sizes.count, e.count);
    EXPECT_STREQ(sizes.rows[0].model, e.first);
    EXPECT_DOUBLE_EQ(sizes.rows[0].unitWeight, e.firstWeight);
    EXPECT_STREQ(sizes.rows[e.count - 1].model, e.last);
    EXPECT_DOUBLE_EQ(sizes.rows[e.count - 1].unitWeight, e.lastWeight);

    std::set<std::string> seen;
    std::map<std::vector<double>, std::pair<double, double>> thickest;  // section → thickness, weight
    for (std::size_t i = 0; i < sizes.count; ++i) {
        const SizeRow& row = sizes.rows[i];
        const std::string model = row.model;
        SCOPED_TRACE(model);
        EXPECT_STREQ(row.spec, "");
        EXPECT_GT(row.unitWeight, 0.0);
        EXPECT_TRUE(seen.insert(model).second) << "duplicate item";
        ASSERT_EQ(model.rfind(prefix, 0), 0u);
        std::vector<double> dims = Dimensions(model, prefix);
        ASSERT_EQ(dims.size(), e.dimensions);
        EXPECT_TRUE(std::all_of(dims.begin(), dims.end(), [](double d) { return d > 0; }));
        if (!kKnownOdd.count(model)) {
            const double ratio = row.unitWeight / SheetWeight(dims, e.mirrored);
            EXPECT_GE(ratio, e.low);
            EXPECT_LE(ratio, e.high);
        }
        const double thickness = dims.back();
        dims.pop_back();
        auto it = thickest.find(dims);
        if (it != thickest.end()) {
            EXPECT_GT(thickness, it->second.first);
            EXPECT_GT(row.unitWeight, it->second.second);
        }
        thickest[dims] = {thickness, row.unitWeight};
    }
}

TEST(ColdFormed, AngleTypesAndSizes) {
    ASSERT_EQ(kColdAngle.count, 2u);
    ExpectType(kColdAngle.types[0], {"等边角钢", 35, "∠20×20×1.2", 0.354, "∠100×100×6", 8.866,
                3, ListFont::Wide, false, 0.9, 1.0}, "∠");
    ExpectType(kColdAngle.types[1], {"不等边角钢", 27, "∠25×15×2.0", 0.566, "∠120×80×6", 8.866,
                3, ListFont::Wide, false, 0.9, 1.0}, "∠");
}

TEST(ColdFormed, ChannelTypesAndSizes) {
    ASSERT_EQ(kColdChannel.count, 4u);
    ExpectType(kColdChannel.types[0], {"等边槽钢", 37, "[20×10×1.5", 0.401, "[200×80×6", 15.849,
                3, ListFont::Dialog, true, 0.85, 1.0}, "[");
    ExpectType(kColdChannel.types[1], {"不等边槽钢", 15, "[30×20×10×3.0", 1.18, "[150×60×50×3", 5.89,
                4, ListFont::Narrow, false, 0.9, 1.0}, "[");
    ExpectType(kColdChannel.types[2], {"内卷边槽钢", 30, "[40×40×9×2.5", 2.323, "[400×50×15×3.0", 11.928,
                4, ListFont::Narrow, true, 0.9, 1.06}, "[");
    ExpectType(kColdChannel.types[3], {"外卷边槽钢", 6, "[30×30×16×2.5", 2.009, "[100×30×15×3", 3.921,
                4, ListFont::Narrow, true, 0.88, 1.03}, "[");
}

// The plain Z figures sit a steady 23% above their flat sheet: more sheet than the texts show.
TEST(ColdFormed, ZTypesAndSizes) {
    ASSERT_EQ(kColdZ.count, 2u);
    ExpectType(kColdZ.types[0], {"Z型钢", 4, "80×40×2.5", 3.755, "100×50×3.0", 5.647,
                3, ListFont::Dialog, true, 1.2, 1.25}, "");
    ExpectType(kColdZ.types[1], {"卷边Z型钢", 19, "100×40×20×2.0", 3.208, "250×75×25×4.0", 13.146,
                4, ListFont::Wide, true, 0.9, 1.0}, "");
}

TEST(ColdFormed, TypeItemsFollowTheTypeList) {
    EXPECT_EQ(ColdFormedTypeItems(kColdChannel),
              (std::vector<std::string>{"等边槽钢", "不等边槽钢", "内卷边槽钢", "外卷边槽钢"}));
    EXPECT_EQ(ColdFormedTypeItems(kColdZ), (std::vector<std::string>{"Z型钢", "卷边Z型钢"}));
}

TEST(ColdFormed, FillReplacesTheListAndSelectsTheFirstSize) {
    const TypedSizeList equal = FillColdChannelSizes(0);
    EXPECT_EQ(equal.items.size(), 37u);
    EXPECT_EQ(equal.font, ListFont::Dialog);

    const TypedSizeList outer = FillColdChannelSizes(3);
    ASSERT_EQ(outer.items.size(), 6u);
    EXPECT_EQ(outer.items.front(), "[30×30×16×2.5");
    EXPECT_EQ(outer.items.back(), "[100×30×15×3");
    EXPECT_EQ(outer.selection, 0);
    EXPECT_EQ(outer.font, ListFont::Narrow);
    EXPECT_EQ(ComputeColdChannel(3, outer.selection, 0, CalcSettings{}).unitWeightText, "2.009");

    EXPECT_EQ(FillColdAngleSizes(1).items.size(), 27u);
    EXPECT_EQ(FillColdAngleSizes(1).font, ListFont::Wide);
    EXPECT_EQ(FillColdZSizes(1).items.front(), "100×40×20×2.0");
    EXPECT_EQ(FillColdZSizes(1).font, ListFont::Wide);
    EXPECT_EQ(FillColdZSizes(0).font, ListFont::Dialog);
}

TEST(ColdFormed, FillWithoutAValidTypeLeavesAnEmptyListAndTheFont) {
    for (int type : {-1, 2}) {
        const TypedSizeList list = FillColdAngleSizes(type);
        EXPECT_TRUE(list.items.empty());
        EXPECT_EQ(list.selection, -1);
        EXPECT_FALSE(list.font.has_value());
    }
    EXPECT_TRUE(FillColdChannelSizes(4).items.empty());
    EXPECT_TRUE(FillColdZSizes(-1).items.empty());
}

TEST(ColdFormed, WeightsShown) {
    CalcSettings s;  // kg;mm, two decimals, 7.85
    const TypedResult angle = ComputeColdAngle(0, 14, 6000, s);
    ASSERT_EQ(FillColdAngleSizes(0).items[14], "∠40×40×3.0");
    EXPECT_EQ(angle.unitWeightText, "1.745");
    EXPECT_NEAR(angle.weight, 10.47, 1e-9);
    EXPECT_EQ(angle.weightText, "10.47");

    s = Units(kKgM, 3);
    ASSERT_EQ(FillColdZSizes(1).items[18], "250×75×25×4.0");
    const TypedResult z = ComputeColdZ(1, 18, 12, s);
    EXPECT_NEAR(z.weight, 157.752, 1e-9);
    EXPECT_EQ(z.weightText, "157.752");

    s.unitSystem = kTM;
    EXPECT_EQ(ComputeColdZ(1, 18, 12, s).weightText, "0.158");

    // Density scales the unit weight as well as the weight.
    s = Units(kKgMm, 2, 7.85 * 2);
    const TypedResult heavy = ComputeColdChannel(0, 0, 1000, s);
    EXPECT_EQ(heavy.unitWeightText, "0.802");
    EXPECT_EQ(heavy.weightText, "0.80");
}

TEST(ColdFormed, NothingToWeighGivesZero) {
    const CalcSettings s;
    // A size index left from a longer list (channel type 0 had 37 sizes, type 3 has 6).
    for (const TypedResult& r : {ComputeColdChannel(3, 6, 1000, s), ComputeColdChannel(3, 36, 1000, s),
                                      ComputeColdChannel(-1, 0, 1000, s), ComputeColdAngle(0, -1, 1000, s),
                                      ComputeColdZ(2, 0, 1000, s)}) {
        EXPECT_EQ(r.unitWeight, 0.0);
        EXPECT_EQ(r.unitWeightText, "0.000");
        EXPECT_EQ(r.weightText, "0.00");
    }

    // An unknown unit system weighs nothing but still shows the unit weight.
    const TypedResult r = ComputeColdAngle(0, 14, 6000, Units(3));
    EXPECT_EQ(r.unitWeightText, "1.745");
    EXPECT_EQ(r.weightText, "0.00");

    // Length that did not evaluate arrives as 0.
    EXPECT_EQ(ComputeColdAngle(0, 14, 0, CalcSettings{}).weightText, "0.00");
}

}  // namespace
}  // namespace mw
