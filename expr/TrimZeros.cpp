// Display trimming of formatted numbers.
#include "expr/TrimZeros.h"

namespace mw {

std::string TrimZeros(const std::string& text) {
    std::string trimmed;
    trimmed.reserve(text.size());
    for (char c : text)
        if (c != ' ') trimmed += c;
    // Without a point the zeros are part of the integer ("120").
    if (trimmed.find('.') == std::string::npos) return trimmed;
    while (!trimmed.empty() && trimmed.back() == '0') trimmed.pop_back();
    if (!trimmed.empty() && trimmed.back() == '.') trimmed.pop_back();
    return trimmed;
}

}  // namespace mw
