// The unit converter's table against the units' definitions: every label, and every base value
// within 1e-9 of the value worked out here from the SI, rounded where the table keeps fewer digits.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tools/UnitTables.h"

namespace mw {
namespace {

// Exact definitions: international foot, inch, mile and pound, standard gravity.
constexpr double kPi = 3.14159265358979323846;
constexpr double kFoot = 0.3048;
constexpr double kInch = 0.0254;
constexpr double kMile = 1609.344;
constexpr double kPound = 0.45359237;
constexpr double kGravity = 9.80665;
constexpr double kPoundForce = kPound * kGravity;
constexpr double kDegree = kPi / 180;

struct Unit {
    const char* label;
    double si;   // one unit in the quantity's first unit
    int digits;  // significant digits the table keeps; 0 for all of them
};

struct Quantity {
    const char* label;
    std::vector<Unit> units;
};

double Bits(int power) { return std::ldexp(8.0, 10 * power); }

const std::vector<Quantity> kExpected = {
    {"长度", {
        {"米 (m)", 1, 0}, {"分米 (dm)", 0.1, 0}, {"厘米 (cm)", 0.01, 0}, {"毫米 (mm)", 1e-3, 0},
        {"丝(道) (dmm)", 1e-5, 0}, {"微米 (μm)", 1e-6, 0}, {"纳米(毫微米) (nm)", 1e-9, 0},
        {"海里 (n mile)", 1852, 0}, {"英里 (mile)", kMile, 0}, {"英尺 (ft)", kFoot, 0},
        {"英寸 (in)", kInch, 0}, {"码 (yd)", 3 * kFoot, 0}, {"密耳 (mil)", kInch / 1000, 0},
        {"埃 (A)", 1e-10, 0}, {"费密 (无)", 1e-15, 0}}},
    {"面积", {
        {"平方米 (m^2)", 1, 0}, {"平方分米 (dm^2)", 1e-2, 0}, {"平方厘米 (cm^2)", 1e-4, 0},
        {"平方毫米 (mm^2)", 1e-6, 0}, {"公顷 (ha)", 1e4, 0}, {"公亩 (a)", 100, 0},
        {"平方英里 (mile^2)", kMile * kMile, 6}, {"平方英尺 (ft^2)", kFoot * kFoot, 5},
        {"平方英寸 (in^2)", kInch * kInch, 0}}},
    {"体积", {
        {"立方米 (m^3)", 1, 0}, {"立方分米(升) (dm^3/L/l)", 1e-3, 0}, {"立方厘米 (cm^3)", 1e-6, 0},
        {"立方毫米 (mm^3)", 1e-9, 0}, {"立方英尺 (ft^3)", kFoot * kFoot * kFoot, 6},
        {"立方英寸 (in^3)", kInch * kInch * kInch, 6}, {"英加仑 (UKgal)", 4.54609e-3, 0},
        {"美加仑 (USgal)", 231 * kInch * kInch * kInch, 6}}},
    {"平面角", {
        {"弧度 (rad)", 1, 0}, {"度 (°)", kDegree, 0}, {"[角]分 (′)", kDegree / 60, 0},
        {"[角]秒 (\")", kDegree / 3600, 0}}},
    {"时间", {{"秒 (s)", 1, 0}, {"分 (min)", 60, 0}, {"小时 (h)", 3600, 0}, {"天 (d)", 86400, 0}}},
    {"速度", {
        {"米每秒 (m/s)", 1, 0}, {"节 (kn)", 1852.0 / 3600, 6}, {"千米每小时 (km/h)", 1000.0 / 3600, 6},
        {"米每分 (m/min)", 1.0 / 60, 6}, {"英里每小时 (mile/h)", kMile / 3600, 0},
        {"英尺每秒 (ft/s)", kFoot, 0}, {"英寸每秒 (in/s)", kInch, 0}}},
    {"加速度", {{"米每二次方秒 (m/s^2)", 1, 0}, {"英尺每二次方秒 (ft/s^2)", kFoot, 0}, {"伽 (Gal)", 0.01, 0}}},
    {"角速度", {
        {"弧度每秒 (rad/s)", 1, 0}, {"转每分 (r/min)", 2 * kPi / 60, 0},
        {"度每分 (°/min)", kDegree / 60, 2}, {"度每秒 (°/s)", kDegree, 4}}},
    {"质量", {
        {"千克 (kg)", 1, 0}, {"克 (g)", 1e-3, 0}, {"吨 (t)", 1000, 0},
        {"原子质量单位 (u)", 1.66053906660e-27, 0},  // CODATA 2018
        {"英吨 (ton)", 2240 * kPound, 6}, {"英担 (cwt)", 112 * kPound, 6}, {"磅 (lb)", kPound, 0},
        {"夸特 (qr,qtr)", 28 * kPound, 6}, {"盎司 (oz)", kPound / 16, 6},
        {"格令 (gr,gn)", kPound / 7000, 0}}},
    {"线密度、纤度", {
        {"千克每米 (kg/m)", 1, 0}, {"特[克斯] (tex)", 1e-3 / 1000, 0}, {"旦尼尔", 1e-3 / 9000, 0},
        {"磅每英尺 (lb/ft)", kPound / kFoot, 6}, {"磅每英寸 (lb/in)", kPound / kInch, 5}}},
    {"密度", {
        {"千克每立方米 (kg/m^3)", 1, 0}, {"吨每立方米 (t/m^3)", 1000, 0}, {"千克每升(kg/L)", 1000, 0},
        {"磅每立方英尺 (lb/ft^3)", kPound / (kFoot * kFoot * kFoot), 6},
        {"磅每立方英寸 (lb/in^3)", kPound / (kInch * kInch * kInch), 6}}},
    {"比容(比体积)", {
        {"立方米每千克 (m^3/kg)", 1, 0}, {"立方英尺每磅 (ft^3/lb)", kFoot * kFoot * kFoot / kPound, 5},
        {"立方英寸每磅 (in^3/lb)", kInch * kInch * kInch / kPound, 6}}},
    {"力、重力", {
        {"牛顿 (N)", 1, 0}, {"千克力 (kgf)", kGravity, 0}, {"磅力 (lbf)", kPoundForce, 6},
        {"达因 (dyn)", 1e-5, 0}, {"吨力 (tf)", 1000 * kGravity, 0}}},
    {"压力、压强、应力", {
        {"帕[斯卡] (Pa)", 1, 0}, {"巴 (bar)", 1e5, 0}, {"托 (Torr)", 101325.0 / 760, 6},
        {"毫米汞柱 (mmHg)", 13.5951 * kGravity, 6}, {"毫米大气压 (mmH2O)", kGravity, 0},
        {"工程大气压 (al)", 1e4 * kGravity, 0}, {"标准大气压 (atm)", 101325, 0}}},
    {"力矩、转矩、力偶矩", {
        {"牛[顿]米 (N.m)", 1, 0}, {"公斤力米 (kgf.m)", kGravity, 0}, {"克力厘米 (gf.m)", kGravity * 1e-5, 0},
        {"达因厘米 (dyn.cm)", 1e-7, 0}, {"磅力英尺 (lbf.ft)", kPoundForce * kFoot, 6}}},
    {"转动惯量", {
        {"千克二次方米 (kg.m^2)", 1, 0}, {"磅二次方英尺 (lb.ft^2)", kPound * kFoot * kFoot, 6},
        {"磅二次方英寸 (lb.in^2)", kPound * kInch * kInch, 5}}},
    {"能量，功，热", {
        {"焦[耳] (J)", 1, 0}, {"电子伏 (eV)", 1.602176634e-19, 0}, {"千瓦小时 (kW.h)", 3.6e6, 0},
        {"千克力米 (kgf.m)", kGravity, 0}, {"卡 (cal)", 4.1868, 0}, {"尔格 (erg)", 1e-7, 0},
        {"英热单位 (Btu)", 1055.05585262, 6}}},
    {"功率，辐射能量", {
        {"瓦[特] (W)", 1, 0}, {"乏 (var)", 1, 0}, {"伏安 (VA)", 1, 0}, {"马力 (PS)", 75 * kGravity, 6},
        {"英马力 (HP)", 550 * kFoot * kPoundForce, 4}, {"电工马力", 746, 0}, {"卡每秒 (cal/s)", 4.1868, 0},
        {"千卡每小时 (kcal/h)", 4186.8 / 3600, 0}}},
    {"质量流量", {
        {"千克每秒 (kg/s)", 1, 0}, {"磅每秒 (lb/s)", kPound, 6}, {"磅每小时 (lb/h)", kPound / 3600, 6}}},
    {"体积流量", {
        {"立方米每秒 (m^3/s)", 1, 0}, {"立方英尺每秒 (ft^3/s)", kFoot * kFoot * kFoot, 6},
        {"立方英寸每小时 (in^3/h)", kInch * kInch * kInch / 3600, 6}}},
    {"动力粘度", {
        {"帕[斯卡]秒 (Pa.s)", 1, 0}, {"泊 (P，Po)", 0.1, 0}, {"厘泊 (cP)", 1e-3, 0},
        {"千克力秒每平方米 (kgf.s/m)", kGravity, 0},
        {"磅力秒每平方英尺 (lbf.s/ft^2)", kPoundForce / (kFoot * kFoot), 6},
        {"磅力秒每平方英寸 (lbf.s/in^2)", kPoundForce / (kInch * kInch), 6}}},
    {"运动粘度", {
        {"二次方米每秒 (m^2/s)", 1, 0}, {"斯托克斯 (St)", 1e-4, 0}, {"厘斯托克基斯 (cSt)", 1e-6, 0},
        {"二次方英尺每秒 (ft^2/s)", kFoot * kFoot, 5}, {"二次方英寸每秒 (in^2/s)", kInch * kInch, 0}}},
    {"电脑容量", {
        {"bit", 1, 0}, {"Byte", Bits(0), 0}, {"KB", Bits(1), 0}, {"MB", Bits(2), 0}, {"GB", Bits(3), 0},
        {"TB", Bits(4), 0}, {"PB", Bits(5), 0}, {"EB", Bits(6), 0}, {"ZB", Bits(7), 0}, {"YB", Bits(8), 0}}},
};

double RoundToDigits(double value, int digits) {
    if (digits == 0) return value;
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", digits - 1, value);
    return std::strtod(text, nullptr);
}

TEST(UnitTables, LabelsInOrder) {
    ASSERT_EQ(kQuantityCount, static_cast<int>(kExpected.size()));
    int total = 0;
    for (int q = 0; q < kQuantityCount; ++q) {
        EXPECT_STREQ(kQuantities[q].label, kExpected[q].label);
        ASSERT_EQ(kQuantities[q].unitCount, static_cast<int>(kExpected[q].units.size())) << kExpected[q].label;
        for (int u = 0; u < kQuantities[q].unitCount; ++u)
            EXPECT_STREQ(kQuantities[q].units[u].label, kExpected[q].units[u].label);
        total += kQuantities[q].unitCount;
    }
    EXPECT_EQ(total, 139);
}

TEST(UnitTables, BaseValuesAgreeWithTheDefinitions) {
    for (int q = 0; q < kQuantityCount; ++q) {
        EXPECT_EQ(kQuantities[q].units[0].base, 1.0) << kExpected[q].label;
        for (int u = 0; u < kQuantities[q].unitCount; ++u) {
            const Unit& unit = kExpected[q].units[u];
            const double expected = RoundToDigits(unit.si, unit.digits);
            EXPECT_NEAR(kQuantities[q].units[u].base, expected, 1e-9 * expected) << unit.label;
        }
    }
}

TEST(UnitTables, OnlySquareFeetConvertToTheirExactValue) {
    for (int q = 0; q < kQuantityCount; ++q)
        for (int u = 0; u < kQuantities[q].unitCount; ++u) {
            const double asTarget = kQuantities[q].units[u].baseAsTarget;
            if (q == 1 && u == 7) EXPECT_NEAR(asTarget, kFoot * kFoot, 1e-9 * kFoot * kFoot);
            else EXPECT_EQ(asTarget, 0.0) << kExpected[q].units[u].label;
        }
}

}  // namespace
}  // namespace mw
