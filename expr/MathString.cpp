// The expression evaluator: syntax check, shunting-yard conversion and postfix evaluation.
#include "expr/MathString.h"
#include "expr/ProgramPi.h"

#include <cmath>

namespace mw {

namespace {

// The program's own figure for pi/2, short like its pi (expr/ProgramPi.h).
constexpr double kHalfPi = 1.5707963;

double ToRadians(double degrees) { return degrees * kProgramPi / 180; }
double ToDegrees(double radians) { return radians * 180 / kProgramPi; }

double Abs(double x, double) { return std::fabs(x); }
double Acos(double x, double) { return ToDegrees(std::acos(x)); }
double Asin(double x, double) { return ToDegrees(std::asin(x)); }
double Atan(double x, double) { return ToDegrees(std::atan(x)); }
double Acot(double x, double) { return ToDegrees(kHalfPi - std::atan(x)); }
double Cos(double x, double) { return std::cos(ToRadians(x)); }
double Cosh(double x, double) { return std::cosh(ToRadians(x)); }
double Cot(double x, double) { return 1 / std::tan(ToRadians(x)); }
double Exp(double x, double) { return std::exp(x); }
double Floor(double x, double) { return std::floor(x); }
double Mod(double a, double b) { return std::fmod(a, b); }
double Ln(double x, double) { return std::log(x); }
double Log(double x, double) { return std::log10(x); }
double Pow(double a, double b) { return std::pow(a, b); }
double Sin(double x, double) { return std::sin(ToRadians(x)); }
double Sinh(double x, double) { return std::sinh(ToRadians(x)); }
double Sqrt(double x, double) { return std::sqrt(x); }
double Tan(double x, double) { return std::tan(ToRadians(x)); }
double Tanh(double x, double) { return std::tanh(ToRadians(x)); }

// Which operands an operation refuses, answering its error code instead.
enum class Domain {
    kAll,
    kUnitRange,    // x outside -1..1
    kPositive,     // x <= 0
    kNonNegative,  // x < 0
    kNonZero,      // x == 0
    kNonZeroRight, // b == 0 (two operands a, b)
};

struct MathFunction {
    const char* name;
    int code;
    int operands;
    Domain domain;
    int error;
    double (*compute)(double a, double b);
};

// Row n holds code n + 1.
constexpr MathFunction kFunctions[] = {
    // name     code    operands  domain                 error         computes
    {"abs",     kAbs,   1,        Domain::kAll,          kMathOk,      Abs},
    {"acos",    kAcos,  1,        Domain::kUnitRange,    kAcosDomain,  Acos},
    {"asin",    kAsin,  1,        Domain::kUnitRange,    kAsinDomain,  Asin},
    {"atan",    kAtan,  1,        Domain::kAll,          kMathOk,      Atan},
    {"acot",    kAcot,  1,        Domain::kAll,          kMathOk,      Acot},
    {"cos",     kCos,   1,        Domain::kAll,          kMathOk,      Cos},
    {"cosh",    kCosh,  1,        Domain::kAll,          kMathOk,      Cosh},
    {"cot",     kCot,   1,        Domain::kNonZero,      kCotOfZero,   Cot},
    {"exp",     kExp,   1,        Domain::kAll,          kMathOk,      Exp},
    {"floor",   kFloor, 1,        Domain::kAll,          kMathOk,      Floor},
    {"mod",     kMod,   2,        Domain::kNonZeroRight, kModByZero,   Mod},
    {"ln",      kLn,    1,        Domain::kPositive,     kLnDomain,    Ln},
    {"log",     kLog,   1,        Domain::kPositive,     kLogDomain,   Log},
    {"pow",     kPow,   2,        Domain::kAll,          kMathOk,      Pow},
    {"sin",     kSin,   1,        Domain::kAll,          kMathOk,      Sin},
    {"sinh",    kSinh,  1,        Domain::kAll,          kMathOk,      Sinh},
    {"sqrt",    kSqrt,  1,        Domain::kNonNegative,  kSqrtDomain,  Sqrt},
    {"tan",     kTan,   1,        Domain::kAll,          kMathOk,      Tan},
    {"tanh",    kTanh,  1,        Domain::kAll,          kMathOk,      Tanh},
};
constexpr int kFunctionCount = sizeof kFunctions / sizeof kFunctions[0];

constexpr bool RowsFollowCodes() {
    for (int i = 0; i < kFunctionCount; ++i)
        if (kFunctions[i].code != i + 1) return false;
    return true;
}
static_assert(RowsFollowCodes(), "the function table must be ordered by code");

// The names that may follow each initial letter. A name comes before any shorter name that is
// its prefix, so that "cosh" is not read as "cos" followed by "h".
struct NamesOfInitial {
    char initial;
    int codes[6];  // zero-terminated
};

constexpr NamesOfInitial kNamesByInitial[] = {
    {'a', {kAbs,  kAcos, kAsin, kAtan, kAcot}},
    {'c', {kCosh, kCos,  kCot}},
    {'e', {kExp}},
    {'f', {kFloor}},
    {'m', {kMod}},
    {'l', {kLn,   kLog}},
    {'p', {kPow}},
    {'s', {kSinh, kSin,  kSqrt}},
    {'t', {kTanh, kTan}},
};

// The code of the function whose name starts at pos, with pos moved past the name; 0 if none.
int MatchFunction(const char* text, int& pos) {
    for (const NamesOfInitial& row : kNamesByInitial) {
        if (row.initial != text[pos]) continue;
        for (const int* code = row.codes; *code != 0; ++code)
            if (CMathString::MatchName(text, pos, kFunctions[*code - 1].name)) return *code;
        return 0;
    }
    return 0;
}

bool InDomain(Domain domain, double a, double b) {
    switch (domain) {
    case Domain::kAll:          return true;
    case Domain::kUnitRange:    return !(a < -1 || a > 1);
    case Domain::kPositive:     return !(a <= 0);
    case Domain::kNonNegative:  return !(a < 0);
    case Domain::kNonZero:      return a != 0;
    case Domain::kNonZeroRight: return b != 0;
    }
    return false;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsOpener(char c) { return c == '(' || c == '[' || c == '{'; }
bool IsCloser(char c) { return c == ')' || c == ']' || c == '}'; }
bool IsArithmetic(char c) { return c == '+' || c == '-' || c == '*' || c == '/'; }

char OpenerOf(char closer) { return closer == ')' ? '(' : closer == ']' ? '[' : '{'; }

// End of the run of digits and points that starts at pos.
int NumberEnd(const char* text, int pos) {
    while (IsDigit(text[pos]) || text[pos] == '.') ++pos;
    return pos;
}

// Any run of digits and points is a number (ParseNumber reads every such run); only its length is
// limited.
bool IsWellFormedNumber(const char* run, int length) {
    (void)run;
    return length <= CMathString::kMaxNumber;
}

// Length of a syntactically valid expression, or -1.
int CheckedLength(const char* expr) {
    char open[CMathString::kMaxBrackets];
    int depth = 0;
    int pos = 0;
    while (expr[pos] != '\0') {
        const char c = expr[pos];
        if (IsDigit(c) || c == '.') {
            const int end = NumberEnd(expr, pos);
            if (!IsWellFormedNumber(expr + pos, end - pos)) return -1;
            pos = end;
            continue;
        }
        if (IsArithmetic(c)) {
            if (IsArithmetic(expr[pos + 1])) return -1;  // 2*-3 must be written 2*(-3)
        } else if (IsCloser(c)) {
            if (depth == 0 || open[depth - 1] != OpenerOf(c)) return -1;
            --depth;
        } else if (c != ',') {
            // An opening bracket, alone or right after a function name.
            if (!IsOpener(c) && MatchFunction(expr, pos) == 0) return -1;
            if (!IsOpener(expr[pos]) || depth == CMathString::kMaxBrackets) return -1;
            open[depth++] = expr[pos];
        }
        ++pos;
    }
    return depth == 0 ? pos : -1;
}

MathToken NumberToken(double value) { return {MathToken::kNumber, value, '\0', 0}; }
MathToken OperatorToken(char op) { return {MathToken::kOperator, 0, op, 0}; }
MathToken FunctionToken(int code) { return {MathToken::kFunction, 0, '\0', code}; }
MathToken EndToken() { return OperatorToken('#'); }

bool IsBracket(const MathToken& t) { return t.type == MathToken::kOperator && t.op == '('; }
bool IsMultiplicative(const MathToken& t) {
    return t.type == MathToken::kFunction ||
           (t.type == MathToken::kOperator && (t.op == '*' || t.op == '/'));
}

// The output list and the operator stack of the conversion. Writes beyond either capacity are
// dropped and remembered, so the conversion loop reads without a check after every step.
class PostfixWriter {
public:
    explicit PostfixWriter(MathToken* output) : output_(output) {}

    void Emit(const MathToken& token) {
        if (count_ < CMathString::kMaxTokens) output_[count_++] = token;
        else ok_ = false;
    }
    void Push(const MathToken& token) {
        if (depth_ < CMathString::kMaxOperators) stack_[depth_++] = token;
        else ok_ = false;
    }
    void PopToOutput() { Emit(stack_[--depth_]); }
    bool Empty() const { return depth_ == 0; }
    const MathToken& Top() const { return stack_[depth_ - 1]; }
    void Discard() { --depth_; }
    void Fail() { ok_ = false; }

    // Pops to the output until the nearest bracket, which stays; false if there is none.
    bool PopToBracket() {
        while (!Empty() && !IsBracket(Top())) PopToOutput();
        return !Empty();
    }
    void PopMultiplicative() {
        while (!Empty() && IsMultiplicative(Top())) PopToOutput();
    }
    // 2(3+4) and 2sin(30) multiply.
    void PushImplicitMultiply() {
        PopMultiplicative();
        Push(OperatorToken('*'));
    }

    bool Finish() {
        while (ok_ && !Empty()) {
            if (IsBracket(Top())) return false;
            PopToOutput();
        }
        if (!ok_) return false;
        output_[count_] = EndToken();
        return true;
    }

private:
    MathToken* output_;
    int count_ = 0;
    MathToken stack_[CMathString::kMaxOperators];
    int depth_ = 0;
    bool ok_ = true;
};

// Shunting-yard over checked text up to "#"; false leaves output partly written.
bool ConvertToPostfix(const char* expr, MathToken* output) {
    PostfixWriter out(output);
    int pos = 0;
    while (expr[pos] != '#') {
        const char c = expr[pos];
        const bool afterDigit = pos > 0 && IsDigit(expr[pos - 1]);
        if (IsDigit(c) || c == '.') {
            const int end = NumberEnd(expr, pos);
            if (end - pos > CMathString::kMaxNumber) return false;
            out.Emit(NumberToken(CMathString::ParseNumber(expr + pos, end - pos)));
            pos = end;
            continue;
        }
        if (c == '(') {
            if (afterDigit) out.PushImplicitMultiply();
            out.Push(OperatorToken('('));
        } else if (c == ')') {
            if (!out.PopToBracket()) return false;
            out.Discard();
        } else if (c == '-' && (pos == 0 || expr[pos - 1] == '(')) {
            out.Push(OperatorToken('~'));
        } else if (c == '+' || c == '-') {
            while (!out.Empty() && !IsBracket(out.Top())) out.PopToOutput();
            out.Push(OperatorToken(c));
        } else if (c == '*' || c == '/') {
            out.PopMultiplicative();  // negation stays below: -2*3 is -(2*3)
            out.Push(OperatorToken(c));
        } else if (c == ',') {
            if (!out.PopToBracket()) return false;  // a comma outside all brackets
        } else {
            const int code = MatchFunction(expr, pos);
            if (code == 0) return false;  // unchecked text, or its end without the marker
            if (afterDigit) out.PushImplicitMultiply();
            out.Push(FunctionToken(code));
            continue;
        }
        ++pos;
    }
    return out.Finish();
}

}  // namespace

CMathString::CMathString() : m_result(0) {
    m_expr[0] = '\0';
    m_postfix[0] = EndToken();
}

bool CMathString::SetExpression(const char* text) {
    int length = 0;
    while (length <= kMaxText && text[length] != '\0') ++length;
    if (length > kMaxText) {
        m_expr[0] = '\0';
        return false;
    }
    for (int i = 0; i <= length; ++i) m_expr[i] = text[i];
    return true;
}

bool CMathString::CheckExpression() {
    const int length = CheckedLength(m_expr);
    if (length < 0) {
        m_expr[0] = '\0';  // nothing unchecked may reach the conversion
        return false;
    }
    for (int i = 0; i < length; ++i) {
        if (IsOpener(m_expr[i])) m_expr[i] = '(';
        else if (IsCloser(m_expr[i])) m_expr[i] = ')';
    }
    m_expr[length] = '#';
    m_expr[length + 1] = '\0';
    return true;
}

bool CMathString::ToPostfix() {
    if (ConvertToPostfix(m_expr, m_postfix)) return true;
    m_postfix[0] = EndToken();  // nothing half-converted may be evaluated
    return false;
}

int CMathString::Evaluate() {
    double values[kMaxValues];
    int count = 0;
    for (const MathToken& token : m_postfix) {
        if (token.type == MathToken::kNumber) {
            if (count == kMaxValues) return kValueOverflow;
            values[count++] = token.value;
        } else if (token.type == MathToken::kFunction) {
            if (token.func < 1 || token.func > kFunctionCount) return kNotConverted;
            const MathFunction& f = kFunctions[token.func - 1];
            if (count < f.operands) return kOperandCount;
            double& a = values[count - f.operands];
            const double b = f.operands == 2 ? values[count - 1] : 0;
            if (!InDomain(f.domain, a, b)) return f.error;
            a = f.compute(a, b);
            count -= f.operands - 1;
        } else if (token.op == '#') {
            if (count != 1) return kOperandCount;
            m_result = values[0];
            return kMathOk;
        } else if (token.op == '~') {
            if (count < 1) return kOperandCount;
            values[count - 1] = -values[count - 1];
        } else {
            if (count < 2) return kOperandCount;
            const double a = values[count - 2];
            const double b = values[count - 1];
            double r;
            switch (token.op) {
            case '+': r = a + b; break;
            case '-': r = a - b; break;
            case '*': r = a * b; break;
            case '/':
                if (b == 0) return kDivideByZero;
                r = a / b;
                break;
            default: return kNotConverted;
            }
            --count;
            values[count - 1] = r;
        }
    }
    return kNotConverted;  // no end token
}

const char* CMathString::FunctionName(int code) {
    return code >= 1 && code <= kFunctionCount ? kFunctions[code - 1].name : nullptr;
}

bool CMathString::MatchName(const char* text, int& pos, const char* name) {
    int i = 0;
    for (; name[i] != '\0'; ++i)
        if (text[pos + i] != name[i]) return false;
    pos += i;
    return true;
}

double CMathString::ParseNumber(const char* digits, int length) {
    double value = 0;
    double step = 0.1;
    bool point = false;
    for (int i = 0; i < length; ++i) {
        if (digits[i] == '.') {
            value /= 10;
            point = true;
        } else if (!point) {
            value = (value + (digits[i] - '0')) * 10;
        } else {
            value += (digits[i] - '0') * step;
            step *= 0.1;
        }
    }
    return point ? value : value / 10;
}

}  // namespace mw
