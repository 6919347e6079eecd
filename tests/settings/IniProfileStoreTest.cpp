// The settings file store: reading, writing, deleting, encoding, the clean-up rule.
#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

#include "settings/Cp936.h"
#include "settings/IniProfileStore.h"
#include "settings/PosixFileSystem.h"
#include "settings/SettingsFile.h"
#include "tests/support/MemoryFileSystem.h"

namespace mw {
namespace {

const char kPath[] = "/cfg/ConfigKq.ini";

struct Store {
    explicit Store(const std::string& text = "") {
        if (!text.empty()) files.files[kPath] = text;
    }
    std::string File() const { return files.files.count(kPath) ? files.files.at(kPath) : "<none>"; }
    MemoryFileSystem files;
    IniProfileStore store{files, kPath};
};

TEST(IniProfileStore, Reading) {
    Store s("; comment\r\n[Setting]\r\n  DanWei = 2 \r\nname=a b \r\nempty=\r\n[ setting ]\r\ndanwei=1\r\n"
            "[Other]\r\nn=12abc\r\nneg=-7\r\nnone=x\r\n");
    EXPECT_EQ(s.store.ReadInt("setting", "danwei", 0), 2);  // case and blanks ignored, first wins
    EXPECT_EQ(s.store.ReadString("Setting", "name"), "a b");
    EXPECT_EQ(s.store.ReadString("Setting", "empty"), "");
    EXPECT_EQ(s.store.ReadInt("Setting", "empty", 5), 5);
    EXPECT_EQ(s.store.ReadInt("Other", "n", 0), 12);
    EXPECT_EQ(s.store.ReadInt("Other", "neg", 0), -7);
    EXPECT_EQ(s.store.ReadInt("Other", "none", 9), 0);
    EXPECT_EQ(s.store.ReadInt("Missing", "n", 3), 3);
    EXPECT_EQ(s.store.ReadString("Other", "missing"), "");

    Store none;
    EXPECT_EQ(none.store.ReadInt("Setting", "danwei", 4), 4);
    EXPECT_EQ(none.store.ReadString("Setting", "danwei"), "");
}

TEST(IniProfileStore, WritingCreatesReplacesAndAppends) {
    Store s;
    EXPECT_TRUE(s.store.WriteInt("Setting", "danwei", 1));
    EXPECT_EQ(s.File(), "[Setting]\r\ndanwei=1\r\n");
    s.store.WriteString("setting", "DANWEI", "2");  // the key keeps its spelling
    EXPECT_EQ(s.File(), "[Setting]\r\ndanwei=2\r\n");
    s.store.WriteString("Setting", "autorun", "1");
    s.store.WriteString("Other", "k", "v");
    EXPECT_EQ(s.File(), "[Setting]\r\ndanwei=2\r\nautorun=1\r\n[Other]\r\nk=v\r\n");

    Store t("[A]\r\nx=1\r\n\r\n[B]\r\ny=2");  // a new key goes after the last line of its section
    t.store.WriteString("A", "z", "3");
    t.store.WriteString("B", "w", "4");
    EXPECT_EQ(t.File(), "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\nw=4\r\n");
}

TEST(IniProfileStore, DeletingLeavesTheRestByteForByte) {
    const std::string text = "[A]  \r\nx = 1\r\ny=2\n[B]\r\nz=3\r\n;note\r\n[C]\r\nq=4";
    Store s(text);
    s.store.DeleteKey("a", "X");
    EXPECT_EQ(s.File(), "[A]  \r\ny=2\n[B]\r\nz=3\r\n;note\r\n[C]\r\nq=4");
    s.store.DeleteSection("B");
    EXPECT_EQ(s.File(), "[A]  \r\ny=2\n[C]\r\nq=4");
    s.store.DeleteKey("C", "missing");
    s.store.DeleteSection("Missing");
    EXPECT_EQ(s.File(), "[A]  \r\ny=2\n[C]\r\nq=4");
    s.store.DeleteSection("C");
    EXPECT_EQ(s.File(), "[A]  \r\ny=2\n");
}

TEST(IniProfileStore, ChineseNamesAreCodePage936OnDisk) {
    Store s;
    s.store.WriteString("角钢", "型号1", "∠20×20×3");
    EXPECT_EQ(s.File(), Utf8ToCp936("[角钢]\r\n型号1=∠20×20×3\r\n"));
    EXPECT_EQ(s.File().substr(0, 6), "[\xBD\xC7\xB8\xD6]");
    EXPECT_EQ(s.store.ReadString("角钢", "型号1"), "∠20×20×3");
}

TEST(IniProfileStore, ABatchReachesTheFileWholeAtItsCommit) {
    Store s(Utf8ToCp936("[Setting]\r\ndanwei=1\r\n[角钢]\r\n型号1=A\r\n"));
    const std::string before = s.File();
    s.store.BeginBatch();
    s.store.DeleteSection("角钢");
    s.store.WriteString("角钢", "型号1", "B");
    s.store.WriteString("角钢", "单重1", "2.5");
    EXPECT_EQ(s.store.ReadString("角钢", "型号1"), "B");  // the batch reads its own changes
    EXPECT_EQ(s.File(), before);
    EXPECT_EQ(s.files.replaces, 0);
    EXPECT_TRUE(s.store.CommitBatch());
    EXPECT_EQ(s.files.replaces, 1);
    EXPECT_EQ(s.File(), Utf8ToCp936("[Setting]\r\ndanwei=1\r\n[角钢]\r\n型号1=B\r\n单重1=2.5\r\n"));

    // A batch that changes nothing writes nothing, and creates no file.
    Store none;
    none.store.BeginBatch();
    none.store.DeleteSection("角钢");
    EXPECT_TRUE(none.store.CommitBatch());
    EXPECT_EQ(none.File(), "<none>");

    // Nor does one that writes back what the file already holds.
    s.store.BeginBatch();
    s.store.DeleteSection("角钢");
    s.store.WriteString("角钢", "型号1", "B");
    s.store.WriteString("角钢", "单重1", "2.5");
    EXPECT_TRUE(s.store.CommitBatch());
    EXPECT_EQ(s.files.replaces, 1);

    // A commit that cannot write leaves the old file whole and its change in force for the run;
    // the next write that works writes both.
    s.files.readOnly = true;
    const std::string written = s.File();
    s.store.BeginBatch();
    s.store.DeleteSection("角钢");
    EXPECT_FALSE(s.store.CommitBatch());
    EXPECT_EQ(s.store.ReadString("角钢", "型号1"), "");
    EXPECT_EQ(s.File(), written);
    EXPECT_FALSE(s.store.WriteString("其他", "k", "1"));  // a change on top of the unwritten one
    s.store.BeginBatch();  // a batch that changes nothing still owes the file its unwritten bytes
    EXPECT_FALSE(s.store.CommitBatch());
    s.files.readOnly = false;
    s.store.BeginBatch();
    EXPECT_TRUE(s.store.CommitBatch());
    EXPECT_EQ(s.File().find(Utf8ToCp936("角钢")), std::string::npos);
    EXPECT_NE(s.File().find("k=1"), std::string::npos);
    s.store.WriteString("角钢", "型号1", "C");
    EXPECT_EQ(s.store.ReadString("角钢", "型号1"), "C");
    EXPECT_EQ(s.store.ReadString("角钢", "单重1"), "");
}

TEST(Cp936, RoundTripAndBadInput) {
    const std::string text = "任务01 钢管 €123 ∠";
    EXPECT_EQ(Cp936ToUtf8(Utf8ToCp936(text)), text);
    EXPECT_EQ(Utf8ToCp936("😀"), "?");
    EXPECT_EQ(Utf8ToCp936("\xE4\xB8"), "??");   // cut short
    EXPECT_EQ(Cp936ToUtf8("\xFF"), "?");
    EXPECT_EQ(Cp936ToUtf8("\xB8"), "?");        // a lead byte at the end
    EXPECT_EQ(Cp936ToUtf8("a\x81\x20"), "a? ");  // no such pair
}

TEST(SettingsFile, CleanUpRuleAndHiddenAttribute) {
    MemoryFileSystem files;
    SettingsFile settings(files, kPath);
    settings.SaveUnitSystem(1);
    EXPECT_EQ(files.files.at(kPath), "[Setting]\r\ndanwei=1\r\n");
    EXPECT_TRUE(files.hidden.count(kPath));
    settings.SaveOption("hidetubiao", 1);
    settings.SaveUnitSystem(0);
    EXPECT_EQ(files.files.at(kPath), "[Setting]\r\nhidetubiao=1\r\n");
    EXPECT_TRUE(files.hidden.count(kPath));
    settings.SaveOption("hidetubiao", 0);
    EXPECT_FALSE(files.Exists(kPath));

    files.files[kPath] = "[角钢]\r\n型号1=A\r\n";  // other sections keep the file
    settings.SaveUnitSystem(2);
    settings.SaveUnitSystem(0);
    EXPECT_EQ(files.files.at(kPath), "[角钢]\r\n型号1=A\r\n");
}

TEST(SettingsFile, PathIsBesideTheExecutableWhateverItsName) {
    EXPECT_EQ(SettingsPathFor("C:\\Tools\\MaterialWeight.exe"), "C:\\Tools\\ConfigKq.ini");
    EXPECT_EQ(SettingsPathFor("C:\\a.exe\\Weight.EXE"), "C:\\a.exe\\ConfigKq.ini");
    EXPECT_EQ(SettingsPathFor("/opt/x/renamed"), "/opt/x/ConfigKq.ini");
    EXPECT_EQ(SettingsPathFor("prog.exe"), "ConfigKq.ini");
}

TEST(PosixFileSystem, ReplacesWholeAndFailsOnAReadOnlyFolder) {
    char folder[] = "/tmp/mw-settings-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string path = std::string(folder) + "/ConfigKq.ini";
    PosixFileSystem files;
    IniProfileStore store(files, path);
    ASSERT_TRUE(store.WriteString("Setting", "danwei", "1"));
    EXPECT_EQ(files.Size(path), 21);
    EXPECT_FALSE(files.Exists(path + ".tmp"));
    EXPECT_EQ(store.ReadInt("Setting", "danwei", 0), 1);
    if (geteuid() != 0) {  // root writes anywhere
        chmod(folder, 0500);
        EXPECT_FALSE(store.WriteString("Setting", "danwei", "2"));
        EXPECT_EQ(store.ReadInt("Setting", "danwei", 0), 1);  // the old file is whole
        chmod(folder, 0700);
    }
    files.Remove(path);
    rmdir(folder);
}

}  // namespace
}  // namespace mw

namespace mw {
namespace {

TEST(IniProfileStore, BlanksAroundNamesAreIgnored) {
    Store s;
    s.store.WriteString(" Other ", " k ", "v");
    EXPECT_EQ(s.File(), "[Other ]\r\nk =v\r\n");  // blanks in front dropped, as the platform does
    EXPECT_EQ(s.store.ReadString("Other", "k"), "v");
    s.store.WriteString("other", "K", "w");
    EXPECT_EQ(s.File(), "[Other ]\r\nk=w\r\n");
}

}  // namespace
}  // namespace mw

namespace mw {
namespace {

// A last line ending in a lone carriage return is still a line of its own: a key added after
// it must not join it.
TEST(IniProfileStore, NewKeyAfterALastLineWithoutLineFeed) {
    Store s(std::string("[Setting]\r\ndanwei=1\r"));
    s.store.WriteString("Setting", "dan", "2");
    EXPECT_EQ(s.store.ReadString("Setting", "dan"), "2");
    EXPECT_EQ(s.store.ReadString("Setting", "danwei"), "1");
}

}  // namespace
}  // namespace mw
