// Leading-number conversion with the classic atof rules, independent of the C library's extras
// (no hexadecimal, no "inf" or "nan").
#include "expr/Atof.h"

#include <cctype>
#include <cstdlib>

namespace mw {

double AtofPrefix(const std::string& text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    auto digit = [&](std::size_t k) { return k < n && std::isdigit(static_cast<unsigned char>(text[k])); };
    while (i < n && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r' ||
                     text[i] == '\v' || text[i] == '\f'))
        ++i;
    const std::size_t start = i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    bool mantissa = false;
    while (digit(i)) { ++i; mantissa = true; }
    if (i < n && text[i] == '.') {
        ++i;
        while (digit(i)) { ++i; mantissa = true; }
    }
    if (!mantissa) return 0.0;
    std::size_t end = i;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t k = i + 1;
        if (k < n && (text[k] == '+' || text[k] == '-')) ++k;
        if (digit(k)) {
            while (digit(k)) ++k;
            end = k;
        }
    }
    // strtod on exactly the accepted characters gives the correctly rounded value.
    const std::string number = text.substr(start, end - start);
    return std::strtod(number.c_str(), nullptr);
}

}  // namespace mw
