// The usage notes held against the code they describe: each calculator note's formula, with
// numbers for its names, must give what that calculator shows, and note 46 must list the
// evaluator's functions with examples that give what they say.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/AboutTexts.h"
#include "expr/CalcExpression.h"
#include "expr/MathString.h"
#include "pages/ColdFormed.h"
#include "pages/FastenerTables.h"
#include "pages/HTSection.h"
#include "pages/PlateMesh.h"
#include "pages/Tab1Tables.h"
#include "pages/Tab2Tables.h"
#include "pages/Tab3Tables.h"
#include "pages/WireRope.h"
#include "tests/support/MainWindowFixture.h"

namespace mw {
namespace {

constexpr double kDensity = 7.93;  // not steel, so that the scaling to the density shows
const char kWeightIs[] = "重量=";

std::string Number(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.12f", value);
    std::string s = text;
    s.erase(s.find_last_not_of('0') + 1);
    if (s.back() == '.') s.pop_back();
    return s;
}

// The formula's right side with numbers for its names, longest names first so that no name is
// taken for part of a longer one, evaluated as an input field would evaluate it.
double EvaluateFormula(const std::string& formula, std::map<std::string, double> values) {
    EXPECT_EQ(formula.rfind(kWeightIs, 0), 0u) << formula;
    std::string expression = formula.substr(sizeof kWeightIs - 1);
    values["密度"] = kDensity;
    std::vector<std::string> names;
    for (const auto& entry : values) names.push_back(entry.first);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
    for (const std::string& name : names)
        for (std::size_t at; (at = expression.find(name)) != std::string::npos;)
            expression.replace(at, name.size(), Number(values[name]));
    // Every name had a value: only numbers and the signs of an input field are left.
    std::string rest = expression;
    for (const std::string sign : {"×", "÷"})
        for (std::size_t at; (at = rest.find(sign)) != std::string::npos;) rest.erase(at, sign.size());
    EXPECT_EQ(rest.find_first_not_of("0123456789.+-()"), std::string::npos) << expression;
    return CalcExpression(expression);
}

// All three pages under "kg;mm", nine decimals, a density other than steel's.
struct Calculators : MainWindowFixture {
    Calculators() {
        Start();
        surface.Choose(IDC_DECIMALS, 9);
        surface.Type(IDC_DENSITY, Number(kDensity));
    }
    int Pick(MemorySurface& page, int combo, const std::string& item) {
        EXPECT_TRUE(page.ChooseItem(combo, item)) << item;
        return page.Selection(combo);
    }
    static double Shown(const MemorySurface& page, int result) { return std::stod(page.Text(result)); }
    static double TableWeight(const SizeTable& table, int index) { return table.At(index)->unitWeight; }
    static double TypedWeight(const TypedSizes& section, int type, int size) {
        return section.At(type)->sizes->At(size)->unitWeight;
    }
};

// What one calculator shows for some inputs, and the values of the names its note uses.
struct Computed {
    const char* calculator;
    std::map<std::string, double> values;
    double shown;
};

// A table calculator: pick a size, type a length.
Computed Table(Calculators& c, MemorySurface& page, const char* name, int combo, const char* item,
               const SizeTable& table, int lengthEdit, int resultEdit) {
    const int index = c.Pick(page, combo, item);
    page.Type(lengthEdit, "2345");
    return {name, {{"单重", Calculators::TableWeight(table, index)}, {"长度", 2345}}, Calculators::Shown(page, resultEdit)};
}

// A calculator whose sizes depend on its type: pick both, type the length or area.
struct TypedCalculator {
    MemorySurface& page;
    const TypedSizes& section;
    int typeCombo, sizeCombo, quantityEdit, resultEdit;
    const char* quantityName;
    double quantity;
};
Computed Typed(Calculators& c, const char* name, const TypedCalculator& t, int type, const char* item) {
    t.page.Choose(t.typeCombo, type);
    const int size = c.Pick(t.page, t.sizeCombo, item);
    t.page.Type(t.quantityEdit, Number(t.quantity));
    return {name, {{"单重", Calculators::TypedWeight(t.section, type, size)}, {t.quantityName, t.quantity}},
            Calculators::Shown(t.page, t.resultEdit)};
}
TypedCalculator HT(Calculators& c) {
    return {c.page2Surface, kHTSection, IDC_HT_TYPE, IDC_HT_SIZE, IDC_HT_LENGTH, IDC_HT_RESULT, "长度", 2345};
}
TypedCalculator PlateMesh(Calculators& c) {
    return {c.page2Surface, kPlateMesh, IDC_MESH_TYPE, IDC_MESH_SIZE, IDC_MESH_AREA, IDC_MESH_RESULT, "面积", 1234567};
}
TypedCalculator ColdAngle(Calculators& c) {
    return {c.page3Surface, kColdAngle, IDC_CANGLE_TYPE, IDC_CANGLE_SIZE, IDC_CANGLE_LENGTH, IDC_CANGLE_RESULT, "长度", 2345};
}
TypedCalculator ColdChannel(Calculators& c) {
    return {c.page3Surface, kColdChannel, IDC_CCHANNEL_TYPE, IDC_CCHANNEL_SIZE, IDC_CCHANNEL_LENGTH, IDC_CCHANNEL_RESULT, "长度", 2345};
}
TypedCalculator ColdZ(Calculators& c) {
    return {c.page3Surface, kColdZ, IDC_CZ_TYPE, IDC_CZ_SIZE, IDC_CZ_LENGTH, IDC_CZ_RESULT, "长度", 2345};
}

// A fastener: type and size; the length only where the family has one.
Computed Fastener(Calculators& c, const char* name, int type, const char* size, const char* length) {
    MemorySurface& p = c.page2Surface;
    p.Choose(IDC_FASTENER_TYPE, type);
    const int index = c.Pick(p, IDC_FASTENER_SIZE, size);
    if (*length) p.Type(IDC_FASTENER_LENGTH, length);
    Computed computed{name, {}, Calculators::Shown(p, IDC_FASTENER_RESULT)};
    if (type == kFastenerTypeCount - 1) {
        computed.values = {{"每毫米重", SplitPinAt(index)->b}, {"销头重", SplitPinAt(index)->c}, {"长度", std::stod(length)}};
    } else {
        const double coefficient = FastenerTypeAt(type)->coefficients.data[index];
        if (*length) computed.values = {{"百毫米重", coefficient}, {"长度", std::stod(length)}};
        else computed.values = {{"单件重", coefficient}};
    }
    return computed;
}

Computed RoundStock(Calculators& c, const char* name, int modeRadio, const char* inner, const char* wall,
                    std::map<std::string, double> values) {
    MemorySurface& p = c.pageSurface;
    p.Click(modeRadio);
    p.Type(IDC_ROUND_OUTER, "108");
    p.Type(IDC_ROUND_INNER, inner);
    p.Type(IDC_ROUND_WALL, wall);
    p.Type(IDC_ROUND_LENGTH, "2345");
    values["外径"] = 108;
    values["长度"] = 2345;
    return {name, values, Calculators::Shown(p, IDC_ROUND_RESULT)};
}

// Each note from 15 on, in order: what its calculator shows.
const std::vector<std::function<Computed(Calculators&)>> kNoteCalculators = {
    [](Calculators& c) {  // 15
        for (auto [id, text] : {std::pair{IDC_PLATE1_LENGTH, "1234"}, {IDC_PLATE1_WIDTH, "567"}, {IDC_PLATE1_THICKNESS, "8"}})
            c.pageSurface.Type(id, text);
        return Computed{"钢板一", {{"长", 1234}, {"宽", 567}, {"厚", 8}}, Calculators::Shown(c.pageSurface, IDC_PLATE1_RESULT)};
    },
    [](Calculators& c) {  // 16
        c.pageSurface.Type(IDC_PLATE2_AREA, "654321");
        c.pageSurface.Type(IDC_PLATE2_THICKNESS, "6");
        return Computed{"钢板二", {{"面积", 654321}, {"厚度", 6}}, Calculators::Shown(c.pageSurface, IDC_PLATE2_RESULT)};
    },
    [](Calculators& c) { return Table(c, c.pageSurface, "角钢(热轧)", IDC_ANGLE_COMBO, "∠63×63×6", kAngleSizes, IDC_ANGLE_LENGTH, IDC_ANGLE_RESULT); },
    [](Calculators& c) { return RoundStock(c, "圆钢", IDC_ROUND_INNER_MODE, "0", "r", {}); },
    [](Calculators& c) { return RoundStock(c, "钢管(已知内径)", IDC_ROUND_INNER_MODE, "50", "r", {{"内径", 50}}); },
    [](Calculators& c) { return RoundStock(c, "钢管(已知壁厚)", IDC_ROUND_WALL_MODE, "0", "6", {{"壁厚", 6}}); },
    [](Calculators& c) { return Table(c, c.pageSurface, "槽钢(热轧)", IDC_CHANNEL_COMBO, "[16a", kChannelSizes, IDC_CHANNEL_LENGTH, IDC_CHANNEL_RESULT); },
    [](Calculators& c) { return Table(c, c.pageSurface, "工字钢", IDC_IBEAM_COMBO, "工20a", kIBeamSizes, IDC_IBEAM_LENGTH, IDC_IBEAM_RESULT); },
    [](Calculators& c) { return Table(c, c.page2Surface, "方管/矩形管", IDC_TUBE_COMBO, "50×30×2.0", kTubeSizes, IDC_TUBE_LENGTH, IDC_TUBE_RESULT); },
    [](Calculators& c) { return Table(c, c.page2Surface, "焊管/钢管", IDC_PIPE_COMBO, "3'×4.00", kPipeSizes, IDC_PIPE_LENGTH, IDC_PIPE_RESULT); },
    [](Calculators& c) { return Fastener(c, "螺栓", 0, "M10", "85"); },
    [](Calculators& c) { return Fastener(c, "螺母", 35, "M10", ""); },
    [](Calculators& c) { return Fastener(c, "垫圈", 57, "d=10", ""); },
    [](Calculators& c) { return Fastener(c, "开口销", kFastenerTypeCount - 1, "φ4", "40"); },
    [](Calculators& c) { return Typed(c, "H钢", HT(c), 0, "200×200"); },
    [](Calculators& c) { return Typed(c, "T钢", HT(c), 4, "100×200"); },
    [](Calculators& c) { return Typed(c, "花纹板", PlateMesh(c), 0, "δ3"); },
    [](Calculators& c) { return Typed(c, "钢板网", PlateMesh(c), 4, "1.0×10×25×1.10"); },
    [](Calculators& c) { return Typed(c, "钢丝网", PlateMesh(c), 7, "20#×3.0"); },
    [](Calculators& c) {  // 34
        MemorySurface& p = c.page2Surface;
        const int size = c.Pick(p, IDC_ROPE_SIZE, "φ10天然纤芯");
        p.Type(IDC_ROPE_LENGTH, "123");
        return Computed{"钢丝绳", {{"百米重", RopeUnitWeight(0, size)}, {"长度", 123}}, Calculators::Shown(p, IDC_ROPE_RESULT)};
    },
    [](Calculators& c) { return Table(c, c.page3Surface, "六角钢", IDC_HEX_COMBO, "10", kHexagonSizes, IDC_HEX_LENGTH, IDC_HEX_RESULT); },
    [](Calculators& c) { return Table(c, c.page3Surface, "八角钢", IDC_OCT_COMBO, "40", kOctagonSizes, IDC_OCT_LENGTH, IDC_OCT_RESULT); },
    [](Calculators& c) { return Table(c, c.page3Surface, "螺纹钢", IDC_REBAR_COMBO, "φ12", kRebarSizes, IDC_REBAR_LENGTH, IDC_REBAR_RESULT); },
    [](Calculators& c) { return Typed(c, "角钢(冷弯)", ColdAngle(c), 0, "∠40×40×3.0"); },
    [](Calculators& c) { return Typed(c, "槽钢(冷弯)", ColdChannel(c), 1, "[50×32×20×2.5"); },
    [](Calculators& c) { return Typed(c, "卷边槽钢(冷弯)", ColdChannel(c), 2, "[100×50×20×2.5"); },
    [](Calculators& c) { return Typed(c, "Z型钢(冷弯)", ColdZ(c), 0, "80×40×3.0"); },
    [](Calculators& c) { return Typed(c, "卷边Z型钢(冷弯)", ColdZ(c), 1, "250×75×25×4.0"); },
};

TEST(AboutTexts, EachCalculatorNoteGivesWhatItsCalculatorShows) {
    ASSERT_EQ(kNoteCalculators.size(), static_cast<std::size_t>(kCalculatorNoteCount));
    for (int i = 0; i < kCalculatorNoteCount; ++i) {
        const CalculatorNote& note = kCalculatorNotes[i];
        Calculators calculators;
        const Computed computed = kNoteCalculators[i](calculators);
        SCOPED_TRACE(std::to_string(kFirstCalculatorNote + i) + ". " + note.calculator + "：" + note.formula);
        EXPECT_STREQ(note.calculator, computed.calculator);
        const double byNote = EvaluateFormula(note.formula, computed.values);
        EXPECT_GT(computed.shown, 0.0);
        // Nine decimals shown: a change of π in the seventh digit, or a lost density factor, shows.
        EXPECT_NEAR(computed.shown, byNote, 1e-9 + std::fabs(byNote) * 1e-12);
    }
}

TEST(AboutTexts, SolidRoundSteelComesOutAlikeInBothModes) {
    Calculators c;
    const double inner = RoundStock(c, "圆钢", IDC_ROUND_INNER_MODE, "0", "r", {}).shown;
    EXPECT_EQ(RoundStock(c, "圆钢", IDC_ROUND_WALL_MODE, "0", "r", {}).shown, inner);
}

TEST(AboutTexts, FunctionListIsTheEvaluatorsWithWorkingExamples) {
    std::vector<std::string> listed, accepted;
    for (const FunctionNote& note : kFunctionNotes) listed.push_back(std::string(note.call).substr(0, std::strchr(note.call, '(') - note.call));
    for (int code = 1; CMathString::FunctionName(code); ++code) accepted.push_back(CMathString::FunctionName(code));
    EXPECT_EQ(listed, accepted);

    for (const FunctionNote& note : kFunctionNotes) {
        const std::string example = note.example;
        if (example.empty()) continue;
        const std::size_t equals = example.rfind('=');
        ASSERT_NE(equals, std::string::npos) << example;
        const double expected = std::stod(example.substr(equals + 1));
        EXPECT_NEAR(CalcExpression(example.substr(0, equals)), expected, 1e-6 * std::max(1.0, std::fabs(expected))) << example;
    }
    // What the notes on exp and pow say: x multiplies in an input field, and a negative exponent
    // is written as a difference.
    EXPECT_EQ(CalcExpression("exp(1)"), 0.0);
    CMathString exp;
    ASSERT_TRUE(exp.SetExpression("exp(1)") && exp.CheckExpression() && exp.ToPostfix());
    ASSERT_EQ(exp.Evaluate(), kMathOk);
    EXPECT_NEAR(exp.GetResult(), 2.7182818, 1e-7);
    EXPECT_EQ(CalcExpression("pow(2,-1)"), 0.0);
    EXPECT_EQ(CalcExpression("pow(2,0-1)"), 0.5);
}

}  // namespace
}  // namespace mw
