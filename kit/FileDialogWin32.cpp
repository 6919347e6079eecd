// The system's open and save dialogs, asked for one file's path.
#include "kit/FileDialogWin32.h"

#include <commdlg.h>

#include <cwchar>

#include "kit/SystemLibraryWin32.h"
#include "kit/Utf16Win32.h"

namespace mw {

std::optional<std::string> AskFilePath(HWND owner, const std::string& suggestedName, const wchar_t* filter,
                                       const wchar_t* extension, bool save) {
    std::wstring file = Widen(suggestedName);
    file.resize(32768, L'\0');  // room for long paths
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = &file[0];
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = extension;
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    // The common dialogs come in with the first one asked for.
    static const auto saveDialog = SYSTEM_FUNCTION(L"comdlg32.dll", GetSaveFileNameW);
    static const auto openDialog = SYSTEM_FUNCTION(L"comdlg32.dll", GetOpenFileNameW);
    const auto ask = save ? saveDialog : openDialog;
    if (!ask || !ask(&dialog)) return std::nullopt;
    file.resize(std::wcslen(file.c_str()));
    return Narrow(file);
}

}  // namespace mw
