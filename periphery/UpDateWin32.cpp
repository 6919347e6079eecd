// The update's platform side: message boxes from the worker thread, starting the new executable,
// finding and ending the old copy, the version resource.
#include "periphery/UpDateWin32.h"

#include <cwchar>
#include <memory>
#include <vector>

#include "app/Utf16Win32.h"
#include "app/WeightAppWin32.h"
#include "periphery/FtpGetWin32.h"
#include "periphery/UpDate.h"
#include "res/resource.h"
#include "settings/FileSystemWin32.h"
#include "settings/IniProfileStore.h"
#include "settings/SettingsFile.h"

namespace mw {

namespace {

const char kTitle[] = "Telvar材料重量计算器";
const char kAskToUpdate[] = "有新版本发布,是否更新?";
const char kDownloaded[] = "新版本下载成功,将运行新版本程序!";
const char kNoVersion[] = "None VerSion Supprot";
constexpr DWORD kExitWaitMs = 5000;       // for the old copy to run its own exit sequence
constexpr DWORD kTerminateWaitMs = 2000;
constexpr DWORD kMostProcesses = 1024;

struct CheckRequest {
    std::string server;
};

UpdateTurn& Turn() {
    static UpdateTurn turn;
    return turn;
}

ProgramPlace ThisProgram() {
    const std::string path = ExecutablePath();
    const std::size_t slash = path.find_last_of('\\');
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

// No owner: the main window stays usable while a question waits.
class MessageBoxQuestions : public UpdateQuestions {
public:
    bool AskToUpdate() override { return Show(kAskToUpdate, MB_YESNO | MB_ICONQUESTION) == IDYES; }
    void TellDownloaded() override { Show(kDownloaded, MB_OK | MB_ICONINFORMATION); }

private:
    static int Show(const char* text, UINT style) {
        return MessageBoxW(nullptr, Widen(text).c_str(), Widen(kTitle).c_str(), style | MB_SETFOREGROUND);
    }
};

template <class F> F Function(HMODULE library, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

BOOL CALLBACK PressExitButton(HWND window, LPARAM processId) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != static_cast<DWORD>(processId)) return TRUE;
    if (HWND button = GetDlgItem(window, IDM_EXIT))
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDM_EXIT, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return TRUE;
}

class Win32Processes : public UpdateProcesses {
public:
    explicit Win32Processes(void (*afterForcedEnd)() = nullptr) : afterForcedEnd_(afterForcedEnd) {}

    bool Start(const std::string& path) override {
        const std::wstring program = Widen(path);
        std::wstring commandLine = L"\"" + program + L"\"";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS,
                            nullptr, nullptr, &startup, &process))
            return false;
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return true;
    }

    void KillOldProcess(const std::string& folder, const std::string& name) override {
        HMODULE psapi = LoadLibraryW(L"psapi.dll");
        if (!psapi) return;
        using EnumFn = BOOL(WINAPI*)(DWORD*, DWORD, DWORD*);
        using NameFn = DWORD(WINAPI*)(HANDLE, HMODULE, LPWSTR, DWORD);
        const auto enumProcesses = Function<EnumFn>(psapi, "EnumProcesses");
        const auto moduleFileName = Function<NameFn>(psapi, "GetModuleFileNameExW");
        if (enumProcesses && moduleFileName) {
            std::vector<DWORD> ids(kMostProcesses);
            DWORD bytes = 0;
            std::vector<RunningProgram> running;
            if (enumProcesses(ids.data(), static_cast<DWORD>(ids.size() * sizeof(DWORD)), &bytes)) {
                for (DWORD i = 0; i < bytes / sizeof(DWORD); ++i) {
                    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, ids[i]);
                    if (!process) continue;
                    wchar_t path[MAX_PATH * 2] = {};
                    if (moduleFileName(process, nullptr, path, MAX_PATH * 2)) running.push_back({ids[i], Narrow(path)});
                    CloseHandle(process);
                }
            }
            if (const unsigned long id = ChooseOldProcess(running, GetCurrentProcessId(), folder + name)) End(id);
        }
        FreeLibrary(psapi);
    }

private:
    // Through the old copy's own exit sequence, so that it takes its icon and mutex along; by
    // force only when it does not end.
    void End(DWORD id) {
        HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id);
        if (!process) return;
        EnumWindows(PressExitButton, static_cast<LPARAM>(id));
        if (WaitForSingleObject(process, kExitWaitMs) != WAIT_OBJECT_0 && TerminateProcess(process, 0)) {
            WaitForSingleObject(process, kTerminateWaitMs);
            if (afterForcedEnd_) afterForcedEnd_();
        }
        CloseHandle(process);
    }

    void (*afterForcedEnd_)();
};

}  // namespace

void StartUpdateCheck() {
    Win32FileSystem files;
    IniProfileStore settings(files, SettingsPathFor(ExecutablePath()));
    auto request = std::make_unique<CheckRequest>(CheckRequest{UpdateServerAddress(settings)});
    if (request->server.empty()) return;  // no server, no check
    if (HANDLE thread = CreateThread(nullptr, 0, UpdateThread, request.get(), 0, nullptr)) {
        request.release();
        CloseHandle(thread);
    }
}

DWORD WINAPI UpdateThread(LPVOID parameter) {
    const std::unique_ptr<CheckRequest> request(static_cast<CheckRequest*>(parameter));
    Win32FileSystem files;
    CFtpGet ftp(kTitle);
    MessageBoxQuestions questions;
    Win32Processes processes;
    CUpDate(ThisProgram(), files, ftp, questions, processes, Turn(), GetFileVersion(), request->server).Run();
    return 0;
}

void CleanUpAfterUpdate(void (*afterForcedEnd)()) {
    Win32FileSystem files;
    Win32Processes processes(afterForcedEnd);
    CleanUpAfterUpdate(ThisProgram(), files, processes);
}

std::string GetFileVersion() {
    const std::wstring path = Widen(ExecutablePath());
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    std::vector<char> info(size);
    if (!size || !GetFileVersionInfoW(path.c_str(), 0, size, info.data())) return kNoVersion;
    struct Translation { WORD language, codePage; };
    Translation* pairs = nullptr;
    UINT bytes = 0;
    std::string version;
    if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&pairs), &bytes))
        return version;
    for (UINT i = 0; i < bytes / sizeof(Translation); ++i) {
        wchar_t key[64];
        std::swprintf(key, 64, L"\\StringFileInfo\\%04x%04x\\FileVersion", pairs[i].language, pairs[i].codePage);
        wchar_t* text = nullptr;
        UINT length = 0;
        if (VerQueryValueW(info.data(), key, reinterpret_cast<void**>(&text), &length) && length) version += Narrow(text);
    }
    return version;
}

}  // namespace mw
