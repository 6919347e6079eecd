// System libraries loaded by full path from the system folder: a bare name would be searched for
// in the program's folder first, where a planted copy would run with the program's rights.
#include "kit/SystemLibraryWin32.h"

#include <shellapi.h>

#include "kit/Utf16Win32.h"

namespace mw {

FARPROC SystemProcedure(const wchar_t* library, const char* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (!length || length >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder, length) + L"\\" + library;
    // Never freed: the pointer handed out stays good for the run. Each load only counts a
    // reference once the library is in.
    const HMODULE module = LoadLibraryW(path.c_str());
    return module ? GetProcAddress(module, name) : nullptr;
}

bool ShellOpen(HWND owner, const std::string& what) {
    static const auto shellExecute = SYSTEM_FUNCTION(L"shell32.dll", ShellExecuteW);
    if (!shellExecute) return false;
    // Above 32 is success; the result is an HINSTANCE only for old programs' sake.
    const auto result = shellExecute(owner, L"open", Widen(what).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace mw
