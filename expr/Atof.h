// Lenient number reading for fields that take a plain number: the longest leading decimal number.
#pragma once

#include <string>

namespace mw {

// Leading blanks, an optional sign, digits with an optional point, an optional exponent;
// whatever follows is ignored. Text with no number in front gives 0 ("2*4" gives 2, "abc" 0).
double AtofPrefix(const std::string& text);

}  // namespace mw
