// Code page 936 (simplified Chinese) <-> UTF-8, for the files the program keeps on disk.
#pragma once

#include <string>

namespace mw {

// Bytes that are not a character of code page 936 become "?".
std::string Cp936ToUtf8(const std::string& cp936);
// Characters that code page 936 lacks become "?".
std::string Utf8ToCp936(const std::string& utf8);

extern const unsigned short kCp936Table[126][191];

}  // namespace mw
