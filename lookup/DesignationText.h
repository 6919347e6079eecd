// The trade's spellings of a designation folded to one ("×", "*", "x", "X" and their full-width
// forms to "x"; ∠ to "<", φ to "@", □ to "#", 工 to "I"; 根 and 件 to "!"; letters to upper case),
// and the folded text after the section symbol split into the sizes, the length and the count.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace mw {

bool StartsWith(const std::string& s, std::size_t at, const char* prefix);
std::string Fold(const std::string& text);

// What comes before a number: nothing (the first), a space, "×", or "L=".
enum class Sep { First, Space, Times, Length };

// One number as typed, with what is written right after it.
struct Token {
    double value = 0;
    char suffix = 0;      // a, b, c
    double unit = 0;      // 0 none, 1 mm, 1000 m
    bool inch = false;
    bool count = false;
    Sep sep = Sep::First;
    std::string text;     // as typed, for comparing with a row's own text
};

// Splits the folded text from `i` on into numbers; false when a character fits nothing.
bool Lex(const std::string& s, std::size_t i, std::vector<Token>& tokens);

// The numbers in their parts: the sizes, and the length and count where given.
struct Reading {
    std::vector<Token> dims;
    std::optional<double> lengthMm;
    std::optional<int> count;
};

// A count of pieces a designation may name: a whole number from 1 to a million.
bool IsCount(double value);

// Sizes first, then a length (after a space or "L=", or with a unit), then a count; false when
// there are no sizes or a length or count comes twice.
bool Group(const std::vector<Token>& tokens, Reading& r);

}  // namespace mw
