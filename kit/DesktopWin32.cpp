// System metrics, cursor, taskbar window and uptime.
#include "kit/DesktopWin32.h"

#include <windows.h>

#include "kit/DpiWin32.h"

namespace mw {

ScreenPoint Win32Desktop::CursorPos() const {
    POINT p = {};
    GetCursorPos(&p);
    return {p.x, p.y};
}

int Win32Desktop::ScreenWidth() const { return GetSystemMetrics(SM_CXSCREEN); }

int Win32Desktop::ScreenHeight() const { return GetSystemMetrics(SM_CYSCREEN); }

std::optional<ScreenRect> Win32Desktop::TaskbarRect() const {
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    RECT r;
    if (!taskbar || !GetWindowRect(taskbar, &r)) return std::nullopt;
    return ScreenRect{r.left, r.top, r.right, r.bottom};
}

int Win32Desktop::EdgeHeight() const { return GetSystemMetrics(SM_CYEDGE); }

int Win32Desktop::FrameWidth() const { return GetSystemMetrics(SM_CXFRAME); }

int Win32Desktop::Dpi() const { return SystemDpi(); }

std::uint64_t Win32Desktop::UptimeMs() const {
    // The 64-bit count exists from Vista on; the 32-bit one wraps after 49.7 days, when it
    // would make a long-running system look freshly started.
    using TickCount64 = ULONGLONG(WINAPI*)();
    static const auto tickCount64 = reinterpret_cast<TickCount64>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetTickCount64")));
    return tickCount64 ? tickCount64() : GetTickCount();
}

}  // namespace mw
