// The update-list reader: substring matching, trimming, and files from a server that are not
// what they should be.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>

#include "settings/IniFile.h"

namespace mw {
namespace {

struct ListFile {
    explicit ListFile(const std::string& bytes) {
        char name[] = "/tmp/mw-list-XXXXXX";
        const int fd = mkstemp(name);
        path = name;
        if (fd >= 0) {
            (void)!write(fd, bytes.data(), bytes.size());
            close(fd);
        }
        EXPECT_TRUE(ini.OpenReadWrite(path));
    }
    ~ListFile() {
        ini.Close();
        unlink(path.c_str());
    }
    std::string path;
    CIniFile ini;
};

TEST(IniFile, ReadsBySubstring) {
    ListFile f("[ver]\nver=3\n[upexe]\nupexe = a.exe \nn=12abc\n");
    std::string value;
    EXPECT_TRUE(f.ini.ReadString("upexe", "upexe", value));
    EXPECT_EQ(value, "a.exe");
    EXPECT_TRUE(f.ini.ReadString("upexe", "exe", value));  // part of a longer name matches
    EXPECT_EQ(value, "a.exe");
    int n = 0;
    EXPECT_TRUE(f.ini.ReadInt("upexe", "n", n));
    EXPECT_EQ(n, 12);
    EXPECT_TRUE(f.ini.ReadInt("ver", "n", n));  // a section ends only at the end of the file
    EXPECT_EQ(n, 12);
    EXPECT_FALSE(f.ini.ReadString("missing", "x", value));
    EXPECT_FALSE(f.ini.ReadString("ver", "zzz", value));
    EXPECT_EQ(CIniFile::Trim("  a b  "), "a b");
    EXPECT_EQ(CIniFile::Trim("   "), "");
}

TEST(IniFile, SurvivesWhatAServerMaySend) {
    std::string bytes = "[upexe]\n" + std::string(100000, 'x') + "\nupexe=" + std::string("b\0c", 3) +
                        "\n\xB0\xFF\xFE=1\nlast=end";  // long line, NUL, bad bytes, no final newline
    ListFile f(bytes);
    std::string value;
    EXPECT_TRUE(f.ini.ReadString("upexe", "upexe", value));
    EXPECT_EQ(value, std::string("b\0c", 3));
    EXPECT_TRUE(f.ini.ReadString("upexe", "last", value));
    EXPECT_EQ(value, "end");
}

TEST(IniFile, WritesAndFailsWhenClosed) {
    char name[] = "/tmp/mw-list-XXXXXX";
    close(mkstemp(name));
    CIniFile ini;
    std::string value;
    EXPECT_FALSE(ini.WriteLine("x"));
    EXPECT_FALSE(ini.ReadString("a", "b", value));
    ASSERT_TRUE(ini.OpenWriteFull(name));
    ini.WriteSection("upexe");
    ini.WriteString("upexe", "a.exe");
    ini.WriteInt("size", 42);
    ini.Close();
    ASSERT_TRUE(ini.OpenReadWrite(name));
    EXPECT_TRUE(ini.ReadString("upexe", "upexe", value));
    EXPECT_EQ(value, "a.exe");
    int size = 0;
    EXPECT_TRUE(ini.ReadInt("upexe", "size", size));
    EXPECT_EQ(size, 42);
    ini.Close();
    unlink(name);
    EXPECT_FALSE(ini.OpenReadWrite(name));  // not created
}

}  // namespace
}  // namespace mw
