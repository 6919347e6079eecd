// File-open dialog for any file, the read-only box hidden.
#include "tasks/ProgramChooserWin32.h"

#include <commdlg.h>

#include <vector>

#include "kit/SystemLibraryWin32.h"
#include "kit/Utf16Win32.h"

namespace mw {

bool Win32ProgramChooser::ChooseProgram(std::string& path) {
    static const wchar_t kFilter[] = L"所有文件(*.*)\0*.*\0";
    std::vector<wchar_t> file(32768, L'\0');  // room for long paths
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.lpstrFilter = kFilter;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    // The program keeps its working folder; the chosen file must exist.
    dialog.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER;
    static const auto openDialog = SYSTEM_FUNCTION(L"comdlg32.dll", GetOpenFileNameW);
    if (!openDialog || !openDialog(&dialog)) return false;
    path = Narrow(file.data());
    return true;
}

}  // namespace mw
