// Text at the edge to Windows: UTF-8 inside the program, UTF-16 for the W functions.
#pragma once

#include <string>

namespace mw {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);

}  // namespace mw
