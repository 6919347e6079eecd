// The expression evaluator: syntax check, conversion to postfix order and evaluation, in degrees.
#pragma once

namespace mw {

// One element of the postfix list and of the operator stack during conversion.
struct MathToken {
    enum Type { kNumber = 0, kOperator = 1, kFunction = 2 };

    int type;
    double value;  // kNumber
    char op;       // kOperator: + - * / ~ (negation), ( on the operator stack only, # ends the list
    int func;      // kFunction: a MathFunctionCode
};

enum MathFunctionCode {
    kAbs = 1, kAcos, kAsin, kAtan, kAcot, kCos, kCosh, kCot, kExp, kFloor,
    kMod, kLn, kLog, kPow, kSin, kSinh, kSqrt, kTan, kTanh,
};

// Codes returned by Evaluate. Positive codes are domain errors of one operation.
enum MathError {
    kMathOk = 0,
    kDivideByZero = 1,
    kAcosDomain = 2,
    kAsinDomain = 3,
    kCotOfZero = 4,
    kModByZero = 5,
    kLnDomain = 6,
    kLogDomain = 7,
    kSqrtDomain = 8,
    kOperandCount = -1,   // an operation lacks operands, or not exactly one value is left
    kValueOverflow = -2,  // more pending values than the value stack holds
    kNotConverted = -3,   // the postfix list is missing or malformed
};

// A plain value object with fixed storage only; build one per evaluation and call, in order,
// SetExpression, CheckExpression, ToPostfix, Evaluate and GetResult. Any false or non-zero
// answer ends the evaluation.
class CMathString {
public:
    static constexpr int kMaxText = 99;       // bytes of expression text
    static constexpr int kMaxNumber = 19;     // characters of one number
    static constexpr int kMaxBrackets = 51;   // brackets open at once
    static constexpr int kMaxOperators = 99;  // operator stack entries
    static constexpr int kMaxTokens = 99;     // postfix tokens, not counting the end token
    static constexpr int kMaxValues = 49;     // values pending during evaluation

    CMathString();
    virtual ~CMathString() = default;

    // False, leaving an empty expression, when text is longer than kMaxText bytes.
    bool SetExpression(const char* text);
    // Validates the text and on success rewrites it for ToPostfix ("#" appended, brackets unified).
    bool CheckExpression();
    // False for text that passed no check, a comma outside all brackets or a capacity overrun.
    bool ToPostfix();
    int Evaluate();
    double GetResult() const { return m_result; }

    // Advances pos past name and answers true when text continues with name at pos.
    static bool MatchName(const char* text, int& pos, const char* name);
    // Converts a run of digits and points: .5 is 0.5, 5. is 5.
    static double ParseNumber(const char* digits, int length);
    // The name of the function with this code as the text must spell it; null for no function.
    static const char* FunctionName(int code);

private:
    char m_expr[kMaxText + 5];
    double m_result;
    MathToken m_postfix[kMaxTokens + 1];
};

}  // namespace mw
