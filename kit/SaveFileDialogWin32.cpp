// The file-save dialog of the windows that export CSV files.
#include "kit/SaveFileDialogWin32.h"

#include <commdlg.h>

#include <cwchar>

#include "kit/Utf16Win32.h"

namespace mw {

std::optional<std::string> AskCsvSavePath(HWND owner, const std::string& suggestedName) {
    std::wstring file = Widen(suggestedName);
    file.resize(MAX_PATH * 4, L'\0');
    static const wchar_t kFilter[] = L"CSV 文件 (*.csv)\0*.csv\0所有文件 (*.*)\0*.*\0";
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFilter;
    dialog.lpstrFile = &file[0];
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = L"csv";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;
    file.resize(std::wcslen(file.c_str()));
    return Narrow(file);
}

}  // namespace mw
