// Where a window's exports go on Windows.
#include "tools/ExportFilesWin32.h"

#include <commdlg.h>

#include <cwchar>

#include "kit/Utf16Win32.h"
#include "settings/FileSystemWin32.h"

namespace mw {

std::optional<std::string> Win32ExportFiles::AskSavePath(const std::string& suggestedName) {
    std::wstring file = Widen(suggestedName);
    file.resize(MAX_PATH * 4, L'\0');
    static const wchar_t kFilter[] = L"CSV 文件 (*.csv)\0*.csv\0所有文件 (*.*)\0*.*\0";
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_.Hwnd();
    dialog.lpstrFilter = kFilter;
    dialog.lpstrFile = &file[0];
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = L"csv";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&dialog)) return std::nullopt;
    file.resize(std::wcslen(file.c_str()));
    return Narrow(file);
}

bool Win32ExportFiles::Write(const std::string& path, const std::string& bytes) {
    Win32FileSystem files;
    return files.ReplaceWhole(path, bytes);
}

}  // namespace mw
