// Where a window's exports go on Windows.
#include "tools/ExportFilesWin32.h"

#include "kit/FileDialogWin32.h"
#include "settings/FileSystemWin32.h"

namespace mw {

std::optional<std::string> Win32ExportFiles::AskSavePath(const std::string& suggestedName) {
    return AskFilePath(owner_.Hwnd(), suggestedName, L"CSV 文件 (*.csv)\0*.csv\0所有文件 (*.*)\0*.*\0", L"csv", true);
}

bool Win32ExportFiles::Write(const std::string& path, const std::string& bytes) {
    Win32FileSystem files;
    return files.ReplaceWhole(path, bytes);
}

}  // namespace mw
