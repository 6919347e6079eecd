// The system's open and save dialogs, asked for one file's path (UTF-8).
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace mw {

// `filter` is the dialog's list of kinds, pairs of a caption and a pattern ending in an empty one
// (L"CSV 文件 (*.csv)\0*.csv\0所有文件 (*.*)\0*.*\0"); `extension` is added to a name typed without
// one. Saving asks before a file is replaced; opening takes only a file that exists. Nothing when
// the user cancels.
std::optional<std::string> AskFilePath(HWND owner, const std::string& suggestedName, const wchar_t* filter,
                                       const wchar_t* extension, bool save);

}  // namespace mw
