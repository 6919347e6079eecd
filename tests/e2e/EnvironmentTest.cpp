// The tests' own ground: what they drive is the shipped 32-bit exe, under code page 936. Either
// falling back silently (a 64-bit stand-in, a locale without code page 936) fails here.
#include <gtest/gtest.h>

#include <string>

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

}  // namespace mw::e2e
