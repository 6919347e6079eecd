// The settings store against the platform's own private-profile functions: the same random
// sequences of reads, writes and deletions on two files, compared after every step.
// MW_DIFF_OPS sets the number of operations per sequence (a long run: MW_DIFF_OPS=20000).
// Names come without blanks around them, as the program writes them: for those, Wine rewrites
// the whole file in a normal form of its own at every write, where our store (like Windows)
// changes only the lines concerned.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <random>
#include <string>

#include "settings/Cp936.h"
#include "settings/FileSystemWin32.h"
#include "settings/IniProfileStore.h"
#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {
namespace {

const char* const kSections[] = {"Setting", "setting", "角钢", "任务01", "Other", "螺纹钢"};
const char* const kKeys[] = {"danwei", "DanWei", "型号1", "单重1", "autorun", "规格2"};
const char* const kValues[] = {"1", "2", "", "abc", "∠20×20×3", "12abc", "-7", "a b"};

std::string ReadBytes(const std::string& path) {
    std::string bytes;
    Win32FileSystem().ReadFile(path, bytes);
    return bytes;
}

std::string TempFile(const char* name) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::string path = Narrow(folder) + name + std::to_string(GetCurrentProcessId()) + ".ini";
    DeleteFileW(Widen(path).c_str());
    return path;
}

TEST(ProfileStoreDiff, SameFilesAndAnswersAsThePlatform) {
    const char* opsText = std::getenv("MW_DIFF_OPS");
    const int ops = opsText ? std::atoi(opsText) : 60;
    const std::string platformPath = TempFile("mw-diff-platform-");
    const std::string ourPath = TempFile("mw-diff-ours-");
    Win32FileSystem files;
    IniProfileStore store(files, ourPath);
    std::mt19937 random(20261208);
    int filled = 0;  // steps that compared a file with something in it
    auto pick = [&](auto& list) { return std::string(list[random() % (sizeof list / sizeof list[0])]); };
    for (int sequence = 0; sequence < 5; ++sequence) {
        DeleteFileA(Utf8ToCp936(platformPath).c_str());
        DeleteFileW(Widen(ourPath).c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, Utf8ToCp936(platformPath).c_str());  // drop the cache
        for (int step = 0; step < ops; ++step) {
            const std::string section = pick(kSections), key = pick(kKeys), value = pick(kValues);
            const std::string s = Utf8ToCp936(section), k = Utf8ToCp936(key), v = Utf8ToCp936(value);
            const std::string file = Utf8ToCp936(platformPath);
            const std::string where = "sequence " + std::to_string(sequence) + " step " + std::to_string(step) +
                                      " [" + section + "] " + key + "=" + value;
            switch (random() % 6) {
                case 0:
                case 1:
                    WritePrivateProfileStringA(s.c_str(), k.c_str(), v.c_str(), file.c_str());
                    store.WriteString(section, key, value);
                    break;
                case 2: {
                    char buffer[256] = {};
                    GetPrivateProfileStringA(s.c_str(), k.c_str(), "", buffer, sizeof buffer, file.c_str());
                    EXPECT_EQ(store.ReadString(section, key), Cp936ToUtf8(buffer)) << where;
                    break;
                }
                case 3:
                    EXPECT_EQ(store.ReadInt(section, key, 5),
                              static_cast<int>(GetPrivateProfileIntA(s.c_str(), k.c_str(), 5, file.c_str())))
                        << where;
                    break;
                case 4:
                    WritePrivateProfileStringA(s.c_str(), k.c_str(), nullptr, file.c_str());
                    store.DeleteKey(section, key);
                    break;
                default:
                    WritePrivateProfileStringA(s.c_str(), nullptr, nullptr, file.c_str());
                    store.DeleteSection(section);
                    break;
            }
            WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());  // flush
            const std::string ours = ReadBytes(ourPath);
            ASSERT_EQ(ours, ReadBytes(platformPath)) << where;
            filled += !ours.empty();
        }
    }
    EXPECT_GT(filled, ops);
    DeleteFileW(Widen(platformPath).c_str());
    DeleteFileW(Widen(ourPath).c_str());
}

}  // namespace
}  // namespace mw::e2e
