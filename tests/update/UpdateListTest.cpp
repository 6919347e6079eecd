// The server's update list: what a list in the established format gives, and every rule that
// refuses a list before anything is fetched or started.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <unistd.h>

#include "app/ProgramFiles.h"
#include "update/UpdateList.h"
#include "settings/Cp936.h"
#include "settings/IniFile.h"

namespace mw {
namespace {

const char kRunning[] = "MaterialWeight.exe";

ListRefusal Judge(const std::string& text, UpdateList& list, const std::string& running = kRunning,
                  const std::vector<KeptFile>& kept = ProgramFiles()) {
    char name[] = "/tmp/mw-update-list-XXXXXX";
    const int fd = mkstemp(name);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    close(fd);
    CIniFile ini;
    EXPECT_TRUE(ini.OpenReadWrite(name));
    const ListRefusal verdict = ReadUpdateList(ini, running, kept, list);
    ini.Close();
    unlink(name);
    return verdict;
}

ListRefusal Judge(const std::string& text) {
    UpdateList list;
    return Judge(text, list);
}

// A list offering `files`, the first of them the new executable.
std::string Offer(const std::vector<std::string>& files, const std::string& tail = "") {
    std::string text = "[newversion]\nnewversion=9.0\n[upexe]\nupexe=" + (files.empty() ? "" : files[0]) +
                       "\n[upnumber]\nupnumber=" + std::to_string(files.size()) + "\n[filelist]\n";
    for (std::size_t i = 0; i < files.size(); ++i) text += std::to_string(i + 1) + "=" + files[i] + "\n";
    return text + tail;
}

const std::string kDigestA(64, 'a');
const std::string kDigestB = std::string(63, 'B') + "0";

TEST(UpdateList, ReadsTheEstablishedFormat) {
    UpdateList list;
    const std::string text = "[newversion]\r\nnewversion = 9.0 \r\n[upexe]\r\nupexe=New.exe\r\n[upnumber]\r\n"
                             "upnumber=3\r\n[filelist]\r\n1=New.exe\r\n2=" + Utf8ToCp936("数据.dat") +
                             "\r\n3=readme.txt\r\n";
    ASSERT_EQ(Judge(text, list), ListRefusal::None);
    EXPECT_EQ(list.version, "9.0");
    EXPECT_EQ(list.exe, "New.exe");
    EXPECT_EQ(list.files, (std::vector<std::string>{"New.exe", "数据.dat", "readme.txt"}));
    EXPECT_TRUE(list.digests.empty());

    // The new executable may come anywhere in the list, in any case of its letters.
    EXPECT_EQ(Judge("[newversion]\nnewversion=9.0\n[upexe]\nupexe=NEW.EXE\n[upnumber]\nupnumber=2\n"
                    "[filelist]\n1=data.bin\n2=new.exe\n"),
              ListRefusal::None);
}

TEST(UpdateList, PlainFileNames) {
    for (const char* good : {"a.exe", "a..b.exe", ".hidden", "~tilde", "COM10.dll", "CONSOLE.exe",
                             "LPT0.txt", "数据 文件.dat", "a b"})
        EXPECT_TRUE(IsPlainFileName(good)) << good;
    for (const char* bad : {"", ".", "..", "..\\x.exe", "../x.exe", "a/b", "a\\b", "C:x.exe", "C:\\x.exe",
                            "\\\\server\\share", "a:stream", "CON", "con.txt", "Nul", "AUX.exe", "PRN .txt",
                            "COM1", "lpt9.dll", "CONIN$", "a.exe.", "a.exe ", "a?b", "a*b", "a|b",
                            "a\"b", "a<b", "a>b", "a\tb", "a\x7f", "\x01"})
        EXPECT_FALSE(IsPlainFileName(bad)) << bad;
    EXPECT_TRUE(IsPlainFileName(std::string(200, 'x')));
    EXPECT_FALSE(IsPlainFileName(std::string(201, 'x')));
}

TEST(UpdateList, RefusesWholeListsWithAFileNameThatIsNotPlain) {
    // Windows drops trailing dots and blanks: "ConfigKq.ini." and "ConfigKq.ini .. " open the settings.
    for (const char* bad : {"..\\x.exe", "../x.exe", "C:\\Windows\\x.dll", "sub\\x.dll", "CON", "nul.txt", "a.dll.",
                            "ConfigKq.ini.", "WeightListKq.txt. .", "ConfigKq.ini..", "list.ini . "})
        EXPECT_EQ(Judge(Offer({"New.exe", bad})), ListRefusal::FileName) << bad;
    // A key that is missing or empty.
    std::string missing = Offer({"New.exe"});
    EXPECT_EQ(Judge(missing.replace(missing.find("upnumber=1"), 10, "upnumber=2")), ListRefusal::FileName);
    EXPECT_EQ(Judge(Offer({"New.exe", ""})), ListRefusal::FileName);
    // A code page 936 byte pair that is no character arrives as "?".
    EXPECT_EQ(Judge(Offer({"New.exe", "\xFF\xFF.dat"})), ListRefusal::FileName);
}

TEST(UpdateList, RefusesEveryNameOfAFileTheProgramKeeps) {
    // The program, the settings, the weight list and the cutting job with their set-aside copies, the update's own
    // files and folders, and the temporary name each file is written under.
    for (const char* own : {"MaterialWeight.exe", "materialweight.EXE", "list.ini", "LIST.INI", "list.ini.tmp",
                            "ConfigKq.ini", "configkq.INI", "ConfigKq.ini.tmp", "WeightListKq.txt",
                            "weightlistkq.TXT", "WeightListKq.txt.tmp", "WeightListKq.txt.damaged",
                            "WeightListKq.txt.damaged-2", "WEIGHTLISTKQ.TXT.DAMAGED-999", "WeightListKq.txt.damaged-3.tmp",
                            "CutJobKq.txt", "cutjobkq.TXT", "CutJobKq.txt.tmp", "CutJobKq.txt.damaged-2",
                            "~update", "~UPDATE", "~replaced"})
        EXPECT_EQ(Judge(Offer({"New.exe", own})), ListRefusal::KeptFile) << own;
    // Names that only begin like one are other files.
    for (const char* other : {"WeightListKq.txt.bak", "ConfigKq.ini.old", "ConfigKq.ini2", "list.ini.txt", "~update2"})
        EXPECT_EQ(Judge(Offer({"New.exe", other})), ListRefusal::None) << other;
    EXPECT_EQ(Judge(Offer({"New.exe", "a.dll", "A.DLL"})), ListRefusal::FileName);  // one file twice
    UpdateList list;
    EXPECT_EQ(Judge(Offer({"New.exe", "MaterialWeight.exe"}), list, "Other.exe"), ListRefusal::None);
    EXPECT_EQ(Judge(Offer({"New.exe", "MaterialWeight.exe"}), list, "Other.exe", {}), ListRefusal::None);
}

TEST(UpdateList, AFileItsOwnerDeclaresIsRefusedWithItsCopies) {
    // What any owner declares is covered, with nothing else to change.
    const std::vector<KeptFile> kept = {{"Notes.dat", ".old"}};
    UpdateList list;
    for (const char* own : {"notes.DAT", "Notes.dat.tmp", "Notes.dat.old", "Notes.dat.old7"})
        EXPECT_EQ(Judge(Offer({"New.exe", own}), list, kRunning, kept), ListRefusal::KeptFile) << own;
    EXPECT_EQ(Judge(Offer({"New.exe", "ConfigKq.ini"}), list, kRunning, kept), ListRefusal::None);
    EXPECT_TRUE(IsKeptFileName("Old.exe", "old.EXE", {}));
    EXPECT_FALSE(IsKeptFileName("Old.exe.tmp", "Old.exe", {}));
}

TEST(UpdateList, EveryRefusalHasAReasonForTheUser) {
    for (ListRefusal refusal : {ListRefusal::OldExe, ListRefusal::Count, ListRefusal::FileName, ListRefusal::KeptFile,
                                ListRefusal::Folder, ListRefusal::UpExe, ListRefusal::Digest, ListRefusal::TooLarge})
        EXPECT_STRNE(RefusalReason(refusal), "") << static_cast<int>(refusal);
}

TEST(UpdateList, RefusesFileCountsOutOfRange) {
    const std::string one = Offer({"New.exe"});
    const std::size_t at = one.find("upnumber=1");
    for (const char* count : {"upnumber=-1", "upnumber=101", "upnumber=99999999999", "number=1"})
        EXPECT_EQ(Judge(std::string(one).replace(at, 10, count)), ListRefusal::Count) << count;
    // No count at all is a count of 0: then no executable is among the files.
    EXPECT_EQ(Judge(std::string(one).replace(at, 10, "upnumber=x")), ListRefusal::UpExe);

    std::vector<std::string> hundred;
    for (int i = 1; i <= 100; ++i) hundred.push_back("f" + std::to_string(i) + ".exe");
    UpdateList list;
    EXPECT_EQ(Judge(Offer(hundred), list), ListRefusal::None);
    EXPECT_EQ(list.files.size(), 100u);
    EXPECT_EQ(list.files[99], "f100.exe");
}

TEST(UpdateList, TheNewExecutableMustBeAPlainExeAmongTheFiles) {
    const std::string list = Offer({"New.exe", "data.bin"});
    for (const char* exe : {"upexe=Other.exe", "upexe=data.bin", "upexe=..\\New.exe", "upexe=New.bat",
                            "upexe=", "upexe=.exe", "upexe=COM1.exe", "x=1"})
        EXPECT_EQ(Judge(std::string(list).replace(list.find("upexe=New.exe"), 13, exe)), ListRefusal::UpExe) << exe;
}

TEST(UpdateList, RefusesAServerListThatAlreadyNamesAnOldExecutable) {
    EXPECT_EQ(Judge(Offer({"New.exe"}, "\n[oldexe]\noldexe=Victim.exe\n")), ListRefusal::OldExe);
    EXPECT_EQ(Judge("[oldexe]\noldexe=Victim.exe\n" + Offer({"New.exe"})), ListRefusal::OldExe);
    // Whatever line the next start's lookup would take: the first line holding the word, then
    // the first later key containing it.
    EXPECT_EQ(Judge(Offer({"New.exe"}, "[x]\nnote=oldexe\nmyoldexe=Victim.exe\n")), ListRefusal::OldExe);
    // The word alone, in a file name or a header without a key, takes nothing over.
    EXPECT_EQ(Judge(Offer({"New.exe", "oldexe-notes.txt"})), ListRefusal::None);
    EXPECT_EQ(Judge(Offer({"New.exe"}, "[oldexe]\n")), ListRefusal::None);
}

TEST(UpdateList, DigestsWhenTheListGivesThem) {
    UpdateList list;
    ASSERT_EQ(Judge(Offer({"New.exe", "sha256sum.txt"}, "[sha256]\n1=" + kDigestA + "\n2=" + kDigestB + "\n"), list),
              ListRefusal::None);
    EXPECT_EQ(list.digests, (std::vector<std::string>{kDigestA, std::string(63, 'b') + "0"}));
    // A file whose name holds the word is no digest section.
    EXPECT_EQ(Judge(Offer({"New.exe", "sha256sum.txt"}), list), ListRefusal::None);
    EXPECT_TRUE(list.digests.empty());

    const std::string two = Offer({"New.exe", "b.dll"});
    EXPECT_EQ(Judge(two + "[sha256]\n1=" + kDigestA + "\n"), ListRefusal::Digest);   // one missing
    EXPECT_EQ(Judge(two + "[sha256]\n1=" + kDigestA + "\n2=" + kDigestA.substr(1) + "\n"), ListRefusal::Digest);
    EXPECT_EQ(Judge(two + "[sha256]\n1=" + kDigestA + "\n2=" + std::string(63, 'a') + "g\n"), ListRefusal::Digest);
    // Before the file list, its keys would find the file names: still refused, never misread.
    EXPECT_EQ(Judge("[sha256]\n1=" + kDigestA + "\n" + two), ListRefusal::Digest);
}

TEST(UpdateList, VersionComparison) {
    const struct { const char* offered; const char* own; bool newer; } cases[] = {
        {"9.0", "8.8", true},   {"8.8", "8.8", false},  {"8.80", "8.8", false}, {"8.81", "8.8", true},
        {"10", "8.8", true},    {" 9", "8.8", true},     {"8.9beta", "8.8", true}, {"-9", "8.8", false},
        {"abc", "8.8", false},  {"", "8.8", false},      {"inf", "8.8", false},    {"0x10", "8.8", false},
        {"0.1", "None VerSion Supprot", true},           {"8.8", "", true},
    };
    for (const auto& c : cases) EXPECT_EQ(IsNewerVersion(c.offered, c.own), c.newer) << c.offered << " vs " << c.own;
}

}  // namespace
}  // namespace mw
