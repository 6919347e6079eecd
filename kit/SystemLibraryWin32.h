// Functions of the system libraries the program needs late or seldom (the shell, the common
// dialogs, the printer list, FTP, the picture loader), looked up at their first use. A library
// the exe imports is loaded, with everything it imports, before the program's first line runs:
// these would add their loading to every start, ahead of the main window.
#pragma once

#include <windows.h>

#include <string>

namespace mw {

// The function `name` of the system library `library` (a file name such as L"shell32.dll"),
// loaded from the system folder only, never from the current or the program's folder, and kept
// for the run. Null when the library or the function is missing.
FARPROC SystemProcedure(const wchar_t* library, const char* name);

// The same with the function's own type.
template <typename Function>
Function* SystemFunction(const wchar_t* library, const char* name) {
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(SystemProcedure(library, name)));
}

// A system function by its declared name: SYSTEM_FUNCTION(L"shell32.dll", ShellExecuteW), typed as
// the header declares it. Naming it here takes no import.
#define SYSTEM_FUNCTION(library, function) ::mw::SystemFunction<decltype(function)>(library, #function)

// Opens a file, a program or a web address as the shell does on a double click; false when the
// shell is missing or refuses.
bool ShellOpen(HWND owner, const std::string& what);

}  // namespace mw
