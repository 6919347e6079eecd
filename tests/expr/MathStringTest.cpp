// The evaluator class on its own: its check, its error codes and its guards.
#include "expr/MathString.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace mw {
namespace {

// Runs the steps in order; the first failing one decides.
struct Outcome {
    bool set = false;
    bool checked = false;
    bool converted = false;
    int error = kNotConverted;
    double result = 0;
};

Outcome RunSteps(const std::string& text) {
    Outcome o;
    CMathString expression;
    o.set = expression.SetExpression(text.c_str());
    o.checked = o.set && expression.CheckExpression();
    o.converted = o.checked && expression.ToPostfix();
    if (o.converted) o.error = expression.Evaluate();
    o.result = expression.GetResult();
    return o;
}

TEST(MathStringCheck, BracketsAndNames) {
    EXPECT_EQ(RunSteps("[1+2]*{3}").result, 9);
    EXPECT_EQ(RunSteps("sin[30]").result, RunSteps("sin(30)").result);
    for (const char* text : {"(1+2]", "{1)", "SIN(30)", "2 + 3", "sin 30", "cosx(0)", "sinh", "1#", "2*/3"})
        EXPECT_FALSE(RunSteps(text).checked) << text;
    EXPECT_TRUE(RunSteps("3+").checked);  // left to the evaluation
    EXPECT_EQ(RunSteps("cosh(0)").result, 1);  // not cos followed by h
}

TEST(MathStringCheck, RewritesOnlyOnce) {
    CMathString expression;
    ASSERT_TRUE(expression.SetExpression("1+2"));
    EXPECT_TRUE(expression.CheckExpression());
    EXPECT_FALSE(expression.CheckExpression());  // the end marker is not expression text
}

TEST(MathStringEvaluate, ErrorCodes) {
    EXPECT_EQ(RunSteps("1/0").error, kDivideByZero);
    EXPECT_EQ(RunSteps("acos(2)").error, kAcosDomain);
    EXPECT_EQ(RunSteps("asin(-2)").error, kAsinDomain);
    EXPECT_EQ(RunSteps("cot(0)").error, kCotOfZero);
    EXPECT_EQ(RunSteps("mod(7,0)").error, kModByZero);
    EXPECT_EQ(RunSteps("ln(0)").error, kLnDomain);
    EXPECT_EQ(RunSteps("log(-5)").error, kLogDomain);
    EXPECT_EQ(RunSteps("sqrt(-1)").error, kSqrtDomain);
    for (const char* text : {"", "3+", "+3", "(2)(3)", "pow(2,-1)", "sin()"})
        EXPECT_EQ(RunSteps(text).error, kOperandCount) << text;
    std::string values = "(1";  // 49 values, the most that fits in the text
    for (int i = 1; i < 49; ++i) values += ",1";
    EXPECT_EQ(RunSteps(values + ")").error, kOperandCount);
}

TEST(MathStringEvaluate, ExpIsReachableInsideTheClass) {
    const Outcome o = RunSteps("exp(1)");
    EXPECT_EQ(o.error, kMathOk);
    EXPECT_EQ(o.result, std::exp(1.0));
}

TEST(MathStringLifecycle, FailuresLeaveNothingToEvaluate) {
    CMathString fresh;
    EXPECT_NE(fresh.Evaluate(), kMathOk);
    EXPECT_EQ(fresh.GetResult(), 0);

    CMathString comma;
    ASSERT_TRUE(comma.SetExpression("1,5"));
    ASSERT_TRUE(comma.CheckExpression());
    EXPECT_FALSE(comma.ToPostfix());
    EXPECT_EQ(comma.Evaluate(), kOperandCount);  // not the 1 converted before the comma

    CMathString refused;  // text the check refused is not converted even if asked
    ASSERT_TRUE(refused.SetExpression("1#"));
    EXPECT_FALSE(refused.CheckExpression());
    EXPECT_FALSE(refused.ToPostfix());

    CMathString unchecked;  // conversion without the check must not run past the text
    ASSERT_TRUE(unchecked.SetExpression("1+2"));
    EXPECT_FALSE(unchecked.ToPostfix());

    CMathString tooLong;
    EXPECT_TRUE(tooLong.SetExpression(std::string(99, '1').c_str()));
    EXPECT_FALSE(tooLong.SetExpression(std::string(100, '1').c_str()));
    EXPECT_TRUE(tooLong.CheckExpression());  // the old text is gone, not kept half
    EXPECT_TRUE(tooLong.ToPostfix());
    EXPECT_EQ(tooLong.Evaluate(), kOperandCount);
}

TEST(MathStringCapacity, DeepNestingIsRefusedByTheCheck) {
    EXPECT_FALSE(RunSteps(std::string(52, '(')).checked);
    EXPECT_EQ(RunSteps(std::string(49, '(') + "1" + std::string(49, ')')).result, 1);
    EXPECT_EQ(RunSteps("sqrt(" + std::string(44, '(') + "4" + std::string(45, ')')).result, 2);
}

TEST(MathStringHelpers, ParseNumberAndMatchName) {
    EXPECT_EQ(CMathString::ParseNumber(".5", 2), 0.5);
    EXPECT_EQ(CMathString::ParseNumber("5.", 2), 5);
    EXPECT_EQ(CMathString::ParseNumber("120", 3), 120);
    EXPECT_EQ(CMathString::ParseNumber("12.25", 5), 12.25);
    EXPECT_EQ(CMathString::ParseNumber("1.5+2", 3), 1.5);  // reads only the run it is given

    int pos = 2;
    EXPECT_TRUE(CMathString::MatchName("2*cos(1)", pos, "cos"));
    EXPECT_EQ(pos, 5);
    pos = 2;
    EXPECT_FALSE(CMathString::MatchName("2*co", pos, "cos"));
    EXPECT_EQ(pos, 2);
}

}  // namespace
}  // namespace mw
