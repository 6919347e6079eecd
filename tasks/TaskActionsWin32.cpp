// Shutdown and power calls with the shutdown privilege; programs through the shell.
#include "tasks/TaskActionsWin32.h"

#include <windows.h>

#include "kit/SystemLibraryWin32.h"
#include "kit/Utf16Win32.h"

namespace mw {

namespace {

constexpr UINT kBroadcastTimeoutMs = 1000;  // a hung window must not hold up the clock
constexpr LPARAM kMonitorOff = 2;

// False when the token or the privilege cannot be had; a refused adjustment counts as done.
bool EnableShutdownPrivilege() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return false;
    TOKEN_PRIVILEGES privileges = {};
    const bool found = LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid) != FALSE;
    if (found) {
        privileges.PrivilegeCount = 1;
        privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    }
    CloseHandle(token);
    return found;
}

void ExitWindowsWith(UINT flags) {
    // A planned end of the session, so that the system does not log it as an unexpected one.
    constexpr DWORD kPlannedOther = SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_MINOR_OTHER | SHTDN_REASON_FLAG_PLANNED;
    if (EnableShutdownPrivilege()) ExitWindowsEx(flags, kPlannedOther);
}

bool IsFullPath(const std::wstring& path) {
    const bool drive = path.size() >= 3 && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/');
    const bool share = path.size() >= 2 && path[0] == L'\\' && path[1] == L'\\';
    return drive || share;
}

}  // namespace

void Win32TaskActions::LogOff() { ExitWindowsWith(EWX_LOGOFF | EWX_FORCE); }

void Win32TaskActions::Restart() { ExitWindowsWith(EWX_REBOOT | EWX_FORCE); }

void Win32TaskActions::PowerOff() { ExitWindowsWith(EWX_POWEROFF | EWX_FORCE); }

void Win32TaskActions::Standby() {
    EnableShutdownPrivilege();  // tried; the request goes out whatever came of it
    SetSystemPowerState(FALSE, TRUE);
}

void Win32TaskActions::MonitorOff() {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SYSCOMMAND, SC_MONITORPOWER, kMonitorOff, SMTO_ABORTIFHUNG,
                        kBroadcastTimeoutMs, &ignored);
}

// A relative name or an empty path would let the shell find something else (a program on the
// search path, the current folder), so only an existing file named in full counts.
bool Win32TaskActions::ProgramExists(const std::string& path) const {
    const std::wstring wide = Widen(path);
    if (!IsFullPath(wide)) return false;
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void Win32TaskActions::StartProgram(const std::string& path) {
    ShellOpen(nullptr, path);
}

}  // namespace mw
