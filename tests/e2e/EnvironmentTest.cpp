// The tests' own ground: what they drive is the shipped 32-bit exe, under code page 936. Either
// falling back silently (a 64-bit stand-in, a locale without code page 936) fails here.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {

TEST(Environment, ProgramIsThe32BitExeUnderCodePage936) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);

    // A 32-bit program on 64-bit Windows (Wine's prefix is 64-bit) runs under WOW64.
    BOOL wow64 = FALSE;
    ASSERT_TRUE(IsWow64Process(r.app.Process(), &wow64));
    EXPECT_TRUE(wow64) << "the program under test is not a 32-bit process";
    EXPECT_EQ(r.app.ImageMachine(), IMAGE_FILE_MACHINE_I386);

    // The program inherits this process's locale; the system's own profile writer shows whether
    // the ANSI code page really is 936 (elsewhere it writes Chinese names as "??").
    EXPECT_EQ(GetACP(), 936u);
    const std::wstring probe = r.app.Folder() + L"\\probe.ini";
    ASSERT_TRUE(WritePrivateProfileStringW(L"设置", L"单位", L"公斤", probe.c_str()));
    ASSERT_TRUE(FileExists(probe));
    EXPECT_EQ(ReadBytes(probe), "[\xC9\xE8\xD6\xC3]\r\n\xB5\xA5\xCE\xBB=\xB9\xAB\xBD\xEF\r\n");
}

// The program is built for Windows XP: it must not import what came only with later systems
// (it would not even start there); such functions are looked up while it runs.
TEST(Environment, TheExeImportsNothingWindowsXPLacks) {
    AppUnderTest app;
    const std::vector<std::string> imported = app.ImportedFunctions();
    ASSERT_GT(imported.size(), 100u);
    const char* const laterOnes[] = {
        "kernel32.dll!GetTickCount64", "kernel32.dll!InitializeSRWLock", "kernel32.dll!AcquireSRWLockExclusive",
        "kernel32.dll!InitializeConditionVariable", "kernel32.dll!SleepConditionVariableCS",
        "kernel32.dll!InitOnceExecuteOnce", "kernel32.dll!FlsAlloc", "kernel32.dll!GetFinalPathNameByHandleW",
        "kernel32.dll!CreateSymbolicLinkW", "kernel32.dll!CancelIoEx", "kernel32.dll!QueryFullProcessImageNameW",
        "kernel32.dll!GetSystemTimePreciseAsFileTime", "kernel32.dll!GetErrorMode",
        "kernel32.dll!SetDefaultDllDirectories", "kernel32.dll!CompareStringEx", "kernel32.dll!GetLocaleInfoEx",
        "kernel32.dll!CreateEventExW", "kernel32.dll!CreateMutexExW", "advapi32.dll!RegGetValueW",
        "advapi32.dll!RegDeleteKeyExW", "user32.dll!SetProcessDPIAware", "user32.dll!ChangeWindowMessageFilter",
        "user32.dll!ChangeWindowMessageFilterEx", "user32.dll!GetDpiForWindow", "shcore.dll!SetProcessDpiAwareness",
        "comctl32.dll!TaskDialogIndirect", "comctl32.dll!TaskDialog", "shell32.dll!SHGetKnownFolderPath",
    };
    for (const char* later : laterOnes)
        EXPECT_EQ(std::count(imported.begin(), imported.end(), later), 0) << later;
}

// The libraries of the shell, the common dialogs, printing, FTP and pictures are loaded at their
// first use, not with the program: imported, each would add its loading to every start.
TEST(Environment, TheExeLoadsTheLibrariesItNeedsLateOnlyWhenNeeded) {
    AppUnderTest app;
    const std::vector<std::string> imported = app.ImportedFunctions();
    ASSERT_GT(imported.size(), 100u);
    for (const std::string& function : imported)
        for (const char* late : {"shell32.dll!", "comdlg32.dll!", "winspool.drv!", "wininet.dll!", "oleaut32.dll!"})
            EXPECT_NE(function.rfind(late, 0), 0u) << function << " is imported";
}

}  // namespace mw::e2e
