// The folders of the choice as Windows names them, and the choice kept for the run.
#include "settings/FilesPlaceWin32.h"

#include <windows.h>
#include <shlobj.h>

#include "kit/ProcessStarterWin32.h"
#include "kit/SystemLibraryWin32.h"
#include "kit/Utf16Win32.h"
#include "res/ProductName.h"
#include "settings/FileSystemWin32.h"

namespace mw {

namespace {

// A folder of the shell's, ending in its separator; empty when the system has none.
std::string ShellFolder(int which) {
    static const auto getFolderPath = SYSTEM_FUNCTION(L"shell32.dll", SHGetFolderPathW);
    wchar_t path[MAX_PATH] = {};
    if (!getFolderPath || FAILED(getFolderPath(nullptr, which, nullptr, SHGFP_TYPE_CURRENT, path)) || !path[0])
        return std::string();
    return Narrow(path) + "\\";
}

FilesPlace& Place() {
    // Written once at start, before any other thread (the update check's) reads it.
    static FilesPlace place(PathBesideExecutable(ExecutablePath(), ""));
    return place;
}

}  // namespace

const FilesPlace& SettleFilesPlace(const std::vector<KeptFile>& carried) {
    const std::string besideExecutable = PathBesideExecutable(ExecutablePath(), "");
    const auto userFolders = [&besideExecutable] {
        UserFolders folders;
        const std::string roaming = ShellFolder(CSIDL_APPDATA);
        if (!roaming.empty()) folders.userData = roaming + kProductName + "\\";
        folders.virtualStore = VirtualStoreFolder(ShellFolder(CSIDL_LOCAL_APPDATA), besideExecutable);
        return folders;
    };
    Win32FileSystem files;
    Place() = FilesPlace::Choose(files, besideExecutable, userFolders, carried);
    return Place();
}

const FilesPlace& ProgramFilesPlace() { return Place(); }

}  // namespace mw
