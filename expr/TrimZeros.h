// Shortens a printf-formatted number for display: "2000.000000" -> "2000", "0.500000" -> "0.5".
#pragma once

#include <string>

namespace mw {

// Removes every space; then, only if a point is left, trailing zeros and a trailing point.
std::string TrimZeros(const std::string& text);

}  // namespace mw
