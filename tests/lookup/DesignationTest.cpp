// Reading typed designations: the spelling table, every list row from its own printed name,
// and the messages for what cannot be one size.
#include "lookup/Designation.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/lookup/DesignationSpellings.h"

namespace mw {
namespace {

std::string Labels(const Designation& d) {
    std::string out;
    for (const Meaning& m : d.meanings) out += (out.empty() ? "" : "|") + m.Label();
    return out;
}

char StatusLetter(Designation::Status s) {
    switch (s) {
        case Designation::kFound: return 'F';
        case Designation::kAmbiguous: return 'A';
        case Designation::kNearMiss: return 'N';
        case Designation::kUnreadable: return 'U';
        default: return 'E';
    }
}

TEST(Designation, SpellingTable) {
    EXPECT_GE(std::size(kSpellings), 200u);
    for (const Spelling& s : kSpellings) {
        SCOPED_TRACE(s.text);
        const Designation d = ReadDesignation(s.text);
        EXPECT_EQ(StatusLetter(d.status), s.status);
        EXPECT_EQ(Labels(d), s.meanings);
        if (s.status == 'U') continue;
        EXPECT_EQ(d.lengthMm.value_or(0), s.lengthMm);
        EXPECT_EQ(d.count, s.count);
    }
}

// The name a row has in the weight list, which is where users copy it from.
std::string PrintedName(const SizeList& list, const SizeRow& row) {
    return *list.name ? std::string(list.name) + " " + row.model : std::string(row.model);
}

TEST(Designation, EveryRowFromItsPrintedName) {
    int rows = 0;
    for (const SizeList& list : SizeLists()) {
        for (int i = 0; i < static_cast<int>(list.sizes->count); ++i) {
            const std::string name = PrintedName(list, list.sizes->rows[i]);
            SCOPED_TRACE(name);
            const Designation d = ReadDesignation(name);
            ASSERT_EQ(d.status, Designation::kFound) << d.message << " " << Labels(d);
            EXPECT_EQ(d.meanings[0].calc, list.calc);
            EXPECT_EQ(d.meanings[0].type, list.type);
            EXPECT_EQ(d.meanings[0].row, i);
            EXPECT_EQ(d.meanings[0].Label(), name);
            EXPECT_FALSE(d.lengthMm);
            ++rows;
        }
    }
    EXPECT_EQ(rows, 983);  // every row of the lists sized by length
}

TEST(Designation, Messages) {
    EXPECT_EQ(ReadDesignation("").status, Designation::kEmpty);
    EXPECT_EQ(ReadDesignation("   ").status, Designation::kEmpty);
    const Designation unreadable = ReadDesignation("abc");
    EXPECT_EQ(unreadable.message.rfind("无法识别", 0), 0u);
    EXPECT_NE(unreadable.message.find(kDesignationExamples), std::string::npos);
    // Each example spelling the message offers reads.
    EXPECT_EQ(ReadDesignation("∠50×5").status, Designation::kFound);
    EXPECT_EQ(ReadDesignation("[20a 6m×2").status, Designation::kFound);
    EXPECT_EQ(ReadDesignation("HN400×200×8×13").status, Designation::kFound);

    EXPECT_EQ(ReadDesignation("∠50×7").message, "没有这个规格。最接近的:");
    EXPECT_EQ(ReadDesignation("20a").message, "有几种可能,请选择:");
    EXPECT_EQ(ReadDesignation("HN400×200×9×13").message,
              "没有这个规格:HN窄翼缘 400×200 的腹板×翼缘厚是8×13。最接近的:");
    EXPECT_EQ(ReadDesignation("[20b").message, "表中记作[20");
    EXPECT_EQ(ReadDesignation("-200×10").message, "较小的数作厚度");
    EXPECT_NE(ReadDesignation("M20×80").message.find("螺栓计算器"), std::string::npos);
    // A row's own printed name picks it, and the user hears of the same size in another list.
    EXPECT_EQ(ReadDesignation("∠100×100×6").message, "另有等边角钢 ∠100×100×6");
}

TEST(Designation, WeightAndSurfaceOfAMeaning) {
    const CalcSettings steel;
    const Meaning channel = ReadDesignation("[20a").meanings[0];
    EXPECT_DOUBLE_EQ(channel.UnitWeight(steel), channel.Row()->unitWeight);
    CalcSettings aluminium;
    aluminium.density = 2.7;
    EXPECT_NEAR(channel.UnitWeight(aluminium), channel.Row()->unitWeight * 2.7 / 7.85, 1e-12);

    const Meaning plate = ReadDesignation("-10×200").meanings[0];
    EXPECT_NEAR(plate.UnitWeight(steel), 15.7, 1e-9);        // 0.2 m × 0.01 m × 7850 kg/m³
    EXPECT_NEAR(*plate.Surface(), 0.42, 1e-12);              // two faces and two edges
    const Meaning pipe = ReadDesignation("φ89×4").meanings[0];
    EXPECT_NEAR(pipe.UnitWeight(steel), 8.38, 0.005);        // (89-4)·4·π·7.85e-3
    EXPECT_NEAR(*pipe.Surface(), 0.2796, 0.0001);            // the outside only
    const Meaning bar = ReadDesignation("φ21").meanings[0];
    EXPECT_NEAR(bar.UnitWeight(steel), 2.719, 0.001);
    EXPECT_NEAR(*ReadDesignation("∠50×5").meanings[0].Surface(), 0.196, 0.0005);
}

}  // namespace
}  // namespace mw
