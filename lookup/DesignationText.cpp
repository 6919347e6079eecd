// The trade's spellings of a designation folded to one, and the folded text split into numbers.
#include "lookup/DesignationText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace mw {

namespace {

// Internal one-byte marks of the folded text.
constexpr char kCountMark = '!';

// Spellings of the same thing, folded to one; checked in order, so longer ones first.
const std::pair<const char*, const char*> kFold[] = {
    {"毫米", "MM"}, {"米", "M"}, {"×", "x"}, {"＊", "x"}, {"*", "x"}, {"ｘ", "x"}, {"Ｘ", "x"},
    {"∠", "<"}, {"∟", "<"}, {"［", "["}, {"【", "["}, {"工", "I"}, {"φ", "@"}, {"Φ", "@"},
    {"ф", "@"}, {"Ф", "@"}, {"ø", "@"}, {"Ø", "@"}, {"⌀", "@"}, {"□", "#"}, {"口", "#"},
    {"－", "-"}, {"—", "-"}, {"＝", "="}, {"．", "."}, {"，", "."}, {"　", " "}, {"\t", " "},
    {"根", "!"}, {"件", "!"}, {"支", "!"}, {"条", "!"}, {"′", "'"}, {"’", "'"}, {"″", "'"},
    {"＂", "'"}, {"\"", "'"}, {"“", "'"}, {"”", "'"},
};

}  // namespace

bool StartsWith(const std::string& s, std::size_t at, const char* prefix) {
    return s.compare(at, std::char_traits<char>::length(prefix), prefix) == 0;
}

std::string Fold(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool folded = false;
        for (const auto& [from, to] : kFold) {
            if (StartsWith(text, i, from)) {
                out += to;
                i += std::char_traits<char>::length(from);
                folded = true;
                break;
            }
        }
        if (folded) continue;
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == 0xEF && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xBC &&
            static_cast<unsigned char>(text[i + 2]) >= 0x90 && static_cast<unsigned char>(text[i + 2]) <= 0x99) {
            out += static_cast<char>('0' + static_cast<unsigned char>(text[i + 2]) - 0x90);  // full-width digit
            i += 3;
            continue;
        }
        if (c == 0xEF && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xBC &&
            static_cast<unsigned char>(text[i + 2]) >= 0xA1 && static_cast<unsigned char>(text[i + 2]) <= 0xBA) {
            out += static_cast<char>('A' + static_cast<unsigned char>(text[i + 2]) - 0xA1);  // full-width A-Z
            i += 3;
            continue;
        }
        if (c == 0xEF && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xBD &&
            static_cast<unsigned char>(text[i + 2]) >= 0x81 && static_cast<unsigned char>(text[i + 2]) <= 0x9A) {
            out += static_cast<char>('A' + static_cast<unsigned char>(text[i + 2]) - 0x81);  // full-width a-z
            i += 3;
            continue;
        }
        out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : static_cast<char>(c);
        ++i;
    }
    // Upper-casing made the separator x an X: make it the separator again.
    std::replace(out.begin(), out.end(), 'X', 'x');
    return out;
}



// Splits the folded text after its prefix into numbers; false when a character fits nothing.
bool Lex(const std::string& s, std::size_t i, std::vector<Token>& tokens) {
    Sep pending = Sep::First;
    while (i < s.size()) {
        const char c = s[i];
        if (c == ' ') {
            if (pending == Sep::First && !tokens.empty()) pending = Sep::Space;
            ++i;
        } else if (c == 'x') {
            std::size_t j = i + 1;
            while (j < s.size() && s[j] == ' ') ++j;
            if (tokens.empty()) return false;
            if (j < s.size()) pending = Sep::Times;  // else the list's "*" mark
            i = j;
        } else if (c == 'L' && i + 1 < s.size() && s[i + 1] == '=') {
            pending = Sep::Length;
            i += 2;
        } else if ((c >= '0' && c <= '9') || c == '.') {
            Token t;
            const std::size_t start = i;
            char* end = nullptr;
            t.value = std::strtod(s.c_str() + i, &end);
            i = end - s.c_str();
            if (i < s.size() && s[i] == '/') {
                const double denominator = std::strtod(s.c_str() + i + 1, &end);
                if (end == s.c_str() + i + 1 || denominator == 0) return false;
                t.value /= denominator;
                i = end - s.c_str();
            }
            t.text = s.substr(start, i - start);
            if (i < s.size() && (s[i] == 'A' || s[i] == 'B' || s[i] == 'C')) t.suffix = static_cast<char>(s[i++] - 'A' + 'a');
            if (StartsWith(s, i, "MM")) { t.unit = 1; i += 2; }
            else if (i < s.size() && s[i] == 'M') { t.unit = 1000; ++i; }
            if (i < s.size() && s[i] == '\'') { t.inch = true; ++i; }
            if (i < s.size() && s[i] == kCountMark) { t.count = true; ++i; }
            if (!std::isfinite(t.value) || t.value <= 0) return false;
            t.sep = tokens.empty() ? Sep::First : pending;
            if (tokens.empty() && pending == Sep::Length) t.sep = Sep::Length;
            tokens.push_back(t);
            pending = Sep::First;
        } else {
            return false;
        }
    }
    return true;
}


bool IsCount(double value) { return value == std::floor(value) && value >= 1 && value <= 1e6; }

namespace {

bool SetCount(Reading& r, double value) {
    if (r.count || !IsCount(value)) return false;
    r.count = static_cast<int>(value);
    return true;
}

}  // namespace

// Sizes first, then a length (after a space or "L=", or with a unit), then a count.
bool Group(const std::vector<Token>& tokens, Reading& r) {
    for (const Token& t : tokens) {
        if (t.count) {
            if (!SetCount(r, t.value)) return false;
        } else if (t.sep == Sep::Length || t.unit > 0) {
            if (r.lengthMm) return false;
            r.lengthMm = t.value * (t.unit > 0 ? t.unit : 1);
        } else if (r.dims.empty() || (t.sep == Sep::Times && !r.lengthMm && !r.count)) {
            r.dims.push_back(t);
        } else if (!r.lengthMm && !r.count) {
            r.lengthMm = t.value;
        } else if (!SetCount(r, t.value)) {
            return false;
        }
    }
    return !r.dims.empty();
}

}  // namespace mw
