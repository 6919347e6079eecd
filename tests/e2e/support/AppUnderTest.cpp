// The end-to-end driver: process control, window search and control messages across processes.
#include "tests/e2e/support/AppUnderTest.h"

#include <commctrl.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace mw::e2e {

namespace {

constexpr UINT kTimeoutMs = 5000;

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

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
    return WaitForTopLevel([&](HWND w) { return IsShownWindowOf(w, process_.dwProcessId, caption); }, timeoutMs);
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

std::string WindowText(HWND window) {
    const LRESULT length = Send(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<wchar_t> text(length + 1, L'\0');
    Send(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()));
    return Narrow(text.data());
}

std::string Text(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

void SetText(HWND dialog, int id, const std::string& text) {
    const std::wstring wide = Widen(text);
    Send(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void Choose(HWND dialog, int id, int index) {
    HWND control = GetDlgItem(dialog, id);
    Send(control, CB_SETCURSEL, index, 0);
    Send(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
}

namespace {
enum class ListKind { Combo, List, ListView };

ListKind KindOf(HWND control) {
    wchar_t name[32] = {};
    GetClassNameW(control, name, 32);
    if (lstrcmpiW(name, L"ListBox") == 0) return ListKind::List;
    if (lstrcmpiW(name, WC_LISTVIEWW) == 0) return ListKind::ListView;
    return ListKind::Combo;
}
}  // namespace

int Selection(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    switch (KindOf(control)) {
        case ListKind::List:     return static_cast<int>(Send(control, LB_GETCURSEL, 0, 0));
        case ListKind::ListView: return static_cast<int>(Send(control, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
        default:                 return static_cast<int>(Send(control, CB_GETCURSEL, 0, 0));
    }
}

int ItemCount(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    switch (KindOf(control)) {
        case ListKind::List:     return static_cast<int>(Send(control, LB_GETCOUNT, 0, 0));
        case ListKind::ListView: return static_cast<int>(Send(control, LVM_GETITEMCOUNT, 0, 0));
        default:                 return static_cast<int>(Send(control, CB_GETCOUNT, 0, 0));
    }
}

std::string ItemText(HWND dialog, int id, int index) {
    HWND control = GetDlgItem(dialog, id);
    const ListKind kind = KindOf(control);
    if (kind == ListKind::ListView) return CellText(dialog, id, index, 0);
    const bool list = kind == ListKind::List;
    const LRESULT length = Send(control, list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, index, 0);
    if (length < 0) return {};
    std::vector<wchar_t> text(length + 1, L'\0');
    Send(control, list ? LB_GETTEXT : CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return Narrow(text.data());
}

void SelectLine(HWND dialog, int id, int index) { Send(GetDlgItem(dialog, id), LB_SETCURSEL, index, 0); }

std::string CellText(HWND dialog, int id, int row, int column) {
    HWND control = GetDlgItem(dialog, id);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, ProcessOf(control));
    if (!process) return {};
    // List view messages carry pointers that are not carried across processes: the item and its
    // text buffer go into the program's own memory.
    constexpr int kChars = 260;
    std::string text;
    if (auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, sizeof(LVITEMW) + kChars * sizeof(wchar_t),
                                                         MEM_COMMIT, PAGE_READWRITE))) {
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
        item.cchTextMax = kChars;
        std::vector<wchar_t> buffer(kChars + 1, L'\0');
        if (WriteProcessMemory(process, remote, &item, sizeof item, nullptr)) {
            Send(control, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote));
            if (ReadProcessMemory(process, item.pszText, buffer.data(), kChars * sizeof(wchar_t), nullptr))
                text = Narrow(buffer.data());
        }
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return text;
}

void Click(HWND dialog, int id) { Send(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void PostClick(HWND dialog, int id) { PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

HWND OwnedDialog(HWND owner, int timeoutMs) {
    return WaitForTopLevel([owner](HWND w) {
        return ClassOf(w) == kDialogClass && GetWindow(w, GW_OWNER) == owner && IsWindowVisible(w);
    }, timeoutMs);
}

bool Checked(HWND dialog, int id) { return Send(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

void Command(HWND window, int id) { Send(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

void CloseBox(HWND window) { PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

void Key(HWND control, WPARAM key) {
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, 0xC0000001);
}

RECT WindowRect(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

bool IsTopMost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

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

std::string ClipboardText() {
    std::string text;
    for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt) Sleep(50);
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = Narrow(wide);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

DWORD ClipboardOwnerProcess() {
    HWND owner = GetClipboardOwner();
    return owner ? ProcessOf(owner) : 0;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

namespace {

// The screen's pixels under a window: a 24-bit bottom-up picture and its size.
struct Capture {
    int width = 0, height = 0;
    std::vector<unsigned char> bits;
};

Capture CaptureScreen(HWND window) {
    Capture capture;
    const RECT r = WindowRect(window);
    capture.width = r.right - r.left;
    capture.height = r.bottom - r.top;
    if (capture.width <= 0 || capture.height <= 0) return capture;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = capture.width;
    info.bmiHeader.biHeight = capture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, picture);
    // Only the part on the screen: a copy that reaches past the screen's edge copies nothing
    // under Wine. The rest stays black.
    const RECT screenRect = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    RECT shown;
    if (IntersectRect(&shown, &r, &screenRect))
        BitBlt(memory, shown.left - r.left, shown.top - r.top, shown.right - shown.left, shown.bottom - shown.top,
               screen, shown.left, shown.top, SRCCOPY);
    GdiFlush();
    const std::size_t stride = (capture.width * 3 + 3) & ~3;
    const auto* first = static_cast<const unsigned char*>(bits);
    capture.bits.assign(first, first + stride * capture.height);
    SelectObject(memory, old);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return capture;
}

}  // namespace

std::vector<unsigned char> ScreenPixels(HWND window) { return CaptureScreen(window).bits; }

void SaveScreenshot(HWND window, const std::string& name) {
    const char* folder = std::getenv("MW_SHOTS");
    if (!folder || !*folder || !window) return;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(300);
    const Capture capture = CaptureScreen(window);
    if (capture.bits.empty()) return;
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = capture.width;
    info.biHeight = capture.height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + static_cast<DWORD>(capture.bits.size());
    const std::wstring path = Widen(folder) + L"\\" + Widen(name) + L".bmp";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        WriteFile(file, &header, sizeof header, &written, nullptr);
        WriteFile(file, &info, sizeof info, &written, nullptr);
        WriteFile(file, capture.bits.data(), static_cast<DWORD>(capture.bits.size()), &written, nullptr);
        CloseHandle(file);
    }
}

namespace {

// One entry of Wine's GDI handle table, which each process keeps in its own memory.
#pragma pack(push, 1)
struct GdiHandleEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t user;
};
#pragma pack(pop)
constexpr std::size_t kGdiHandles = 0x10000;

// Whether a table read from another process holds this process's stock objects where their
// handles say, as every process's table does.
bool HoldsStockObjects(const std::vector<GdiHandleEntry>& table) {
    for (int stock : {WHITE_BRUSH, BLACK_PEN, SYSTEM_FONT, DEFAULT_PALETTE}) {
        const auto handle = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(GetStockObject(stock)));
        const GdiHandleEntry& entry = table[handle & 0xFFFF];
        if (entry.type == 0 || entry.unique != (handle >> 16)) return false;
    }
    return true;
}

int CountWineGdiTable(HANDLE process) {
    std::vector<GdiHandleEntry> table(kGdiHandles);
    const std::size_t bytes = table.size() * sizeof table[0];
    MEMORY_BASIC_INFORMATION region = {};
    for (auto* at = static_cast<char*>(nullptr);
         VirtualQueryEx(process, at, &region, sizeof region) == sizeof region;
         at = static_cast<char*>(region.BaseAddress) + region.RegionSize) {
        SIZE_T got = 0;
        if (region.State == MEM_COMMIT && region.Protect == PAGE_READWRITE && region.RegionSize == bytes &&
            ReadProcessMemory(process, region.BaseAddress, table.data(), bytes, &got) && got == bytes &&
            HoldsStockObjects(table)) {
            int count = 0;
            for (const GdiHandleEntry& entry : table) count += entry.type != 0;
            return count;
        }
        if (static_cast<char*>(region.BaseAddress) + region.RegionSize < at) break;
    }
    return -1;
}

}  // namespace

int GdiObjectCount(HANDLE process) {
    SetLastError(0);
    const DWORD count = GetGuiResources(process, GR_GDIOBJECTS);
    if (count != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return static_cast<int>(count);
    return CountWineGdiTable(process);
}

int ThreadCount(DWORD processId) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    int count = 0;
    THREADENTRY32 thread = {};
    thread.dwSize = sizeof thread;
    for (BOOL more = Thread32First(snapshot, &thread); more; more = Thread32Next(snapshot, &thread))
        count += thread.th32OwnerProcessID == processId;
    CloseHandle(snapshot);
    return count;
}

void SetClipboardText(const std::string& text) {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    const std::wstring wide = Widen(text);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(block), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
}

}  // namespace mw::e2e
