// The new process is created suspended and resumed after the caller's step, so nothing of it
// runs while this program still holds the instance mutex or the hot key.
#include "kit/ProcessStarterWin32.h"

#include <windows.h>

#include "kit/Utf16Win32.h"

namespace mw {

bool Win32ProcessStarter::StartAfter(const std::string& path, const std::function<void()>& beforeItRuns) {
    const std::wstring program = Widen(path);
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE,
                        CREATE_SUSPENDED | NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup, &process))
        return false;
    beforeItRuns();
    ResumeThread(process.hThread);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

std::string ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD got = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (got < path.size()) {
            path.resize(got);
            return Narrow(path);
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace mw
