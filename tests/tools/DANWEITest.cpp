// The unit conversion window: start state, list refills, reading the value and printing the result.
#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "tests/support/MemorySurface.h"
#include "tools/DANWEI.h"

namespace mw {
namespace {

enum Quantity { kLength = 0, kArea = 1, kTime = 4, kMass = 8, kPressure = 13, kEnergy = 16, kStorage = 22 };

struct UnitWindow {
    UnitWindow() {
        surface.Bind(&window);
        window.OnInitDialog();
    }
    // Picks a quantity and two units by their labels, types the value; the converted text.
    std::string Convert(int quantity, const std::string& from, const std::string& to, const std::string& value) {
        surface.Choose(IDC_DANWEI_QUANTITY, quantity);
        EXPECT_TRUE(surface.ChooseItem(IDC_DANWEI_FROM, from)) << from;
        EXPECT_TRUE(surface.ChooseItem(IDC_DANWEI_TO, to)) << to;
        surface.Type(IDC_DANWEI_VALUE, value);
        return Result();
    }
    std::string Result() const { return surface.Text(IDC_DANWEI_RESULT); }

    MemorySurface surface;
    CDANWEI window{surface};
};

TEST(DANWEI, StartsWithOneMetreInMetres) {
    UnitWindow w;
    ASSERT_EQ(w.surface.ItemCount(IDC_DANWEI_QUANTITY), 23);
    EXPECT_EQ(w.surface.ItemText(IDC_DANWEI_QUANTITY, 0), "长度");
    EXPECT_EQ(w.surface.ItemText(IDC_DANWEI_QUANTITY, 22), "电脑容量");
    EXPECT_EQ(w.surface.Selection(IDC_DANWEI_QUANTITY), 0);
    EXPECT_EQ(w.surface.ItemCount(IDC_DANWEI_FROM), 15);
    EXPECT_EQ(w.surface.ItemCount(IDC_DANWEI_TO), 15);
    EXPECT_EQ(w.surface.Selection(IDC_DANWEI_FROM), 0);
    EXPECT_EQ(w.surface.Selection(IDC_DANWEI_TO), 0);
    EXPECT_EQ(w.surface.Text(IDC_DANWEI_VALUE), "1");
    EXPECT_EQ(w.Result(), "1");
}

TEST(DANWEI, ChangingTheQuantityRefillsBothListsAtTheirFirstUnit) {
    UnitWindow w;
    int total = 0;
    for (int quantity = 0; quantity < 23; ++quantity) {
        w.surface.Choose(IDC_DANWEI_FROM, 2);
        w.surface.Choose(IDC_DANWEI_TO, 1);
        w.surface.Choose(IDC_DANWEI_QUANTITY, quantity);
        const int count = w.surface.ItemCount(IDC_DANWEI_FROM);
        EXPECT_EQ(w.surface.At(IDC_DANWEI_TO).items, w.surface.At(IDC_DANWEI_FROM).items);
        EXPECT_EQ(w.surface.Selection(IDC_DANWEI_FROM), 0) << quantity;
        EXPECT_EQ(w.surface.Selection(IDC_DANWEI_TO), 0) << quantity;
        EXPECT_EQ(w.Result(), "1") << quantity;  // a first unit in itself
        total += count;
    }
    EXPECT_EQ(total, 139);
    w.surface.Choose(IDC_DANWEI_QUANTITY, kStorage);
    EXPECT_EQ(w.surface.ItemText(IDC_DANWEI_FROM, 9), "YB");
    w.surface.Choose(IDC_DANWEI_QUANTITY, 3);
    EXPECT_EQ(w.surface.ItemText(IDC_DANWEI_TO, 3), "[角]秒 (\")");
}

TEST(DANWEI, ConvertsAtEveryChange) {
    UnitWindow w;
    EXPECT_EQ(w.Convert(kLength, "英寸 (in)", "米 (m)", "1"), "0.0254");
    EXPECT_EQ(w.Convert(kLength, "英尺 (ft)", "米 (m)", "1"), "0.3048");
    EXPECT_EQ(w.Convert(kTime, "小时 (h)", "分 (min)", "2.5"), "150");
    EXPECT_EQ(w.Convert(kTime, "天 (d)", "秒 (s)", "1"), "86400");
    EXPECT_EQ(w.Convert(kStorage, "KB", "Byte", "1"), "1024");
    EXPECT_EQ(w.Convert(kStorage, "GB", "MB", "3"), "3072");
    EXPECT_EQ(w.Convert(kMass, "吨 (t)", "千克 (kg)", "1"), "1000");
    EXPECT_EQ(w.Convert(kMass, "磅 (lb)", "磅 (lb)", "1"), "1");
    EXPECT_EQ(w.Convert(kPressure, "帕[斯卡] (Pa)", "巴 (bar)", "-1"), "-0.00001");
    // Below the 16th decimal the result prints as 0.
    EXPECT_EQ(w.Convert(kEnergy, "电子伏 (eV)", "焦[耳] (J)", "1"), "0");
    // Changing a unit alone converts again: 1 eV in erg.
    w.surface.Choose(IDC_DANWEI_TO, 5);
    EXPECT_EQ(w.Result(), "0.0000000000016022");
}

TEST(DANWEI, SquareFeetConvertByTheRoundedFigureFromAndTheExactOneTo) {
    UnitWindow w;
    EXPECT_EQ(w.Convert(kArea, "平方英尺 (ft^2)", "平方米 (m^2)", "1"), "0.092903");
    const std::string toFeet = w.Convert(kArea, "平方米 (m^2)", "平方英尺 (ft^2)", "1");
    EXPECT_EQ(toFeet.substr(0, 15), "10.763910416709");  // 1 / 0.09290304
    EXPECT_DOUBLE_EQ(CDANWEI::Factor(kArea, 0, 7), 1 / 0.09290304);
    EXPECT_DOUBLE_EQ(CDANWEI::Factor(kArea, 7, 0), 0.092903);
    EXPECT_EQ(CDANWEI::Factor(kArea, 7, 7), 1.0);
    EXPECT_EQ(w.Convert(kArea, "平方英尺 (ft^2)", "平方英尺 (ft^2)", "3"), "3");
}

TEST(DANWEI, TheValueIsReadAsAPlainLeadingNumber) {
    UnitWindow w;
    EXPECT_EQ(w.Convert(kLength, "米 (m)", "毫米 (mm)", "12abc"), "12000");
    EXPECT_EQ(w.Convert(kLength, "米 (m)", "毫米 (mm)", "  +1.5e2m"), "150000");
    EXPECT_EQ(w.Convert(kLength, "米 (m)", "毫米 (mm)", "2*3"), "2000");  // no expressions here
    EXPECT_EQ(w.Convert(kLength, "米 (m)", "毫米 (mm)", "abc"), "0");
    EXPECT_EQ(w.Convert(kLength, "米 (m)", "毫米 (mm)", ""), "0");
    EXPECT_EQ(w.Convert(kLength, "米 (m)", "毫米 (mm)", ".5"), "500");
    EXPECT_EQ(w.Convert(kLength, "米 (m)", "毫米 (mm)", "１２"), "0");  // full-width digits are no number
}

TEST(DANWEI, OnlyTheFirstFortyFourCharactersAreRead) {
    UnitWindow w;
    const std::string fortyFour = "1" + std::string(43, '0');
    const std::string shown = w.Convert(kLength, "米 (m)", "米 (m)", fortyFour);
    // Read whole, the longer text would be ten times as much.
    EXPECT_EQ(w.Convert(kLength, "米 (m)", "米 (m)", fortyFour + "5"), shown);
}

TEST(DANWEI, ValuesBeyondADoubleShowThePlatformsInfinity) {
    UnitWindow w;
    EXPECT_EQ(w.Convert(kLength, "米 (m)", "米 (m)", "1e400"), "inf");
    EXPECT_EQ(w.Convert(kLength, "海里 (n mile)", "费密 (无)", "1e300"), "inf");
    EXPECT_EQ(w.Convert(kLength, "米 (m)", "米 (m)", "-1e400"), "-inf");
    EXPECT_TRUE(w.surface.messages.empty());
}

TEST(DANWEI, FormatKeepsTheZerosOfTheIntegerPart) {
    EXPECT_EQ(CDANWEI::FormatConverted(100), "100");
    EXPECT_EQ(CDANWEI::FormatConverted(0), "0");
    EXPECT_EQ(CDANWEI::FormatConverted(0.5), "0.5");
    EXPECT_EQ(CDANWEI::FormatConverted(1e20), "100000000000000000000");
    EXPECT_EQ(CDANWEI::FormatConverted(0.0000000000000001), "0.0000000000000001");
}

}  // namespace
}  // namespace mw
