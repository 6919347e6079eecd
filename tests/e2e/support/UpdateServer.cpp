// The tests' update server and the windows of an update, seen from outside the program.
#include "tests/e2e/support/UpdateServer.h"

#include <cstdlib>
#include <sstream>

#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {

namespace {

std::wstring Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? Widen(value) : std::wstring();
}

}  // namespace

UpdateServer::UpdateServer()
    : root_(Env("MW_FTP_ROOT")), events_(Env("MW_FTP_EVENTS")), port_(Narrow(Env("MW_FTP_PORT"))) {
    if (!Ready()) return;
    const std::wstring folder = root_ + L"\\updateKq";
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do DeleteFileW((folder + L"\\" + found.cFileName).c_str());
        while (FindNextFileW(search, &found));
        FindClose(search);
    }
    seen_ = ReadBytes(events_).size();
}

void UpdateServer::Put(const std::string& name, const std::string& bytes) const {
    WriteBytes(root_ + L"\\updateKq\\" + Widen(name), bytes);
}

int UpdateServer::Count(const std::string& event) const {
    std::istringstream lines(ReadBytes(events_).substr(seen_));
    int count = 0;
    for (std::string line; std::getline(lines, line);) count += line == event;
    return count;
}

bool UpdateServer::WaitFor(const std::string& event, int times, int timeoutMs) const {
    return WaitUntil([&] { return Count(event) >= times; }, timeoutMs);
}

std::string SettingsAskingServer(const std::string& address) {
    return Cp936("[更新]\r\nfuwuqi=" + address + "\r\n");
}

std::string ProgramBytes() {
    const char* exe = std::getenv("MW_EXE");
    return exe ? ReadBytes(Widen(exe)) : std::string();
}

HWND FindMessageBox(const std::string& text, int timeoutMs) {
    return WaitForTopLevel([&](HWND w) {
        return IsWindowVisible(w) && ClassOf(w) == kDialogClass &&
               ChildWindow(w, [&](HWND child) { return Caption(child) == text; }) != nullptr;
    }, timeoutMs);
}

HWND FindOtherMainWindow(DWORD notId, int timeoutMs) {
    return WaitForTopLevel([&](HWND w) {
        return ProcessOf(w) != notId && IsWindowVisible(w) && Caption(w) == kMainCaption;
    }, timeoutMs);
}

void EndProcessOf(HWND window) {
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, ProcessOf(window))) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

}  // namespace mw::e2e
