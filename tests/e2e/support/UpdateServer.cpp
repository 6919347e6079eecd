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

struct BoxSearch {
    std::wstring text;
    HWND found = nullptr;
};

BOOL CALLBACK TextMatches(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    wchar_t text[512] = {};
    GetWindowTextW(child, text, 512);
    if (search->text != text) return TRUE;
    search->found = child;
    return FALSE;
}

BOOL CALLBACK BoxWithText(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (!IsWindowVisible(window) || lstrcmpW(name, L"#32770") != 0) return TRUE;
    BoxSearch inner{search->text, nullptr};
    EnumChildWindows(window, TextMatches, reinterpret_cast<LPARAM>(&inner));
    if (!inner.found) return TRUE;
    search->found = window;
    return FALSE;
}

struct MainSearch {
    DWORD notId;
    HWND found = nullptr;
};

BOOL CALLBACK OtherMain(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<MainSearch*>(param);
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    if (id == search->notId || !IsWindowVisible(window) || WindowText(window) != "材料重量计算助手v8.8") return TRUE;
    search->found = window;
    return FALSE;
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
    const std::wstring text = Widen("[更新]\r\nfuwuqi=" + address + "\r\n");
    const int n = WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(n, '\0');
    WideCharToMultiByte(936, 0, text.data(), static_cast<int>(text.size()), &bytes[0], n, nullptr, nullptr);
    return bytes;
}

std::string ProgramBytes() {
    const char* exe = std::getenv("MW_EXE");
    return exe ? ReadBytes(Widen(exe)) : std::string();
}

HWND FindMessageBox(const std::string& text, int timeoutMs) {
    BoxSearch search{Widen(text)};
    WaitUntil([&] {
        EnumWindows(BoxWithText, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    }, timeoutMs);
    return search.found;
}

HWND FindOtherMainWindow(DWORD notId, int timeoutMs) {
    MainSearch search{notId};
    WaitUntil([&] {
        EnumWindows(OtherMain, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    }, timeoutMs);
    return search.found;
}

void EndProcessOf(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

}  // namespace mw::e2e
