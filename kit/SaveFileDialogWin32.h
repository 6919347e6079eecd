// The file-save dialog of the windows that export CSV files.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace mw {

// Asks where to save a CSV file, offering `suggestedName`; nothing when the user cancels.
std::optional<std::string> AskCsvSavePath(HWND owner, const std::string& suggestedName);

}  // namespace mw
