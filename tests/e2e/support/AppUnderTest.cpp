// The end-to-end driver: process control, the program's files, and window search across processes.
#include "tests/e2e/support/AppUnderTest.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <vector>

namespace mw::e2e {

namespace {

std::wstring NewTempFolder() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    for (;;) {
        std::wstring folder = std::wstring(base) + L"mw-e2e-" + std::to_wstring(GetCurrentProcessId()) +
                              L"-" + std::to_wstring(GetTickCount()) + L"-" + std::to_wstring(++counter);
        if (CreateDirectoryW(folder.c_str(), nullptr)) return folder;
    }
}

void RemoveFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring path = folder + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveFolder(path);
            else DeleteFileW(path.c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

std::wstring LongPath(const std::wstring& path) {
    wchar_t full[MAX_PATH] = {};
    const DWORD got = GetLongPathNameW(path.c_str(), full, MAX_PATH);
    return got > 0 && got < MAX_PATH ? std::wstring(full) : path;
}

// Enumeration callback: stops at the first window that `wanted` accepts.
struct WindowSearch {
    const std::function<bool(HWND)>& wanted;
    HWND found = nullptr;
};

BOOL CALLBACK TestWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    if (!search->wanted(window)) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

std::wstring Widen(const std::string& utf8) {
    if (utf8.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &out[0], n);
    return out;
}

std::string Narrow(const std::wstring& utf16) {
    if (utf16.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), &out[0], n, nullptr,
                        nullptr);
    return out;
}

std::string Cp936(const std::string& utf8) {
    const std::wstring wide = Widen(utf8);
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(n, '\0');
    WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), &bytes[0], n, nullptr, nullptr);
    return bytes;
}

AppUnderTest::AppUnderTest(const std::string& exeName) : folder_(NewTempFolder()) {
    const char* source = std::getenv("MW_EXE");
    exe_ = folder_ + L"\\" + Widen(exeName);
    if (source) CopyFileW(Widen(source).c_str(), exe_.c_str(), FALSE);
}

AppUnderTest::~AppUnderTest() {
    Kill();
    RemoveFolder(folder_);
}

bool AppUnderTest::Start() {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exe_ + L"\"";
    if (!CreateProcessW(exe_.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder_.c_str(), &startup, &process_))
        return false;
    WaitForInputIdle(process_.hProcess, 10000);
    return true;
}

HWND AppUnderTest::MainWindow(int timeoutMs) { return WaitForWindow(kMainCaption, timeoutMs); }

HWND AppUnderTest::WaitForWindow(const std::string& caption, int timeoutMs) const {
    return WaitForShownWindow(process_.dwProcessId, caption, timeoutMs);
}

HWND AppUnderTest::AnyWindow(const std::string& caption) const {
    return TopLevelWindow([&](HWND w) { return ProcessOf(w) == process_.dwProcessId && Caption(w) == caption; });
}

bool AppUnderTest::WaitForStart(int timeoutMs) const {
    const DWORD start = GetTickCount();
    while (!AnyWindow("型号速查")) {
        if (!Running() || static_cast<int>(GetTickCount() - start) > timeoutMs) return false;
        Sleep(10);
    }
    return true;
}

HWND TopLevelWindow(const std::function<bool(HWND)>& wanted) {
    WindowSearch search{wanted};
    EnumWindows(TestWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ChildWindow(HWND parent, const std::function<bool(HWND)>& wanted) {
    WindowSearch search{wanted};
    EnumChildWindows(parent, TestWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForTopLevel(const std::function<bool(HWND)>& wanted, int timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = TopLevelWindow(wanted)) != nullptr; }, timeoutMs);
    return found;
}

DWORD ProcessOf(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    return id;
}

std::string Caption(HWND window) {
    wchar_t caption[512] = {};
    GetWindowTextW(window, caption, 512);
    return Narrow(caption);
}

std::string ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return Narrow(name);
}

bool IsShownWindowOf(HWND window, DWORD processId, const std::string& caption) {
    return ProcessOf(window) == processId && IsWindowVisible(window) && Caption(window) == caption;
}

HWND ShownWindow(DWORD processId, const std::string& caption) {
    return TopLevelWindow([&](HWND w) { return IsShownWindowOf(w, processId, caption); });
}

HWND WaitForShownWindow(DWORD processId, const std::string& caption, int timeoutMs) {
    return WaitForTopLevel([&](HWND w) { return IsShownWindowOf(w, processId, caption); }, timeoutMs);
}

bool Painted(HWND window) { return IsWindowVisible(window) && !GetUpdateRect(window, nullptr, FALSE); }

HWND ChildDialogWith(HWND parent, int controlId) {
    // Pages after the first are built right after the window shows: wait for them a moment.
    HWND found = nullptr;
    WaitUntil([&] {
        found = ChildWindow(parent, [controlId](HWND w) {
            return ClassOf(w) == kDialogClass && GetDlgItem(w, controlId) != nullptr;
        });
        return found != nullptr;
    }, 5000);
    return found;
}

bool AppUnderTest::Running() const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

void AppUnderTest::Kill() {
    if (!process_.hProcess) return;
    if (Running()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    if (process_.hThread) CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    process_ = {};
}

bool AppUnderTest::FollowRestart(int timeoutMs) {
    if (!process_.hProcess || WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
    const DWORD old = process_.dwProcessId;
    const std::wstring exe = LongPath(exe_);
    Kill();
    HANDLE found = nullptr;
    DWORD foundId = 0;
    WaitUntil([&] {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        if (snapshot == INVALID_HANDLE_VALUE) return false;
        PROCESSENTRY32W entry = {};
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry)) {
            if (entry.th32ProcessID == old) continue;
            HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE | PROCESS_QUERY_INFORMATION |
                                         PROCESS_VM_READ, FALSE, entry.th32ProcessID);
            if (!process) continue;
            wchar_t image[MAX_PATH] = {};
            if (GetModuleFileNameExW(process, nullptr, image, MAX_PATH) &&
                lstrcmpiW(LongPath(image).c_str(), exe.c_str()) == 0) {
                found = process;
                foundId = entry.th32ProcessID;
            } else {
                CloseHandle(process);
            }
        }
        CloseHandle(snapshot);
        return found != nullptr;
    }, timeoutMs);
    process_.hProcess = found;
    process_.dwProcessId = foundId;
    return found != nullptr;
}

WORD AppUnderTest::ImageMachine() const {
    HANDLE file = CreateFileW(exe_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    IMAGE_DOS_HEADER dos = {};
    IMAGE_NT_HEADERS32 nt = {};
    DWORD got = 0;
    WORD machine = 0;
    if (ReadFile(file, &dos, sizeof dos, &got, nullptr) && got == sizeof dos &&
        SetFilePointer(file, dos.e_lfanew, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER &&
        ReadFile(file, &nt, sizeof nt, &got, nullptr) && got == sizeof nt)
        machine = nt.FileHeader.Machine;
    CloseHandle(file);
    return machine;
}

std::vector<std::string> AppUnderTest::ImportedFunctions() const {
    std::vector<std::string> names;
    const std::string image = ReadBytes(exe_);
    if (image.size() < sizeof(IMAGE_DOS_HEADER)) return names;
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    if (dos->e_lfanew < 0 || image.size() < dos->e_lfanew + sizeof(IMAGE_NT_HEADERS32)) return names;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(image.data() + dos->e_lfanew);
    const auto* sections = IMAGE_FIRST_SECTION(nt);
    // The file offset of an address of the loaded image; 0 when no section holds it.
    auto at = [&](DWORD rva) -> std::size_t {
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            const IMAGE_SECTION_HEADER& section = sections[i];
            if (rva >= section.VirtualAddress && rva < section.VirtualAddress + section.SizeOfRawData)
                return rva - section.VirtualAddress + section.PointerToRawData;
        }
        return 0;
    };
    auto text = [&](DWORD rva) {
        const std::size_t offset = at(rva);
        return offset && offset < image.size() ? std::string(image.c_str() + offset) : std::string();
    };
    const DWORD imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (std::size_t d = at(imports); d && d + sizeof(IMAGE_IMPORT_DESCRIPTOR) <= image.size();
         d += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        const auto* descriptor = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(image.data() + d);
        if (!descriptor->Name) break;
        std::string dll = text(descriptor->Name);
        for (char& c : dll) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        const DWORD thunks = descriptor->OriginalFirstThunk ? descriptor->OriginalFirstThunk : descriptor->FirstThunk;
        for (std::size_t t = at(thunks); t && t + 4 <= image.size(); t += 4) {
            const DWORD thunk = *reinterpret_cast<const DWORD*>(image.data() + t);
            if (!thunk) break;
            if (!(thunk & IMAGE_ORDINAL_FLAG32)) names.push_back(dll + "!" + text(thunk + 2));  // past the hint
        }
    }
    return names;
}

std::string AppUnderTest::SettingsBytes() const { return ReadBytes(SettingsPath()); }

bool AppUnderTest::SettingsExists() const { return FileExists(SettingsPath()); }

DWORD AppUnderTest::SettingsAttributes() const { return GetFileAttributesW(SettingsPath().c_str()); }

void AppUnderTest::WriteSettings(const std::string& cp936Bytes) const { WriteBytes(SettingsPath(), cp936Bytes); }

std::string ReadBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace mw::e2e
