// The bearing lookup's list lines (tools/BearingTables.cpp, generated).
#pragma once

namespace mw {

// Header lines and bearing lines in list order, UTF-8.
constexpr int kBearingLineCount = 2110;
extern const char* const kBearingLines[kBearingLineCount];

}  // namespace mw
