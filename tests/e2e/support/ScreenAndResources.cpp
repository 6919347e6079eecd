// The end-to-end driver's eyes on the program: the screen under a window, screenshots, and the
// GDI objects and threads a process holds.
#include "tests/e2e/support/AppUnderTest.h"

#include <tlhelp32.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace mw::e2e {

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

}  // namespace mw::e2e
