// Numbers as text, in each format the program shows or writes, and the fields of its own files.
#include "settings/TextFields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace mw {
namespace {

TEST(TextFields, WeightsShowTheirDecimalPlacesOrTwo) {
    EXPECT_EQ(FormatWeight(2.675, 0), "3");
    EXPECT_EQ(FormatWeight(1234.5, 9), "1234.500000000");
    EXPECT_EQ(FormatWeight(0.125, 2), "0.12");  // printf rounds the binary value, half to even here
    EXPECT_EQ(FormatWeight(7.85, -1), "7.85");
    EXPECT_EQ(FormatWeight(7.85, 10), "7.85");
    EXPECT_EQ(FormatWeight(-0.001, 2), "-0.00");  // the calculators keep printf's sign
    EXPECT_EQ(FormatUnitWeight(0.68), "0.680");
}

TEST(TextFields, PlainNumbersAndMoneyDropTrailingZerosAndNegativeZero) {
    EXPECT_EQ(PlainNumber(4200.50), "4200.5");
    EXPECT_EQ(PlainNumber(6000, 1), "6000");
    EXPECT_EQ(PlainNumber(1e-7), "0");
    EXPECT_EQ(PlainNumber(-1e-7), "0");
    EXPECT_EQ(PlainNumber(-2.25, 1), "-2.2");
    EXPECT_EQ(Money(-0.001), "0.00");
    EXPECT_EQ(Money(1234.565), "1234.57");
}

TEST(TextFields, FixedAndExactNumbersKeepEveryDigit) {
    EXPECT_EQ(FixedNumber(2, 6), "2.000000");
    EXPECT_EQ(FixedNumber(-0.5, 0), "-0");
    EXPECT_EQ(ExactNumber(0.1), "0.10000000000000001");
    EXPECT_EQ(ExactNumber(1e21), "1e+21");
    // The largest double written out in full, with the sixteen places the unit converter shows.
    const std::string huge = FixedNumber(-std::numeric_limits<double>::max(), 16);
    EXPECT_EQ(huge.size(), 1u + 309u + 1u + 16u);
    EXPECT_EQ(huge.substr(0, 4), "-179");
}

TEST(TextFields, ShortestNumbersReadBackToTheSameValue) {
    for (double value : {0.0, 0.1, 1.0 / 3, 6000.0, 1e-7, 123456.789, -2.5}) {
        const std::string text = ShortestNumber(value);
        double back = 0;
        ASSERT_TRUE(ParseNumberField(text, back)) << text;
        EXPECT_EQ(back, value) << text;
        EXPECT_EQ(text.find('e'), std::string::npos) << text;
    }
    EXPECT_EQ(ShortestNumber(6000), "6000");
    EXPECT_EQ(ShortestNumber(0.1), "0.1");
}

TEST(TextFields, FieldsEscapeAndCsvCellsQuote) {
    std::string back;
    EXPECT_EQ(EscapeField("a\tb\\c\r\n"), "a\\tb\\\\c\\r\\n");
    ASSERT_TRUE(UnescapeField("a\\tb\\\\c\\r\\n", back));
    EXPECT_EQ(back, "a\tb\\c\r\n");
    EXPECT_FALSE(UnescapeField("a\\x", back));
    EXPECT_FALSE(UnescapeField("a\\", back));
    EXPECT_EQ(CsvField("6000 mm × 2"), "6000 mm × 2");
    EXPECT_EQ(CsvField("共 3 根, \"甲\""), "\"共 3 根, \"\"甲\"\"\"");
    double value = 0;
    EXPECT_FALSE(ParseNumberField("12abc", value));
    EXPECT_FALSE(ParseNumberField("inf", value));
    EXPECT_FALSE(ParseNumberField("", value));
}

}  // namespace
}  // namespace mw
