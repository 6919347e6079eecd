// Job files on Windows.
#include "cutplan/CutJobFilesWin32.h"

#include <commdlg.h>

#include <cwchar>

#include "kit/Utf16Win32.h"
#include "settings/FileSystemWin32.h"

namespace mw {

std::optional<std::string> Win32CutJobFiles::Ask(const std::string& suggestedName, bool save) {
    std::wstring file = Widen(suggestedName);
    file.resize(MAX_PATH * 4, L'\0');
    static const wchar_t kFilter[] = L"下料任务 (*.txt)\0*.txt\0所有文件 (*.*)\0*.*\0";
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_.Hwnd();
    dialog.lpstrFilter = kFilter;
    dialog.lpstrFile = &file[0];
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = L"txt";
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                   (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) return std::nullopt;
    file.resize(std::wcslen(file.c_str()));
    return Narrow(file);
}

std::optional<std::string> Win32CutJobFiles::AskOpenPath() { return Ask("", false); }

std::optional<std::string> Win32CutJobFiles::AskSavePath(const std::string& suggestedName) {
    return Ask(suggestedName, true);
}

bool Win32CutJobFiles::Exists(const std::string& path) { return Win32FileSystem().Exists(path); }

bool Win32CutJobFiles::Read(const std::string& path, std::string& bytes) { return Win32FileSystem().ReadFile(path, bytes); }

bool Win32CutJobFiles::Write(const std::string& path, const std::string& bytes) {
    return Win32FileSystem().ReplaceWhole(path, bytes);
}

}  // namespace mw
