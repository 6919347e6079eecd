// The update's platform side: message boxes from the worker thread, the new executable started
// from the user-interface thread, finding and ending the old copy, the version resource.
#include "update/UpDateWin32.h"

#include <cwchar>
#include <memory>
#include <utility>
#include <vector>

#include "kit/Captions.h"
#include "kit/ProcessStarterWin32.h"
#include "kit/SystemLibraryWin32.h"
#include "res/ProductName.h"
#include "kit/Utf16Win32.h"
#include "update/FtpGetWin32.h"
#include "res/resource.h"
#include "settings/FileSystemWin32.h"
#include "settings/FilesPlaceWin32.h"
#include "settings/IniProfileStore.h"
#include "settings/SettingsFile.h"

namespace mw {

namespace {

const char kAskToUpdate[] = "有新版本发布,是否更新?";
const char kDownloaded[] = "新版本下载成功,将运行新版本程序!";
const char kNoVersion[] = "None VerSion Supprot";
constexpr DWORD kExitWaitMs = 5000;       // for the old copy to run its own exit sequence
constexpr DWORD kTerminateWaitMs = 2000;
constexpr DWORD kMostProcesses = 1024;
constexpr UINT kStartReplacement = WM_APP + 1;

struct CheckRequest {
    std::string server;
    HWND starter;  // UiThreadStarter's window
    CheckStart start;
    std::vector<KeptFile> kept;
};

UpdateTurn& Turn() {
    static UpdateTurn turn;
    return turn;
}

ProgramPlace ThisProgram() {
    const std::string path = ExecutablePath();
    const std::string folder = PathBesideExecutable(path, "");
    return {folder, path.substr(folder.size()), ProgramFilesPlace().ExecutableFolderWritable()};
}

// No owner: the main window stays usable while a question waits.
class MessageBoxQuestions : public UpdateQuestions {
public:
    bool AskToUpdate() override { return Show(kAskToUpdate, kProductName, MB_YESNO | MB_ICONQUESTION) == IDYES; }
    void TellDownloaded() override { Show(kDownloaded, kProductName, MB_OK | MB_ICONINFORMATION); }
    void Tell(const std::string& text, bool warning) override {
        Show(text, warning ? kWarningCaption : kHintCaption, MB_OK | (warning ? MB_ICONWARNING : MB_ICONINFORMATION));
    }

private:
    static int Show(const std::string& text, const char* caption, UINT style) {
        return MessageBoxW(nullptr, Widen(text).c_str(), Widen(caption).c_str(), style | MB_SETFOREGROUND);
    }
};

// A copy's main window is its one window with the exit button.
struct MainSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK HasExitButton(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<MainSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !GetDlgItem(window, IDM_EXIT)) return TRUE;
    search->found = window;
    return FALSE;
}

HWND MainWindowOf(DWORD processId) {
    MainSearch search{processId, nullptr};
    EnumWindows(HasExitButton, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

WPARAM ExitClick() { return MAKEWPARAM(IDM_EXIT, BN_CLICKED); }

// This copy's exit sequence, as its exit button runs it (on the user-interface thread).
void ExitThisCopy() {
    if (HWND main = MainWindowOf(GetCurrentProcessId()))
        SendMessageW(main, WM_COMMAND, ExitClick(), reinterpret_cast<LPARAM>(GetDlgItem(main, IDM_EXIT)));
}

// The worker starts the new copy through a window of the user-interface thread: the exit sequence
// belongs to that thread, and the new copy must be let run before that thread ends the process.
struct StartRequest {
    const std::string& path;
    const std::function<void()>& beforeItRuns;
    bool started;
};

LRESULT CALLBACK StarterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kStartReplacement) return DefWindowProcW(window, message, wParam, lParam);
    auto* request = reinterpret_cast<StartRequest*>(lParam);
    request->started = Win32ProcessStarter().StartAfter(request->path, request->beforeItRuns);
    return 0;
}

HWND UiThreadStarterWindow() {
    static const HWND window = [] {
        WNDCLASSW cls = {};
        cls.lpfnWndProc = StarterProc;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.lpszClassName = L"MaterialWeightUpdateStarter";
        RegisterClassW(&cls);
        return CreateWindowExW(0, cls.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, cls.hInstance, nullptr);
    }();
    return window;
}

class UiThreadStarter : public ProcessStarter {
public:
    explicit UiThreadStarter(HWND window) : window_(window) {}
    bool StartAfter(const std::string& path, const std::function<void()>& beforeItRuns) override {
        StartRequest request{path, beforeItRuns, false};
        SendMessageW(window_, kStartReplacement, 0, reinterpret_cast<LPARAM>(&request));
        return request.started;
    }

private:
    HWND window_;
};

class Win32Processes : public UpdateProcesses {
public:
    explicit Win32Processes(void (*afterForcedEnd)() = nullptr) : afterForcedEnd_(afterForcedEnd) {}

    void KillOldProcess(const std::string& folder, const std::string& name) override {
        // The process list's library, where the system keeps it on every version.
        static const auto enumProcesses = SystemFunction<BOOL WINAPI(DWORD*, DWORD, DWORD*)>(L"psapi.dll", "EnumProcesses");
        static const auto moduleFileName =
            SystemFunction<DWORD WINAPI(HANDLE, HMODULE, LPWSTR, DWORD)>(L"psapi.dll", "GetModuleFileNameExW");
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
    }

private:
    // Through the old copy's own exit sequence, so that it takes its icon and mutex along; by
    // force only when it does not end.
    void End(DWORD id) {
        HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id);
        if (!process) return;
        if (HWND main = MainWindowOf(id))
            PostMessageW(main, WM_COMMAND, ExitClick(), reinterpret_cast<LPARAM>(GetDlgItem(main, IDM_EXIT)));
        if (WaitForSingleObject(process, kExitWaitMs) != WAIT_OBJECT_0 && TerminateProcess(process, 0)) {
            WaitForSingleObject(process, kTerminateWaitMs);
            if (afterForcedEnd_) afterForcedEnd_();
        }
        CloseHandle(process);
    }

    void (*afterForcedEnd_)();
};

}  // namespace

void StartUpdateCheck(std::vector<KeptFile> kept, CheckStart start) {
    try {
        Win32FileSystem files;
        IniProfileStore settings(files, ProgramFilesPlace().PathOf(kSettingsFile.name));
        auto request = std::make_unique<CheckRequest>(
            CheckRequest{UpdateServerAddress(settings), nullptr, start, std::move(kept)});
        // No server, no check at start; the user's check says so itself.
        if (request->server.empty() && start == CheckStart::AtStart) return;
        request->starter = UiThreadStarterWindow();
        if (HANDLE thread = CreateThread(nullptr, 0, UpdateThread, request.get(), 0, nullptr)) {
            request.release();
            CloseHandle(thread);
            return;
        }
    } catch (...) {
    }
    if (start == CheckStart::ByUser) MessageBoxQuestions().Tell(kUpdateCheckFailed, true);
}

DWORD WINAPI UpdateThread(LPVOID parameter) {
    const std::unique_ptr<CheckRequest> request(static_cast<CheckRequest*>(parameter));
    MessageBoxQuestions questions;
    // Nothing may leave a thread function: it would end the process.
    try {
        Win32FileSystem files;
        CFtpGet ftp(kProductName);
        UiThreadStarter starter(request->starter);
        CUpDate(ThisProgram(), files, ftp, questions, starter, ExitThisCopy, Turn(), GetFileVersion(), request->server,
                request->kept, request->start)
            .Run();
    } catch (...) {
        try {
            if (request->start == CheckStart::ByUser) questions.Tell(kUpdateCheckFailed, true);
        } catch (...) {
        }
    }
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
