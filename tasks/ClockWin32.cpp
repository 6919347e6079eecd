// Local time and uptime from the system; the uptime from the 64-bit tick count where the system
// has one, so that it neither wraps nor turns negative after 24.9 days.
#include "tasks/ClockWin32.h"

#include <windows.h>

namespace mw {

Win32Clock::Win32Clock() {
    // Looked up, not linked: the program still starts on systems without it.
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetTickCount64");
    tickCount64_ = reinterpret_cast<TickCount64>(reinterpret_cast<void (*)()>(found));
}

LocalTime Win32Clock::Now() const {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::uint64_t Win32Clock::MillisecondsSinceStart() const {
    return tickCount64_ ? tickCount64_() : GetTickCount();
}

}  // namespace mw
