// Local time as "YYYY-MM-DD HH:MM:SS".
#include "app/WallClockWin32.h"

#include <windows.h>

#include <cstdio>

namespace mw {

std::string Win32WallClock::Now() const {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", now.wYear, now.wMonth, now.wDay,
                  now.wHour, now.wMinute, now.wSecond);
    return text;
}

}  // namespace mw
