// Tests of the wire rope calculator: its lists, its data and the weight of a length of rope.
#include "pages/WireRope.h"

#include <gtest/gtest.h>

#include "tests/support/Units.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace mw {
namespace {

RopeResult Compute(int construction, int size, double length, const CalcSettings& s) {
    RopeInput in;
    in.construction = construction;
    in.size = size;
    in.length = length;
    return ComputeRope(in, s);
}

int IndexOf(int construction, const std::string& item) {
    const std::vector<std::string> items = FillRopeSizes(construction).items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == item) return static_cast<int>(i);
    }
    ADD_FAILURE() << "construction " << construction << " has no size " << item;
    return -1;
}

const char kPhi[] = "φ";

// The diameter of a round rope's size text, 0 for a flat rope's.
int DiameterOf(const char* size) {
    if (std::strncmp(size, kPhi, std::strlen(kPhi)) != 0) return 0;
    return std::atoi(size + std::strlen(kPhi));
}

struct ListExpectation {
    const char* name;
    std::size_t count;
    const char* first;
    const char* last;
};

const ListExpectation kLists[kRopeConstructionCount] = {
    {"6×7",       72, "φ2天然纤芯",  "φ36钢芯"},
    {"6×19a",     66, "φ6天然纤芯",  "φ40钢芯"},
    {"6×19b",     84, "φ3天然纤芯",  "φ46钢芯"},
    {"6×37a",     84, "φ12天然纤芯", "φ64钢芯"},
    {"6×37b",    108, "φ5天然纤芯",  "φ66钢芯"},
    {"8×19",      66, "φ10天然纤芯", "φ48钢芯"},
    {"8×37",      78, "φ14天然纤芯", "φ64钢芯"},
    {"17×7",      24, "φ6",          "φ44"},
    {"34×7",      15, "φ16",         "φ44"},
    {"6×24(1)",   40, "φ8天然纤芯",  "φ40合成纤芯"},
    {"6×24(2)",   40, "φ10天然纤芯", "φ44合成纤芯"},
    {"6V×7",      27, "φ20天然纤芯", "φ36钢芯"},
    {"6V×19(1)",  30, "φ11天然纤芯", "φ36合成纤芯"},
    {"6V×19(2)",  30, "φ20天然纤芯", "φ38钢芯"},
    {"6V×37(1)",  48, "φ28天然纤芯", "φ58钢芯"},
    {"6V×37(2)",  33, "φ32天然纤芯", "φ52钢芯"},
    {"4V×39(1)",  40, "φ8天然纤芯",  "φ40合成纤芯"},
    {"4V×39(2)",  22, "φ40天然纤芯", "φ60合成纤芯"},
    {"P6×4×7",     5, "58×13×1.3",   "75×17×1.7"},
    {"P8×4×7",     6, "88×15×1.5",   "119×20×2.0"},
    {"P8×4×9",     7, "132×21×1.7",  "170×28×2.2"},
    {"P8×4×19",    8, "148×24×1.5",  "216×34×2.2"},
};

TEST(WireRopeLists, ConstructionsAndEverySizeListAreThoseOfTheTemplate) {
    const std::vector<std::string> names = RopeConstructionItems();
    ASSERT_EQ(names.size(), static_cast<std::size_t>(kRopeConstructionCount));
    std::size_t total = 0;
    for (int c = 0; c < kRopeConstructionCount; ++c) {
        SCOPED_TRACE(kLists[c].name);
        EXPECT_EQ(names[c], kLists[c].name);
        const RopeSizeList list = FillRopeSizes(c);
        ASSERT_EQ(list.items.size(), kLists[c].count);
        EXPECT_EQ(list.items.front(), kLists[c].first);
        EXPECT_EQ(list.items.back(), kLists[c].last);
        EXPECT_EQ(list.selection, 0);
        EXPECT_EQ(RopeConstructionAt(c)->ItemCount(), kLists[c].count);
        total += list.items.size();
    }
    EXPECT_EQ(total, 933u);  // one unit weight for each

    // With no construction selected the size list stays empty and nothing is selected.
    for (int none : {-1, kRopeConstructionCount}) {
        const RopeSizeList list = FillRopeSizes(none);
        EXPECT_TRUE(list.items.empty());
        EXPECT_EQ(list.selection, -1);
        EXPECT_EQ(RopeConstructionAt(none), nullptr);
    }
}

TEST(WireRopeLists, CoreKindsRepeatEachDiameterInOrderAndIndexTheirOwnWeights) {
    const std::vector<std::string> items = FillRopeSizes(0).items;
    ASSERT_GE(items.size(), 27u);
    EXPECT_EQ(items[24], "φ10天然纤芯");
    EXPECT_EQ(items[25], "φ10合成纤芯");
    EXPECT_EQ(items[26], "φ10钢芯");
    EXPECT_DOUBLE_EQ(RopeUnitWeight(0, 24), 35.1);
    EXPECT_DOUBLE_EQ(RopeUnitWeight(0, 25), 34.4);
    EXPECT_DOUBLE_EQ(RopeUnitWeight(0, 26), 38.7);

    // Two-core lists step by two, so the steel column must never be reached.
    EXPECT_EQ(IndexOf(9, "φ9合成纤芯"), 3);
    EXPECT_EQ(IndexOf(9, "φ10天然纤芯"), 4);
    EXPECT_GT(RopeUnitWeight(9, 4), RopeUnitWeight(9, 3));

    for (int c = 0; c < kRopeConstructionCount; ++c) {
        const RopeConstruction& rope = *RopeConstructionAt(c);
        for (const std::string& item : FillRopeSizes(c).items) {
            const bool steel = item.find("钢芯") != std::string::npos;
            const bool fibre = item.find("纤芯") != std::string::npos;
            EXPECT_EQ(steel, rope.cores == RopeCores::kAll && !fibre) << rope.name << " " << item;
            if (rope.cores == RopeCores::kNone) {
                EXPECT_FALSE(fibre) << rope.name << " " << item;
            }
        }
    }
}

// kg per 100 m as the lists have always shown them.
struct GivenRow {
    int diameter;
    double natural, synthetic, steel;
};

const GivenRow kGiven6x7[] = {
    { 2,  1.4,  1.38,  1.55}, { 3,  3.16,  3.1,  3.48}, { 4,  5.62,  5.5,  6.19},
    { 5,  8.77, 8.6,   9.68}, { 6, 12.6,  12.4, 13.9 }, { 7, 17.2,  16.9, 19   },
    { 8, 22.5, 22,    24.8 }, { 9, 28.4,  27.9, 31.3 }, {10, 35.1,  34.4, 38.7 },
    {11, 42.5, 41.6,  46.8 }, {12, 50.5,  49.5, 55.7 }, {13, 59.3,  58.1, 65.4 },
    {14, 68.8, 67.4,  75.9 }, {16, 89.9,  88.1, 99.1 }, {18, 114,   111,  125  },
    {20, 140,  138,   155  }, {22, 170,   166,  187  }, {24, 202,   198,  223  },
    {26, 237,  233,   262  }, {28, 275,   270,  303  }, {30, 316,   310,  348  },
    {32, 359,  352,   396  }, {34, 406,   398,  447  }, {36, 455,   446,  502  },
};

const double kGiven17x7[] = {14,  19.1, 25,  31.6, 39,  47.2, 56.2, 65.9, 76.4, 99.8, 126, 156,
                             189, 225,  264, 306,  351, 399, 451,  505,  563,  624,  688, 755};

TEST(WireRopeData, GivenRowsAreKeptExactly) {
    ASSERT_EQ(FillRopeSizes(0).items.size(), 3 * (sizeof kGiven6x7 / sizeof kGiven6x7[0]));
    for (const GivenRow& row : kGiven6x7) {
        const std::string d = kPhi + std::to_string(row.diameter);
        EXPECT_DOUBLE_EQ(RopeUnitWeight(0, IndexOf(0, d + "天然纤芯")), row.natural) << d;
        EXPECT_DOUBLE_EQ(RopeUnitWeight(0, IndexOf(0, d + "合成纤芯")), row.synthetic) << d;
        EXPECT_DOUBLE_EQ(RopeUnitWeight(0, IndexOf(0, d + "钢芯")), row.steel) << d;
    }
    for (std::size_t i = 0; i < sizeof kGiven17x7 / sizeof kGiven17x7[0]; ++i) {
        EXPECT_DOUBLE_EQ(RopeUnitWeight(7, static_cast<int>(i)), kGiven17x7[i]) << i;
    }

    const std::vector<std::vector<double>> flat = {
        {216, 251, 288, 328, 370},
        {382, 436, 491, 551, 615, 681},
        {732, 820, 865, 914, 1010, 1120, 1230},
        {1050, 1190, 1340, 1510, 1680, 1860, 2050, 2250},
    };
    for (std::size_t f = 0; f < flat.size(); ++f) {
        const int c = 18 + static_cast<int>(f);
        ASSERT_EQ(RopeConstructionAt(c)->ItemCount(), flat[f].size());
        for (std::size_t i = 0; i < flat[f].size(); ++i) {
            EXPECT_DOUBLE_EQ(RopeUnitWeight(c, static_cast<int>(i)), flat[f][i]) << c << " " << i;
        }
    }
}

// The half-unit of the third significant figure of a value rounded to three figures.
double HalfUnitOfThirdFigure(double value) {
    return 0.5 * std::pow(10.0, std::floor(std::log10(value)) - 2);
}

// Every round rope's column is one factor times d², rounded to three figures: a mistyped or
// shifted value leaves no factor that explains the whole column, a swapped column breaks the
// order of the core kinds.
TEST(WireRopeData, RoundRopesFollowOneFactorPerCoreKindInTheRightOrder) {
    for (int c = 0; c < kRopeConstructionCount; ++c) {
        const RopeConstruction& rope = *RopeConstructionAt(c);
        SCOPED_TRACE(rope.name);
        const std::size_t kinds = rope.CoresPerSize();
        const bool round = DiameterOf(rope.rows[0].size) > 0;
        for (std::size_t k = 0; k < 3; ++k) {
            double lowest = 0.0;   // the factors every row so far allows
            double highest = 1e9;
            for (std::size_t r = 0; r < rope.rowCount; ++r) {
                const RopeSizeRow& row = rope.rows[r];
                if (k >= kinds) {
                    EXPECT_EQ(row.weight[k], 0.0) << row.size;
                    continue;
                }
                ASSERT_GT(row.weight[k], 0.0) << row.size;
                if (r > 0) {
                    EXPECT_GT(row.weight[k], rope.rows[r - 1].weight[k]) << row.size;
                }
                if (!round) continue;
                const double d = DiameterOf(row.size);
                ASSERT_GT(d, 0) << row.size;
                const double half = HalfUnitOfThirdFigure(row.weight[k]);
                lowest = std::max(lowest, (row.weight[k] - half) / (d * d));
                highest = std::min(highest, (row.weight[k] + half) / (d * d));
                EXPECT_LE(lowest, highest + 1e-9) << row.size << ", core kind " << k;
            }
        }
        for (std::size_t r = 0; r < rope.rowCount; ++r) {
            const RopeSizeRow& row = rope.rows[r];
            if (kinds >= 2) {
                EXPECT_GT(row.weight[0], row.weight[1]) << row.size;  // natural over synthetic
            }
            if (kinds == 3) {
                EXPECT_GT(row.weight[2], row.weight[0]) << row.size;  // steel over fibre
            }
        }
    }
}

TEST(ComputeRope, WeightPerHundredMetresInEveryUnitSystem) {
    const int phi10 = IndexOf(0, "φ10天然纤芯");
    for (int units : {kKgMm, kKgM}) {
        const RopeResult r = Compute(0, phi10, 100, Units(units));
        EXPECT_EQ(r.unitWeightText, "35.10");
        EXPECT_DOUBLE_EQ(r.weight, 35.1);
        EXPECT_EQ(r.weightText, "35.10");
    }
    const RopeResult tonnes = Compute(0, phi10, 100, Units(kTM));
    EXPECT_EQ(tonnes.unitWeightText, "35.10");
    EXPECT_NEAR(tonnes.weight, 0.0351, 1e-12);
    EXPECT_EQ(tonnes.weightText, "0.04");
    EXPECT_EQ(Compute(0, phi10, 100, Units(kTM, 4)).weightText, "0.0351");

    // "kg;mm" still reads the length in metres: 1000 is ten times the 100 m weight.
    EXPECT_EQ(Compute(0, phi10, 1000, Units(kKgMm)).weightText, "351.00");

    const int widest = IndexOf(21, "216×34×2.2");
    const RopeResult flat = Compute(21, widest, 50, Units(kKgM));
    EXPECT_EQ(flat.unitWeightText, "2250.00");
    EXPECT_EQ(flat.weightText, "1125.00");
    EXPECT_EQ(Compute(21, widest, 50, Units(kKgM, 0)).weightText, "1125");

    // An unknown unit system weighs nothing but still shows the unit weight.
    const RopeResult unknown = Compute(0, phi10, 100, Units(3));
    EXPECT_EQ(unknown.weight, 0.0);
    EXPECT_EQ(unknown.weightText, "0.00");
    EXPECT_EQ(unknown.unitWeightText, "35.10");
}

TEST(ComputeRope, DensityNeverScalesRopeWeights) {
    const int phi10 = IndexOf(0, "φ10天然纤芯");
    for (double density : {kSteelDensity, 2.7, 0.0, 19.3}) {
        const RopeResult r = Compute(0, phi10, 100, Units(kKgM, 2, density));
        EXPECT_EQ(r.unitWeightText, "35.10") << density;
        EXPECT_EQ(r.weightText, "35.10") << density;
    }
}

TEST(ComputeRope, MissingOrStaleSelectionsWeighNothing) {
    const CalcSettings s = Units(kKgM);
    const int lastOfSixBySeven = 71;
    EXPECT_GT(Compute(0, lastOfSixBySeven, 1, s).weight, 0.0);
    for (const auto& pick : {std::pair<int, int>{-1, 0}, {0, -1}, {-1, -1}, {22, 0},
                             {18, 5},                  // past the 5 sizes of P6×4×7
                             {8, lastOfSixBySeven}}) {  // left over from 6×7's longer list
        const RopeResult r = Compute(pick.first, pick.second, 100, s);
        EXPECT_EQ(r.unitWeight, 0.0) << pick.first << " " << pick.second;
        EXPECT_EQ(r.unitWeightText, "0.00");
        EXPECT_EQ(r.weightText, "0.00");
    }
    // An empty or invalid length arrives as 0.
    EXPECT_EQ(Compute(0, 0, 0, s).weightText, "0.00");
}

}  // namespace
}  // namespace mw
