// Job files on Windows.
#include "cutplan/CutJobFilesWin32.h"

#include "kit/FileDialogWin32.h"
#include "settings/FileSystemWin32.h"

namespace mw {

std::optional<std::string> Win32CutJobFiles::Ask(const std::string& suggestedName, bool save) {
    return AskFilePath(owner_.Hwnd(), suggestedName, L"下料任务 (*.txt)\0*.txt\0所有文件 (*.*)\0*.*\0", L"txt", save);
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
