// Tests of the fastener calculator: its lists, its data and the weight of one piece.
#include "pages/Fastener.h"

#include <gtest/gtest.h>

#include "tests/pages/FastenerCatalogueFigures.h"
#include "tests/support/Units.h"

#include <cmath>
#include <set>

namespace mw {
namespace {

FastenerResult Compute(int type, int size, double length, const CalcSettings& s) {
    FastenerInput in;
    in.type = type;
    in.size = size;
    in.length = length;
    return ComputeFastener(in, s);
}

int IndexOf(int type, const std::string& size) {
    const std::vector<std::string> items = FastenerSizeItems(type);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == size) return static_cast<int>(i);
    }
    ADD_FAILURE() << "type " << type << " has no size " << size;
    return -1;
}

struct ListExpectation {
    int type;
    const char* name;
    std::size_t count;
    const char* first;
    const char* last;
};

const ListExpectation kLists[] = {
    { 0, "LS 5780-2000",      18, "M5",        "M64"},
    { 1, "LS 5781-2000",      18, "M5",        "M64"},
    { 2, "LS 5782-2000",      20, "M3",        "M64"},
    { 3, "LS 5783-2000",      20, "M3",        "M64"},
    { 4, "LS 5784-2000",      10, "M3",        "M20"},
    { 5, "LS 5785-2000",      16, "M8×1.0",    "M64×4.0"},
    { 6, "LS 5786-2000",      16, "M8×1.0",    "M64×4.0"},
    { 7, "LS 1228-2006",       7, "M12",       "M30"},
    { 8, "LS 29.1-1988",      20, "M3",        "M64"},
    { 9, "LS 31.1-1988",      20, "M3",        "M64"},
    {10, "LS 31.2-1988",      10, "M3",        "M20"},
    {11, "LS 31.3-1988",      14, "M8×1.0",    "M48×3.0"},
    {12, "LS 32.1-1988",      20, "M3",        "M64"},
    {13, "LS 32.2-1988",      10, "M3",        "M20"},
    {14, "LS 32.3-1988",       3, "M10×1.25",  "M20×1.5"},
    {15, "LS 27-1988",        15, "M6",        "M48"},
    {16, "LS 28-1988",        15, "M6",        "M48"},
    {17, "LS 8-1988",         13, "M10",       "M48"},
    {18, "LS 35-1988",        16, "M5",        "M48"},
    {19, "LS 10-1988",         9, "M6",        "M24"},
    {20, "LS 11-1988",         9, "M6",        "M24"},
    {21, "LS 37-1988",        12, "M5",        "M48"},
    {22, "LS 798-1988",       11, "M4",        "M36"},
    {23, "LS 799-1988",       11, "M6",        "M48"},
    {24, "LS 953-1988",       16, "M8",        "M48"},
    {25, "LS 901-1988",       23, "M2",        "M56"},
    {26, "LS 897-1988",       22, "M2",        "M48"},
    {27, "LS 898-1988",       22, "M2",        "M48"},
    {28, "LS 899-1988",       22, "M2",        "M48"},
    {29, "LS 900-1988",       22, "M2",        "M48"},
    {30, "LM 39-1988",        13, "M3",        "M24"},
    {31, "LM 56-1988",        10, "M16",       "M48"},
    {32, "LM 808-1988",       18, "M4×0.5",    "M24×1.0"},
    {33, "LM 1229-2006",       7, "M12",       "M30"},
    {34, "LM 41-2000",        23, "M1.6",      "M64"},
    {35, "LM 6170-2000",      23, "M1.6",      "M64"},
    {36, "LM 6171-2000",      17, "M8×1.0",    "M64×4.0"},
    {37, "LM 6172-2000",      23, "M1.6",      "M64"},
    {38, "LM 6173-2000",      17, "M8×1.0",    "M64×4.0"},
    {39, "LM 6174-2000",      23, "M1.6",      "M64"},
    {40, "LM 6175-2000",      11, "M5",        "M36"},
    {41, "LM 6176-2000",      12, "M8×1.0",    "M36×3.0"},
    {42, "LM 6178-2000",      12, "M4",        "M36"},
    {43, "LM 6179-2000",      12, "M4",        "M36"},
    {44, "LM 6180-2000",      12, "M4",        "M36"},
    {45, "LM 6181-2000",      12, "M4",        "M36"},
    {46, "LM 9457-1988",      16, "M8×1.0",    "M36×3.0"},
    {47, "LM 9458-1988",      16, "M8×1.0",    "M36×3.0"},
    {48, "LM 9459-1988",      16, "M8×1.0",    "M36×3.0"},
    {49, "LM 802-1988",       13, "M3",        "M24"},
    {50, "LM 923-1988",       13, "M3",        "M24"},
    {51, "LM 63-1988",         7, "M12",       "M24"},
    {52, "LM 62-1988",        14, "M3×0.5",    "M16×1.5"},
    {53, "LM 805-1988",       15, "M6×1.0",    "M48×5.0"},
    {54, "LM 810-1988",       48, "M10×1.0",   "M200×3.0"},
    {55, "LM 812-1988",       48, "M10×1.0",   "M200×3.0"},
    {56, "DQ 95-2002",        16, "d=1.6",     "d=36"},
    {57, "DQ 96-2002",        16, "d=1.6",     "d=36"},
    {58, "DQ 5287-2002",      16, "d=1.6",     "d=36"},
    {59, "DQ 848-2002",       16, "d=1.6",     "d=36"},
    {60, "DQ 97.1-2002",      16, "d=1.6",     "d=36"},
    {61, "DQ 97.2-2002",      16, "d=1.6",     "d=36"},
    {62, "DQ 1230-2006",       7, "d=12",      "d=30"},
    {63, "DQ 849-1988",       11, "d=6",       "d=48"},
    {64, "DQ 850-1988",       11, "d=6",       "d=48"},
    {65, "DQ 852-1988",       12, "d=6",       "d=36"},
    {66, "DQ 853-1988",       12, "d=6",       "d=36"},
    {67, "DQ 93-1987",        23, "d=2.0",     "(d=48)"},
    {68, "DQ 859-1987",       15, "d=3.0",     "d=30"},
    {69, "DQ 7244-1987",      14, "d=6.0",     "d=36"},
    {70, "开口销91-2000",        16, "φ0.6",      "φ20"},
};

TEST(FastenerTables, TypeListAndFamilies) {
    const std::vector<std::string> types = FastenerTypeItems();
    ASSERT_EQ(types.size(), 71u);
    for (const ListExpectation& e : kLists) EXPECT_EQ(types[e.type], e.name) << e.type;

    for (int t = 0; t <= 29; ++t) EXPECT_EQ(FastenerFamilyOf(t), FastenerFamily::kBolt) << t;
    for (int t = 30; t <= 55; ++t) EXPECT_EQ(FastenerFamilyOf(t), FastenerFamily::kNut) << t;
    for (int t = 56; t <= 69; ++t) EXPECT_EQ(FastenerFamilyOf(t), FastenerFamily::kWasher) << t;
    EXPECT_EQ(FastenerFamilyOf(70), FastenerFamily::kSplitPin);
    EXPECT_EQ(FastenerFamilyOf(-1), FastenerFamily::kNone);
    EXPECT_EQ(FastenerFamilyOf(71), FastenerFamily::kNone);
}

TEST(FastenerTables, EverySizeListHasItsCountAndEnds) {
    for (const ListExpectation& e : kLists) {
        const std::vector<std::string> sizes = FastenerSizeItems(e.type);
        ASSERT_EQ(sizes.size(), e.count) << "type " << e.type;
        EXPECT_EQ(sizes.front(), e.first) << "type " << e.type;
        EXPECT_EQ(sizes.back(), e.last) << "type " << e.type;
    }
    EXPECT_TRUE(FastenerSizeItems(-1).empty());
    EXPECT_TRUE(FastenerSizeItems(71).empty());

    // Item texts keep their parentheses and multiplication signs exactly.
    const std::vector<std::string> bolt = {"M5", "M6", "M8", "M10", "M12", "(M14)", "M16", "(M18)",
                                           "M20", "(M22)", "M24", "(M27)", "M30", "M36", "M42",
                                           "M48", "M56", "M64"};
    EXPECT_EQ(FastenerSizeItems(0), bolt);
    std::vector<std::string> small = {"M3", "M4"};
    small.insert(small.end(), bolt.begin(), bolt.end());
    EXPECT_EQ(FastenerSizeItems(9), small);
    EXPECT_EQ(FastenerSizeItems(41)[2], "(M10×1.25)");
    EXPECT_EQ(FastenerSizeItems(54)[41], "M140×2.0");
    EXPECT_EQ(FastenerSizeItems(62)[3], "(d=22)");
    EXPECT_EQ(FastenerSizeItems(70)[11], "φ8");
    std::vector<std::string> stud = FastenerSizeItems(25);
    stud.pop_back();
    EXPECT_EQ(FastenerSizeItems(29), stud);  // the studs' list without M56
}

TEST(FastenerTables, EverySizeHasFiguresExceptTheGaps) {
    for (int t = 0; t < 70; ++t) {
        const FastenerTypeRow* row = FastenerTypeAt(t);
        const std::size_t expected = t == 54 ? 41 : row->sizes.count;
        ASSERT_EQ(row->coefficients.count, expected) << "type " << t;
        for (std::size_t i = 0; i < row->coefficients.count; ++i) {
            const bool gap = (t == 57 && i < 3) || (t == 58 && i < 5);
            const double c = row->coefficients.data[i];
            if (gap) {
                EXPECT_EQ(c, 0.0) << "type " << t << " size " << i;
            } else {
                EXPECT_GT(c, 0.0) << "type " << t << " size " << i;
                EXPECT_LT(c, 10.0) << "type " << t << " size " << i;
            }
        }
    }
    EXPECT_EQ(FastenerTypeAt(70)->coefficients.count, 0u);
    ASSERT_EQ(FastenerTypeAt(70)->sizes.count, 16u);
    EXPECT_EQ(SplitPinAt(16), nullptr);
    EXPECT_EQ(SplitPinAt(-1), nullptr);
}

struct GivenRow {
    std::vector<int> types;
    std::vector<double> coefficients;
};

const GivenRow kGivenRows[] = {
    {{0, 1}, {0.013, 0.02, 0.037, 0.063, 0.09, 0.127, 0.172, 0.223, 0.282, 0.359, 0.424, 0.566,
              0.721, 1.1, 1.594, 2.174, 3.226, 4.87}},
    {{2, 3, 8, 9, 12}, {0.005, 0.008, 0.013, 0.02, 0.037, 0.066, 0.094, 0.132, 0.178, 0.229, 0.289,
                        0.366, 0.431, 0.569, 0.722, 1.099, 1.611, 2.254, 3.224, 4.427}},
    {{14}, {0.067, 0.096, 0.295}},
    {{34, 35}, {0.00005, 0.00009, 0.0002, 0.00027, 0.00058, 0.00105, 0.00195, 0.00422, 0.00794,
                0.01193, 0.01889, 0.029, 0.03687, 0.05155, 0.07385, 0.0888, 0.1324, 0.1844, 0.317,
                0.5029, 0.7444, 1.091, 1.353}},
    {{57}, {0, 0, 0, 0.00032, 0.00071, 0.00135, 0.00262, 0.00589, 0.01162, 0.02122, 0.03045, 0.0395,
            0.07086, 0.1298, 0.2564, 0.495}},
    {{60, 61}, {0.00002, 0.00003, 0.00008, 0.0001, 0.00028, 0.0004, 0.00091, 0.00168, 0.0033,
                0.00586, 0.00812, 0.01066, 0.01622, 0.0308, 0.05128, 0.08669}},
};

// The split pin's given b and c by size; φ8's c is the one figure rebuilt (see the table file).
const double kSplitPinGiven[][2] = {
    {0.0000015386, 0.0000018517}, {0.00000302, 0.0000044342}, {0.00000499, 0.00000912},
    {0.00000616, 0.00001322},     {0.00001208, 0.00003345},   {0.00001998, 0.00006951},
    {0.00003262, 0.00013678},     {0.00005185, 0.00027749},   {0.0000844, 0.00057394},
    {0.00013046, 0.00106187},     {0.00021462, 0.00218718},   {0.0003468, 0.00449},
    {0.00055642, 0.00911867},     {0.00094799, 0.01984979},   {0.00146218, 0.048147661},
    {0.002296541, 0.094475931},
};

TEST(FastenerTables, CatalogueBackedTypesMatchTheirCataloguesAndGivenRowsStay) {
    // Every size a catalogue gives, for every type whose figures come from catalogue masses.
    std::set<int> backed;
    for (const CatalogueFigure& f : kCatalogueFigures) {
        const double c = FastenerCoefficientsAt(f.type, IndexOf(f.type, f.size)).c;
        EXPECT_NEAR(c / f.kg, 1.0, 0.05) << "type " << f.type << " size " << f.size;
        backed.insert(f.type);
    }
    EXPECT_EQ(backed, (std::set<int>{7, 27, 30, 37, 42, 43, 50, 52, 56, 59, 67, 68}));

    for (const GivenRow& row : kGivenRows) {
        for (int t : row.types) {
            const FastenerTypeRow* type = FastenerTypeAt(t);
            ASSERT_EQ(type->coefficients.count, row.coefficients.size()) << "type " << t;
            for (std::size_t i = 0; i < row.coefficients.size(); ++i) {
                EXPECT_EQ(type->coefficients.data[i], row.coefficients[i])
                    << "type " << t << " size " << type->sizes.data[i];
            }
        }
    }
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(SplitPinAt(i)->b, kSplitPinGiven[i][0]) << i;
        EXPECT_EQ(SplitPinAt(i)->c, kSplitPinGiven[i][1]) << i;
    }
}

// Washers weigh what a washer of their own standard's nominal dimensions weighs, within 5 %:
// a plain washer is a ring, a spring washer its section carried round its mean circle. These
// are the sizes where a catalogue of a neighbouring standard weighs 8-40 % off.
TEST(FastenerTables, WashersWeighTheSolidOfTheirStandardsNominalDimensions) {
    const double pi = 3.14159265358979, rho = 7.85e-6;
    auto ring = [&](double d1, double d2, double h) {
        return pi / 4 * (d2 * d2 - d1 * d1) * h * rho;
    };
    auto spring = [&](double d1, double s, double b) { return pi * (d1 + b) * s * b * rho; };
    struct Case {
        int type;
        const char* size;
        double solid;
    };
    const Case cases[] = {
        {59, "d=5.0", ring(5.3, 9, 1)},        {59, "d=16", ring(17, 28, 2.5)},
        {59, "d=20", ring(21, 34, 3)},         {59, "d=36", ring(37, 60, 5)},
        {56, "d=12", ring(13.5, 24, 2.5)},     {67, "d=2.5", spring(2.6, 0.65, 0.65)},
        {67, "d=4.0", spring(4.1, 1.1, 1.1)},  {67, "d=10", spring(10.2, 2.6, 2.6)},
        {67, "d=30", spring(30.5, 7.5, 7.5)},  {67, "d=42", spring(42.5, 10.5, 10.5)},
        {68, "d=4.0", spring(4.1, 0.8, 1.2)},  {68, "d=5.0", spring(5.1, 1.1, 1.5)},
        {68, "d=6.0", spring(6.1, 1.3, 2)},    {69, "d=16", spring(16.2, 4.8, 5.3)},
    };
    for (const Case& c : cases) {
        const double kg = FastenerCoefficientsAt(c.type, IndexOf(c.type, c.size)).c;
        EXPECT_NEAR(kg / c.solid, 1.0, 0.05) << "type " << c.type << " size " << c.size;
    }
}

TEST(FastenerTables, FiguresGrowWithSize) {
    // Bolt and split pin lists run from small to large, so must their figures; a row typed
    // into the wrong cell shows up here.
    for (int t = 0; t <= 29; ++t) {
        const FastenerTypeRow* row = FastenerTypeAt(t);
        for (std::size_t i = 1; i < row->coefficients.count; ++i) {
            EXPECT_GE(row->coefficients.data[i], row->coefficients.data[i - 1])
                << "type " << t << " size " << row->sizes.data[i];
        }
    }
    for (int i = 1; i < 16; ++i) {
        EXPECT_GT(SplitPinAt(i)->b, SplitPinAt(i - 1)->b) << i;
        EXPECT_GT(SplitPinAt(i)->c, SplitPinAt(i - 1)->c) << i;  // the φ8 eye included
    }
}

TEST(FastenerTables, DerivedRowsSitNearTheGivenOnes) {
    // Full-thread fine-pitch bolts against the given full-thread coarse ones of the same size.
    const char* const sizes[][2] = {{"M8×1.0", "M8"},     {"M12×1.5", "M12"}, {"M20×2.0", "M20"},
                                    {"M30×2.0", "M30"},   {"M48×3.0", "M48"}, {"M64×4.0", "M64"}};
    for (const auto& s : sizes) {
        const double derived = FastenerCoefficientsAt(6, IndexOf(6, s[0])).c;
        const double given = FastenerCoefficientsAt(3, IndexOf(3, s[1])).c;
        EXPECT_NEAR(derived / given, 1.0, 0.15) << s[0];
    }
    // Plain washers of product grade C against the given grade A ones.
    for (int i = 4; i < 16; ++i) {
        EXPECT_NEAR(FastenerCoefficientsAt(56, i).c / FastenerCoefficientsAt(60, i).c, 1.0, 0.25) << i;
    }
}

TEST(ComputeFastener, BoltWeighsPerHundredMillimetres) {
    const int m10 = IndexOf(0, "M10");
    FastenerResult r = Compute(0, m10, 100, Units(kKgMm));
    EXPECT_DOUBLE_EQ(r.weight, 0.063);
    EXPECT_EQ(r.weightText, "0.06");
    EXPECT_FALSE(r.showPlaceholder);
    EXPECT_EQ(Compute(0, m10, 100, Units(kKgM)).weightText, "63.00");
    EXPECT_EQ(Compute(0, m10, 100, Units(kTM)).weightText, "0.06");
    EXPECT_EQ(Compute(0, m10, 100, Units(3)).weightText, "0.00");
    EXPECT_EQ(Compute(0, m10, 0, Units(kKgMm)).weightText, "0.00");
    EXPECT_EQ(Compute(0, m10, 100, Units(kKgMm, 9)).weightText, "0.063000000");
    EXPECT_NEAR(Compute(0, m10, 100, Units(kKgMm, 4, 2.7)).weight, 0.063 * 2.7 / 7.85, 1e-15);
}

TEST(ComputeFastener, NutsAndWashersWeighAPieceAndShowThePlaceholder) {
    const int m10 = IndexOf(35, "M10");
    FastenerResult r = Compute(35, m10, 0, Units(kKgMm, 5));
    EXPECT_EQ(r.weightText, "0.00794");
    EXPECT_TRUE(r.showPlaceholder);
    r = Compute(35, m10, 0, Units(kKgM, 5));
    EXPECT_EQ(r.weightText, "7.94000");
    EXPECT_TRUE(r.showPlaceholder);
    EXPECT_EQ(Compute(35, m10, 0, Units(kTM, 5)).weightText, "0.00794");
    // The length does not enter, and the placeholder comes whatever the unit system.
    EXPECT_EQ(Compute(35, m10, 250, Units(kKgMm, 5)).weightText, "0.00794");
    r = Compute(35, m10, 0, Units(7, 5));
    EXPECT_EQ(r.weightText, "0.00000");
    EXPECT_TRUE(r.showPlaceholder);
    r = Compute(60, IndexOf(60, "d=10"), 0, Units(kKgMm, 4));
    EXPECT_EQ(r.weightText, "0.0033");
    EXPECT_TRUE(r.showPlaceholder);
}

TEST(ComputeFastener, SplitPinAddsLengthToTheEye) {
    const int phi4 = IndexOf(70, "φ4");
    FastenerResult r = Compute(70, phi4, 40, Units(kKgMm, 5));
    EXPECT_NEAR(r.weight, 0.00394994, 1e-15);
    EXPECT_EQ(r.weightText, "0.00395");
    EXPECT_FALSE(r.showPlaceholder);
    EXPECT_EQ(Compute(70, phi4, 40, Units(kKgM, 5)).weightText, "3.94994");
    EXPECT_EQ(Compute(70, phi4, 40, Units(kTM, 5)).weightText, "0.00395");
    EXPECT_EQ(Compute(70, phi4, 0, Units(kKgMm, 5)).weight, 0.0);  // no length, not the eye alone
    // Both parts follow the density.
    EXPECT_NEAR(Compute(70, phi4, 40, Units(kKgMm, 9, 2.7)).weight, 0.00394994 * 2.7 / 7.85, 1e-15);
    EXPECT_EQ(Compute(70, phi4, 40, Units(kKgMm, 5, 0.0)).weight, 0.0);
    // φ8 is heavier than φ6.3 at every length.
    for (double length : {10.0, 40.0, 100.0}) {
        EXPECT_GT(Compute(70, IndexOf(70, "φ8"), length, Units(kKgMm)).weight,
                  Compute(70, IndexOf(70, "φ6.3"), length, Units(kKgMm)).weight) << length;
    }
}

TEST(ComputeFastener, SizesBeyondATypesDataWeighNothing) {
    EXPECT_EQ(Compute(54, IndexOf(54, "M150×2.0"), 0, Units(kKgMm)).weight, 0.0);
    EXPECT_EQ(Compute(54, IndexOf(54, "M200×3.0"), 0, Units(kKgMm)).weight, 0.0);
    EXPECT_GT(Compute(54, IndexOf(54, "M130×2.0"), 0, Units(kKgMm)).weight, 0.0);
    EXPECT_GT(Compute(55, IndexOf(55, "M150×2.0"), 0, Units(kKgMm)).weight, 0.0);
    EXPECT_EQ(Compute(57, IndexOf(57, "d=2.5"), 0, Units(kKgMm)).weight, 0.0);
    EXPECT_GT(Compute(57, IndexOf(57, "d=3.0"), 0, Units(kKgMm)).weight, 0.0);
    EXPECT_EQ(Compute(58, IndexOf(58, "d=4.0"), 0, Units(kKgMm)).weight, 0.0);
    EXPECT_GT(Compute(58, IndexOf(58, "d=5.0"), 0, Units(kKgMm)).weight, 0.0);
    // Still the placeholder: the gap is a size without a figure, not a length.
    EXPECT_TRUE(Compute(54, IndexOf(54, "M150×2.0"), 0, Units(kKgMm)).showPlaceholder);
}

TEST(ComputeFastener, MissingOrStaleSelectionsWeighNothing) {
    // The length edit is emptied before the size list is refilled, so the computation may see
    // the new type with a size index of the old list: 19 is past type 7's seven sizes.
    EXPECT_EQ(Compute(7, 19, 100, Units(kKgMm)).weightText, "0.00");
    EXPECT_EQ(Compute(70, 20, 100, Units(kKgMm)).weightText, "0.00");
    EXPECT_EQ(Compute(0, -1, 100, Units(kKgMm)).weightText, "0.00");
    FastenerResult r = Compute(-1, 3, 100, Units(kKgMm));
    EXPECT_EQ(r.weightText, "0.00");
    EXPECT_FALSE(r.showPlaceholder);
    r = Compute(71, 0, 100, Units(kKgMm));
    EXPECT_EQ(r.weightText, "0.00");
    EXPECT_FALSE(r.showPlaceholder);
}

TEST(FastenerPlaceholder, TypeChangeClearsItOnlyForTypesThatTakeALength) {
    const std::string placeholder = kFastenerPlaceholder;
    EXPECT_EQ(placeholder, "标准大小");
    EXPECT_TRUE(FastenerTypeChangeClearsLength(0, placeholder));    // 35 -> bolt
    EXPECT_TRUE(FastenerTypeChangeClearsLength(29, placeholder));
    EXPECT_TRUE(FastenerTypeChangeClearsLength(70, placeholder));   // split pin
    EXPECT_FALSE(FastenerTypeChangeClearsLength(40, placeholder));  // 35 -> another nut
    EXPECT_FALSE(FastenerTypeChangeClearsLength(56, placeholder));  // a washer
    EXPECT_FALSE(FastenerTypeChangeClearsLength(-1, placeholder));
    // Only the placeholder itself is cleared; the user's own length stays.
    EXPECT_FALSE(FastenerTypeChangeClearsLength(0, "100"));
    EXPECT_FALSE(FastenerTypeChangeClearsLength(0, ""));
    EXPECT_FALSE(FastenerTypeChangeClearsLength(0, "标准大小 "));
    EXPECT_FALSE(FastenerTypeChangeClearsLength(0, "标准大"));

    EXPECT_FALSE(FastenerLengthChangeComputes(placeholder));
    EXPECT_TRUE(FastenerLengthChangeComputes(""));
    EXPECT_TRUE(FastenerLengthChangeComputes("2*50"));
    EXPECT_TRUE(FastenerLengthChangeComputes("标准大小1"));
}

}  // namespace
}  // namespace mw
