// The front end of every numeric field: what the user typed in, its value out.
#pragma once

#include <string>

namespace mw {

// Value of an arithmetic expression as typed (UTF-8); full-width brackets and signs, x, X, ×, ÷
// and \ are accepted. Empty, invalid or non-finite expressions give 0.
double CalcExpression(const std::string& utf8Text);

}  // namespace mw
