// What a numeric field makes of typed text, from normalisation to the figures users see.
#include "expr/CalcExpression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace mw {
namespace {

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

TEST(CalcExpressionNormalisation, AcceptsWhatChineseKeyboardsType) {
    EXPECT_EQ(CalcExpression(""), 0);
    EXPECT_EQ(CalcExpression("   "), 0);
    for (const char* text : {"100x2", "100X2", "100×2", "100*2", " 1 0 0 x 2 "})
        EXPECT_EQ(CalcExpression(text), 200) << text;
    EXPECT_EQ(CalcExpression("9÷3"), 3);
    EXPECT_EQ(CalcExpression("9\\3"), 3);
    for (const char* text : {"（1+2）*3", "[1+2]*3", "{1+2}*3"}) EXPECT_EQ(CalcExpression(text), 9) << text;
    EXPECT_EQ(CalcExpression("1＋2－4"), -1);
    EXPECT_EQ(CalcExpression("mod（7，3）"), 1);
    EXPECT_EQ(CalcExpression("SIN(30)"), CalcExpression("sin(30)"));
    EXPECT_EQ(CalcExpression("Sqrt(16)"), 4);
}

TEST(CalcExpressionNormalisation, OtherCharactersMakeTheTextInvalid) {
    for (const char* text : {"１２", "2．5", "　1", "1\t+2", "1€", "\xC3", "1\xEF\xBC", "\xEF\xBC\x88" "1"})
        EXPECT_EQ(CalcExpression(text), 0) << text;
    EXPECT_EQ(CalcExpression(std::string("2\0+5", 4)), 0);  // a NUL must not cut the text short
}

TEST(CalcExpressionSyntax, RejectsMalformedText) {
    for (const char* text : {"2+-3", "2*-3", "+3", "3+", "1e3", "1,5", "2^2", "sin30", "exp(1)", "(1+2",
                             "1+2)", ")(", "()", "sin()", "(2)(3)", "(2,3)", "pow(2,-1)", "mod(7)", "abc"})
        EXPECT_EQ(CalcExpression(text), 0) << text;
    EXPECT_EQ(CalcExpression("2*(-3)"), -6);
    EXPECT_EQ(CalcExpression("-3+5"), 2);
    EXPECT_EQ(CalcExpression("-(-3)"), 3);
}

TEST(CalcExpressionPrecedence, OperatorsAndImplicitMultiplication) {
    EXPECT_EQ(CalcExpression("((1+2)*(3+4))"), 21);
    EXPECT_EQ(CalcExpression("1+2*3"), 7);
    EXPECT_EQ(CalcExpression("8/2/2"), 2);
    EXPECT_EQ(CalcExpression("2-3-4"), -5);
    EXPECT_EQ(CalcExpression("-2*3"), -6);
    EXPECT_EQ(CalcExpression("-2+3*2"), 4);
    EXPECT_EQ(CalcExpression("2(3+4)"), 14);
    EXPECT_EQ(CalcExpression("9(2)"), 18);
    EXPECT_EQ(CalcExpression("2.5(2)"), 5);
    EXPECT_EQ(CalcExpression("2.(3)"), 0);  // only a digit multiplies implicitly
    EXPECT_EQ(CalcExpression("2sin(30)"), 0.9999999845299591);
    EXPECT_EQ(CalcExpression("sin(30)*2"), 0.9999999845299591);
    EXPECT_EQ(CalcExpression("2pow(2,3)"), 16);
    EXPECT_EQ(CalcExpression("12/2pow(2,1)"), 12);  // an implicit "*" is an ordinary one
    EXPECT_EQ(CalcExpression("mod(1+6,2*2)"), 3);
    EXPECT_EQ(CalcExpression("abs(1-4)+1"), 4);
}

TEST(CalcExpressionNumbers, ReadsDigitsAndOnePoint) {
    EXPECT_EQ(CalcExpression(".5"), 0.5);
    EXPECT_EQ(CalcExpression("5."), 5);
    EXPECT_EQ(CalcExpression("0.25"), 0.25);
    EXPECT_EQ(CalcExpression("2000"), 2000);
    EXPECT_DOUBLE_EQ(CalcExpression("1234567890123456789"), 1234567890123456789.0);  // 19 digits
    // A second point divides what has been read so far by ten.
    EXPECT_DOUBLE_EQ(CalcExpression("1.2.3"), 0.15);
    EXPECT_DOUBLE_EQ(CalcExpression("1..5"), 0.6);
    EXPECT_EQ(CalcExpression("."), 0);
    EXPECT_EQ(CalcExpression("2+."), 2);
    for (const char* text : {"12345678901234567890", "1234567890.123456789"})  // over 19 characters
        EXPECT_EQ(CalcExpression(text), 0) << text;
}

TEST(CalcExpressionFunctions, DegreesWithTheProgramsPi) {
    EXPECT_EQ(CalcExpression("sin(30)"), 0.49999999226497954);
    EXPECT_EQ(CalcExpression("asin(1)"), 90.00000153523452);
    EXPECT_EQ(CalcExpression("acot(1)"), 44.99999923238274);
    EXPECT_EQ(CalcExpression("cot(45)"), 1.000000026794897);
    EXPECT_EQ(CalcExpression("sinh(90)"), 2.301298835074118);
    EXPECT_EQ(CalcExpression("cosh(0)"), 1);
    EXPECT_NEAR(CalcExpression("cos(60)"), 0.5, 1e-7);
    EXPECT_NEAR(CalcExpression("tan(45)"), 1, 1e-7);
    EXPECT_NEAR(CalcExpression("atan(1)"), 45, 1e-5);
    EXPECT_NEAR(CalcExpression("acos(0)"), 90, 1e-5);
    EXPECT_NEAR(CalcExpression("tanh(90)"), std::tanh(1.5707963), 1e-15);
    EXPECT_NEAR(CalcExpression("ln(10)"), std::log(10.0), 1e-15);
    EXPECT_EQ(CalcExpression("log(100)"), 2);
    EXPECT_EQ(CalcExpression("mod(7,3)"), 1);
    EXPECT_EQ(CalcExpression("mod(0-7,3)"), -1);
    EXPECT_EQ(CalcExpression("pow(2,10)"), 1024);
    EXPECT_EQ(CalcExpression("pow(2,(-1))"), 0.5);
    EXPECT_EQ(CalcExpression("floor(-2.5)"), -3);
    EXPECT_EQ(CalcExpression("abs(-3)"), 3);
    EXPECT_EQ(CalcExpression("sqrt(16)"), 4);
}

TEST(CalcExpressionFunctions, UnusableResultsGiveZero) {
    for (const char* text : {"1/0", "1/(2-2)", "sqrt(-1)", "ln(0)", "log(-5)", "acos(2)", "asin(-1.5)",
                             "cot(0)", "mod(7,0)", "pow(10,400)", "pow(0-8,1/3)", "pow(10,400)-pow(10,400)"})
        EXPECT_EQ(CalcExpression(text), 0) << text;
    EXPECT_FALSE(std::signbit(CalcExpression("-0")));
    EXPECT_EQ(CalcExpression("1/pow(10,400)"), 0);
}

TEST(CalcExpressionCapacity, TextBeyondTheLimitsGivesZero) {
    const std::string sum99 = "1" + Repeat("+1", 49);  // 99 bytes
    EXPECT_EQ(CalcExpression(sum99), 50);
    EXPECT_EQ(CalcExpression(sum99 + "+1"), 0);
    EXPECT_EQ(CalcExpression(" " + sum99 + " "), 50);  // counted after the spaces are gone
    EXPECT_EQ(CalcExpression(Repeat("（", 49) + "1" + Repeat("）", 49)), 1);  // 295 bytes typed, 99 left
    EXPECT_EQ(CalcExpression(Repeat("(", 60) + "1" + Repeat(")", 60)), 0);
    EXPECT_EQ(CalcExpression(Repeat("(", 99)), 0);
    EXPECT_EQ(CalcExpression("(" + Repeat("1,", 48) + "1)"), 0);  // 49 values left over
    EXPECT_EQ(CalcExpression(Repeat("9", 99)), 0);
    EXPECT_EQ(CalcExpression(Repeat("sin(", 20) + "1" + Repeat(")", 20)), 0);
    EXPECT_EQ(CalcExpression(Repeat("2*", 5000) + "2"), 0);
    EXPECT_EQ(CalcExpression(Repeat("×", 5000)), 0);
}

}  // namespace
}  // namespace mw
