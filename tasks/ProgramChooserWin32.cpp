// File-open dialog for any file, the read-only box hidden.
#include "tasks/ProgramChooserWin32.h"

#include <optional>

#include "kit/FileDialogWin32.h"

namespace mw {

bool Win32ProgramChooser::ChooseProgram(std::string& path) {
    static const wchar_t kFilter[] = L"所有文件(*.*)\0*.*\0";
    // The program keeps its working folder; the chosen file must exist.
    const std::optional<std::string> chosen = AskFilePath(owner_, "", kFilter, nullptr, false);
    if (!chosen) return false;
    path = *chosen;
    return true;
}

}  // namespace mw
