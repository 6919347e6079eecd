// Normalises typed text for CMathString and evaluates it.
#include "expr/CalcExpression.h"

#include <cmath>
#include <cstring>

#include "expr/MathString.h"

namespace mw {

namespace {

// The full-width signs a Chinese input method produces, taken as whole characters.
struct FullWidthSign {
    const char* utf8;
    char ascii;
};

constexpr FullWidthSign kFullWidthSigns[] = {
    {"（", '('},
    {"）", ')'},
    {"，", ','},
    {"＋", '+'},
    {"－", '-'},
    {"×",  '*'},
    {"÷",  '/'},
};

constexpr char kDropped = '\0';

// The ASCII part of the normalisation, step by step: spaces go, brackets become
// round, x and X multiply, a backslash divides, and everything ends in lower case.
char NormaliseAscii(char c) {
    switch (c) {
    case ' ':             return kDropped;
    case '[': case '{':   return '(';
    case ']': case '}':   return ')';
    case 'x': case 'X':   return '*';
    case '\\':            return '/';
    default:              return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
}

const FullWidthSign* MatchFullWidth(const std::string& text, std::size_t pos) {
    for (const FullWidthSign& sign : kFullWidthSigns)
        if (text.compare(pos, std::strlen(sign.utf8), sign.utf8) == 0) return &sign;
    return nullptr;
}

// False for text that cannot be valid: any other non-ASCII character, a NUL (it would cut the
// text short), or more than out can hold.
bool Normalise(const std::string& text, char (&out)[CMathString::kMaxText + 1]) {
    int length = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        char c;
        if (text[pos] == '\0') return false;
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            c = NormaliseAscii(text[pos]);
            ++pos;
            if (c == kDropped) continue;
        } else {
            const FullWidthSign* sign = MatchFullWidth(text, pos);
            if (sign == nullptr) return false;
            c = sign->ascii;
            pos += std::strlen(sign->utf8);
        }
        if (length == CMathString::kMaxText) return false;
        out[length++] = c;
    }
    out[length] = '\0';
    return true;
}

}  // namespace

double CalcExpression(const std::string& utf8Text) {
    char text[CMathString::kMaxText + 1];
    if (!Normalise(utf8Text, text)) return 0;

    CMathString expression;
    if (!expression.SetExpression(text) || !expression.CheckExpression() || !expression.ToPostfix() ||
        expression.Evaluate() != kMathOk)
        return 0;

    // inf and nan (pow(10,400), pow(-8,1/3)) are not weights or lengths, and -0 would show as
    // "-0.00"; all three count as 0 like any other unusable input.
    const double result = expression.GetResult();
    if (!std::isfinite(result) || result == 0) return 0;
    return result;
}

}  // namespace mw
