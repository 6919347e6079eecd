// The update check from list to started program, in a real folder with a scripted server: what is
// fetched, asked, put in place, started, and what stays as it was when anything goes wrong; what
// the user's own check answers; then the clean-up in the new copy.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <new>
#include <set>
#include <sstream>
#include <thread>

#include "app/ProgramFiles.h"
#include "update/FtpGet.h"
#include "update/Sha256.h"
#include "update/UpDate.h"
#include "settings/Cp936.h"
#include "settings/IniProfileStore.h"
#include "settings/PosixFileSystem.h"
#include "tests/support/FakeProcessStarter.h"
#include "tests/support/MemoryFileSystem.h"

namespace mw {
namespace {

namespace fs = std::filesystem;

const char kServer[] = "127.0.0.1:40021";
const char kOldExe[] = "MaterialWeight.exe";
const char kNewExe[] = "MaterialWeight9.exe";

// Serves files from memory through the real piecewise copy; a transfer named in `cut` delivers
// half the file and fails; one in `sizes` is that large (checked against the limit only); one in
// `throwing` runs out of memory.
class ScriptedServer : public FtpClient {
public:
    bool Connect(const std::string& server) override {
        ++connects;
        if (onConnect) onConnect();
        connected = reachable && server == kServer;
        return connected;
    }
    TransferEnd GetFile(const std::string& remote, const std::string& local, long long limit,
                        std::string& digest) override {
        fetched.push_back(remote);
        limits[remote] = limit;
        if (throwing.count(remote)) throw std::bad_alloc();
        const auto found = files.find(remote);
        if (!connected || found == files.end()) return TransferEnd::Broken;
        const auto size = sizes.find(remote);
        if (size != sizes.end() && size->second > limit) return TransferEnd::TooLarge;
        const std::string& bytes = found->second;
        const bool broken = cut.count(remote) != 0;
        const std::size_t end = broken ? bytes.size() / 2 : bytes.size();
        std::size_t at = 0;
        auto read = [&](char* buffer, std::size_t room) -> long long {
            if (at == end) return broken ? -1 : 0;
            const std::size_t n = std::min(room, std::min<std::size_t>(end - at, 1000));
            bytes.copy(buffer, n, at);
            at += n;
            return static_cast<long long>(n);
        };
        std::ofstream out(local, std::ios::binary);
        auto write = [&](const char* piece, std::size_t n) { return static_cast<bool>(out.write(piece, n)); };
        Sha256 hash;
        const TransferEnd result = CopyTransfer(read, write, limit, hash);
        out.close();
        if (result == TransferEnd::Whole) digest = hash.Hex();
        else std::remove(local.c_str());
        return result;
    }
    bool Disconnect() override {
        const bool was = connected;
        connected = false;
        ++disconnects;
        return was;
    }

    std::map<std::string, std::string> files;
    std::set<std::string> cut, throwing;
    std::map<std::string, long long> sizes, limits;
    bool reachable = true, connected = false;
    int connects = 0, disconnects = 0;
    std::vector<std::string> fetched;
    std::function<void()> onConnect;
};

class ScriptedUser : public UpdateQuestions {
public:
    bool AskToUpdate() override { ++asked; return yes; }
    void TellDownloaded() override { ++told; }
    void Tell(const std::string& text, bool warning) override {
        said.push_back((warning ? "警告 " : "提示 ") + text);
        if (connected && *connected) ++saidWhileConnected;
    }
    bool yes = true;
    int asked = 0, told = 0;
    const bool* connected = nullptr;  // the server's state: no message may wait with the connection open
    int saidWhileConnected = 0;
    std::vector<std::string> said;  // every other message, after its caption
};

class RecordedProcesses : public UpdateProcesses {
public:
    void KillOldProcess(const std::string& folder, const std::string& name) override { ended.push_back(folder + name); }
    std::vector<std::string> ended;
};

// Real files, with single operations made to fail, and names that reach another entry as
// Windows' short names do.
class FailingFiles : public PosixFileSystem {
public:
    bool Rename(const std::string& from, const std::string& to) override {
        if (to == failRenameTo) {
            failRenameTo.clear();  // once: the way back works
            return false;
        }
        if (to == failRenamesTo) return false;  // every time
        return PosixFileSystem::Rename(from, to);
    }
    bool Exists(const std::string& path) const override { return PosixFileSystem::Exists(Resolve(path)); }
    bool IsFolder(const std::string& path) const override { return PosixFileSystem::IsFolder(Resolve(path)); }
    std::string NameOnDisk(const std::string& path) const override { return PosixFileSystem::NameOnDisk(Resolve(path)); }
    bool ReplaceWhole(const std::string& path, const std::string& bytes) override {
        return !failListWrite && PosixFileSystem::ReplaceWhole(path, bytes);
    }
    bool Remove(const std::string& path) override { return !Ends(path, failRemove) && PosixFileSystem::Remove(path); }

    std::string failRenameTo, failRenamesTo, failRemove;  // a full path; a full path; a name at the end
    bool failListWrite = false;
    std::map<std::string, std::string> aliases;  // a name in the folder, and the name it reaches

private:
    std::string Resolve(const std::string& path) const {
        const std::size_t slash = path.find_last_of('/');
        const auto found = aliases.find(path.substr(slash + 1));
        return found == aliases.end() ? path : path.substr(0, slash + 1) + found->second;
    }
    static bool Ends(const std::string& path, const std::string& name) {
        return !name.empty() && path.size() >= name.size() && path.compare(path.size() - name.size(), name.size(), name) == 0;
    }
};

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void Write(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

class UpDate : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/mw-update-XXXXXX";
        root_ = mkdtemp(name);
        Write(root_ / kOldExe, "old program");
        Write(root_ / "readme.txt", "old readme");
        before_ = Listing();
        user.connected = &server.connected;
    }
    void TearDown() override { fs::remove_all(root_); }

    ProgramPlace Place(const std::string& exe = kOldExe) const { return {root_.string() + "/", exe}; }

    // A list offering the new executable and a new readme.
    void Offer(const std::string& version, const std::string& tail = "") {
        server.files["updateKq/list.ini"] = "[newversion]\r\nnewversion=" + version + "\r\n[upexe]\r\nupexe=" + kNewExe +
                                            "\r\n[upnumber]\r\nupnumber=2\r\n[filelist]\r\n1=" + kNewExe +
                                            "\r\n2=readme.txt\r\n" + tail;
        server.files[std::string("updateKq/") + kNewExe] = "new program";
        server.files["updateKq/readme.txt"] = "new readme";
    }

    CUpDate Updater(FtpClient& ftp, CheckStart start = CheckStart::AtStart, const std::string& address = kServer) {
        return CUpDate(Place(), files, ftp, user, starter, [this] { ++exits; }, turn, "8.8", address, ProgramFiles(),
                       start);
    }
    int Check(FtpClient& ftp) { return Updater(ftp).CheckUpdate(); }
    int Check() { return Check(server); }
    void Run() { Updater(server).Run(); }
    // The user's check from the About window: its one answer.
    std::string Ask(const std::string& address = kServer) {
        user.said.clear();
        Updater(server, CheckStart::ByUser, address).Run();
        EXPECT_EQ(user.said.size(), 1u);
        return user.said.empty() ? std::string() : user.said.back();
    }

    // Every name in the folder and below, with file contents.
    std::map<std::string, std::string> Listing() const {
        std::map<std::string, std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(root_))
            names[fs::relative(entry.path(), root_).string()] = entry.is_directory() ? "<folder>" : Read(entry.path());
        return names;
    }
    void ExpectNothingChanged() const {
        EXPECT_EQ(Listing(), before_);
        EXPECT_EQ(user.told, 0);
        EXPECT_TRUE(starter.started.empty());
        EXPECT_EQ(exits, 0);
    }

    fs::path root_;
    std::map<std::string, std::string> before_;
    ScriptedServer server;
    ScriptedUser user;
    FakeProcessStarter starter;
    int exits = 0;  // of this copy
    FailingFiles files;
    UpdateTurn turn;
};

TEST_F(UpDate, TheSameVersionOffersNothingAndLeavesNoList) {
    Offer("8.8");
    EXPECT_EQ(Check(), 0);
    EXPECT_EQ(user.asked, 0);
    EXPECT_EQ(server.fetched, (std::vector<std::string>{"updateKq/list.ini"}));
    EXPECT_EQ(server.disconnects, 1);
    ExpectNothingChanged();
}

TEST_F(UpDate, ANewVersionIsAskedForFetchedPutInPlaceAndStarted) {
    Offer("9.0");
    Run();
    EXPECT_EQ(user.asked, 1);
    EXPECT_EQ(user.told, 1);
    EXPECT_EQ(server.fetched, (std::vector<std::string>{"updateKq/list.ini", std::string("updateKq/") + kNewExe,
                                                        "updateKq/readme.txt"}));
    EXPECT_EQ(server.disconnects, 1);
    const auto after = Listing();
    EXPECT_EQ(after, (std::map<std::string, std::string>{
                         {kOldExe, "old program"}, {kNewExe, "new program"}, {"readme.txt", "new readme"},
                         {"list.ini", server.files["updateKq/list.ini"] + "\r\n[oldexe]\r\noldexe=MaterialWeight.exe\r\n"}}));
    EXPECT_EQ(starter.started, (std::vector<std::string>{Place().folder + kNewExe}));
    EXPECT_EQ(exits, 1);  // this copy leaves through its exit sequence before the new one runs

    // The new copy at its start ends the old one and removes its file, then the list.
    RecordedProcesses newCopy;
    CleanUpAfterUpdate(Place(kNewExe), files, newCopy);
    EXPECT_EQ(newCopy.ended, (std::vector<std::string>{Place().folder + kOldExe}));
    EXPECT_EQ(Listing(), (std::map<std::string, std::string>{{kNewExe, "new program"}, {"readme.txt", "new readme"}}));

    // No second update in the same process, from the button or otherwise.
    EXPECT_EQ(Check(), 0);
    EXPECT_EQ(server.connects, 1);
}

TEST_F(UpDate, WhenTheNewCopyCannotStartTheOldFilesComeBackAndThisCopyGoesOn) {
    Offer("9.0");
    starter.fails = true;
    Run();
    EXPECT_EQ(user.said, (std::vector<std::string>{"警告 新版本程序无法运行,已恢复原文件。"}));
    ExpectNothingChanged();  // never "downloaded, will be started"
    // The check may run again and succeed.
    starter.fails = false;
    user.said.clear();
    Run();
    EXPECT_EQ(user.told, 1);
    EXPECT_TRUE(user.said.empty());
    EXPECT_EQ(starter.started.size(), 1u);
}

TEST_F(UpDate, TheDownloadedMessageComesOnceTheNewCopyExistsBeforeItRuns) {
    Offer("9.0");
    class Watching : public FakeProcessStarter {
    public:
        bool StartAfter(const std::string& path, const std::function<void()>& beforeItRuns) override {
            toldBefore = user->told;
            const bool started = FakeProcessStarter::StartAfter(path, beforeItRuns);
            toldAfter = user->told;
            return started;
        }
        ScriptedUser* user = nullptr;
        int toldBefore = -1, toldAfter = -1;
    } watching;
    watching.user = &user;
    CUpDate(Place(), files, server, user, watching, [this] { ++exits; }, turn, "8.8", kServer, ProgramFiles()).Run();
    EXPECT_EQ(watching.toldBefore, 0);
    EXPECT_EQ(watching.toldAfter, 1);
    EXPECT_FALSE(fs::exists(root_ / "~replaced"));  // what it replaced goes once the new copy exists
    EXPECT_EQ(exits, 1);
}

TEST_F(UpDate, DigestsThatMatchAndANameHoldingTheMarkerWord) {
    Offer("9.0", "[sha256]\r\n1=" + Sha256Hex("new program") + "\r\n2=" + Sha256Hex("new readme") + "\r\n");
    server.files["updateKq/list.ini"].replace(server.files["updateKq/list.ini"].find("readme.txt"), 10, "oldexe.txt");
    server.files["updateKq/oldexe.txt"] = "new readme";
    EXPECT_EQ(Check(), 1);
    EXPECT_EQ(Read(root_ / "oldexe.txt"), "new readme");
    // The entry the next start reads is ours, not the file name.
    RecordedProcesses newCopy;
    CleanUpAfterUpdate(Place(kNewExe), files, newCopy);
    EXPECT_EQ(newCopy.ended, (std::vector<std::string>{Place().folder + kOldExe}));
}

TEST_F(UpDate, NothingChangesWhenTheUserSaysNo) {
    Offer("9.0");
    user.yes = false;
    Run();
    EXPECT_EQ(user.asked, 1);
    EXPECT_EQ(server.fetched.size(), 1u);
    ExpectNothingChanged();
}

TEST_F(UpDate, ARefusedListIsNeitherAskedAboutNorFetched) {
    const std::string tails[] = {"3=..\\x.exe\r\n", "[oldexe]\r\noldexe=readme.txt\r\n",
                                 "[sha256]\r\n1=" + Sha256Hex("new program") + "\r\n"};
    for (const std::string& tail : tails) {
        Offer("9.0", tail);
        std::string& list = server.files["updateKq/list.ini"];
        if (tail[0] == '3') list.replace(list.find("upnumber=2"), 10, "upnumber=3");
        server.fetched.clear();
        EXPECT_EQ(Check(), 0) << tail;
        EXPECT_EQ(server.fetched.size(), 1u) << tail;
    }
    Offer("9.0");
    server.files["updateKq/list.ini"] += std::string(64 * 1024, ';');  // larger than any real list
    EXPECT_EQ(Check(), 0);
    EXPECT_EQ(user.asked, 0);
    ExpectNothingChanged();
}

TEST_F(UpDate, ABrokenTransferReplacesNothingAndStartsNothing) {
    Offer("9.0");
    server.cut = {"updateKq/readme.txt"};
    Run();
    EXPECT_EQ(server.fetched.size(), 3u);
    ExpectNothingChanged();
    server.cut = {std::string("updateKq/") + kNewExe};  // and when the first of them breaks
    server.fetched.clear();
    Run();
    EXPECT_EQ(server.fetched.size(), 3u);  // the others are still tried
    ExpectNothingChanged();
}

TEST_F(UpDate, ADigestMismatchReplacesNothingAndStartsNothing) {
    Offer("9.0", "[sha256]\r\n1=" + Sha256Hex("new program") + "\r\n2=" + Sha256Hex("another readme") + "\r\n");
    Run();
    EXPECT_EQ(user.asked, 1);
    ExpectNothingChanged();
}

TEST_F(UpDate, AFailedReplacementPutsBackWhatWasThere) {
    Offer("9.0");
    // The new executable is in place by then, the old readme moved aside.
    files.failRenameTo = (root_ / "readme.txt").string();
    Run();
    ExpectNothingChanged();
    files.failListWrite = true;  // every file in place, but the list for the next start not written
    Run();
    ExpectNothingChanged();
    EXPECT_EQ(user.said, (std::vector<std::string>(2, "警告 新版本无法放入程序文件夹,原文件未作改动。")));
}

TEST_F(UpDate, AFailedRestoreSaysWhatIsWhere) {
    Offer("9.0");
    files.failListWrite = true;
    files.failRenamesTo = (root_ / "readme.txt").string();  // the old readme cannot go back
    Run();
    ASSERT_EQ(user.said.size(), 1u);
    EXPECT_EQ(user.said[0], "警告 更新失败,以下原文件未能恢复,现存于 " + Place().folder + "~replaced 中:\r\nreadme.txt");
    EXPECT_EQ(Read(root_ / "~replaced" / "readme.txt"), "old readme");
    EXPECT_FALSE(fs::exists(root_ / "list.ini"));
    EXPECT_FALSE(fs::exists(root_ / kNewExe));
    EXPECT_TRUE(starter.started.empty());

    // The next check puts it back before anything else, then updates as usual.
    files.failListWrite = false;
    files.failRenamesTo.clear();
    user.said.clear();
    Run();
    EXPECT_TRUE(user.said.empty());
    EXPECT_EQ(user.told, 1);
    EXPECT_EQ(Read(root_ / "readme.txt"), "new readme");
}

TEST_F(UpDate, NoServerNoChange) {
    Offer("9.0");
    server.reachable = false;
    EXPECT_EQ(Check(), 0);
    EXPECT_TRUE(server.fetched.empty());
    EXPECT_EQ(user.asked, 0);
    ExpectNothingChanged();
}

// A folder that took no write at start: the check says so instead of fetching anything, once for
// the check at start, and every time the user asks.
TEST_F(UpDate, AnUnwritableFolderIsSaidOnceAndNothingIsFetched) {
    Offer("9.0");
    ProgramPlace place = Place();
    place.writable = false;
    auto updater = [&](CheckStart start) {
        return CUpDate(place, files, server, user, starter, [this] { ++exits; }, turn, "8.8", kServer, ProgramFiles(),
                       start);
    };
    updater(CheckStart::AtStart).Run();
    updater(CheckStart::AtStart).Run();
    EXPECT_EQ(user.said, std::vector<std::string>{std::string("警告 ") + kFolderNotWritable});
    EXPECT_EQ(server.connects, 0);
    EXPECT_TRUE(server.fetched.empty());
    EXPECT_EQ(user.asked, 0);
    user.said.clear();
    updater(CheckStart::ByUser).Run();
    EXPECT_EQ(user.said, std::vector<std::string>{std::string("警告 ") + kFolderNotWritable});
    EXPECT_EQ(Listing(), before_);
    EXPECT_TRUE(starter.started.empty());
}

TEST_F(UpDate, OneCheckAtATime) {
    Offer("9.0");
    ScriptedServer second;
    int secondResult = -1;
    server.onConnect = [&] {
        std::thread button([&] { secondResult = Check(second); });
        button.join();
    };
    EXPECT_EQ(Check(), 1);
    EXPECT_EQ(secondResult, 0);
    EXPECT_EQ(second.connects, 0);
    EXPECT_EQ(user.asked, 1);
}

TEST_F(UpDate, CleanUpLeavesEverythingUnlessTheListNamesAnotherProgramHere) {
    fs::create_directory(root_ / "sub");
    Write(root_ / "sub" / "victim.exe", "not ours");
    for (const char* old : {"MATERIALWEIGHT.EXE", "missing.exe", "sub/victim.exe", "../victim.exe", "sub\\victim.exe", ""}) {
        Write(root_ / "list.ini", std::string("[oldexe]\r\noldexe=") + old + "\r\n");
        const auto before = Listing();
        RecordedProcesses processes;
        CleanUpAfterUpdate(Place(), files, processes);
        EXPECT_TRUE(processes.ended.empty()) << old;
        EXPECT_EQ(Listing(), before) << old;
    }
    fs::remove(root_ / "list.ini");
    RecordedProcesses none;
    CleanUpAfterUpdate(Place(), files, none);
    EXPECT_TRUE(none.ended.empty());
}

TEST_F(UpDate, CleanUpKeepsTheListWhileTheOldFileStays) {
    Write(root_ / "旧版.exe", "old");
    Write(root_ / "list.ini", "[oldexe]\r\noldexe=" + Utf8ToCp936("旧版.exe") + "\r\n");
    files.failRemove = "旧版.exe";  // still running after all
    RecordedProcesses processes;
    CleanUpAfterUpdate(Place(), files, processes);
    EXPECT_EQ(processes.ended, (std::vector<std::string>{Place().folder + "旧版.exe"}));
    EXPECT_TRUE(fs::exists(root_ / "list.ini"));
    files.failRemove.clear();
    CleanUpAfterUpdate(Place(), files, processes);  // the next start
    EXPECT_FALSE(fs::exists(root_ / "旧版.exe"));
    EXPECT_FALSE(fs::exists(root_ / "list.ini"));
}

TEST_F(UpDate, LeftoversOfABrokenOffRunGoBackBeforeTheNextUpdate) {
    // An update ended half-way (power lost): the old readme aside, a new one half in its place,
    // downloads lying about, no record of a finished update.
    fs::create_directory(root_ / "~replaced");
    fs::create_directory(root_ / "~update");
    Write(root_ / "~replaced" / "readme.txt", "old readme");
    Write(root_ / "readme.txt", "half a new readme");
    Write(root_ / "~update" / "stale.bin", "stale");
    Offer("8.8");
    EXPECT_EQ(Ask(), "提示 当前已是最新版本。");
    ExpectNothingChanged();

    // One that could not go back stops the check, with what is where; the next start tries again.
    fs::create_directory(root_ / "~replaced");
    Write(root_ / "~replaced" / "readme.txt", "old readme");
    files.failRenamesTo = (root_ / "readme.txt").string();
    fs::remove(root_ / "readme.txt");
    Offer("9.0");
    server.fetched.clear();
    Run();
    EXPECT_EQ(user.said.back(), "警告 上次更新未完成,以下原文件未能恢复,现存于 " + Place().folder + "~replaced 中:\r\nreadme.txt");
    EXPECT_TRUE(server.fetched.empty());
    EXPECT_EQ(user.asked, 0);
    files.failRenamesTo.clear();
    Run();
    EXPECT_EQ(user.told, 1);
    EXPECT_EQ(Read(root_ / "readme.txt"), "new readme");
    EXPECT_FALSE(fs::exists(root_ / "~replaced"));
}

TEST_F(UpDate, LeftoversOfAFinishedUpdateAreCleared) {
    // The new copy could not clear what the update replaced; the list still records the update.
    Offer("9.0");
    Write(root_ / "list.ini", "[oldexe]\r\noldexe=Gone.exe\r\n");
    fs::create_directory(root_ / "~replaced");
    Write(root_ / "~replaced" / "readme.txt", "an older readme");
    EXPECT_EQ(Check(), 1);
    EXPECT_EQ(Read(root_ / "readme.txt"), "new readme");
    EXPECT_EQ(Read(root_ / "~replaced" / "readme.txt"), "old readme");  // this update's, until the start

    // The new copy's start clears them with the old program, then the list.
    RecordedProcesses newCopy;
    CleanUpAfterUpdate(Place(kNewExe), files, newCopy);
    EXPECT_FALSE(fs::exists(root_ / "~replaced"));
    EXPECT_FALSE(fs::exists(root_ / "list.ini"));
}

TEST_F(UpDate, NoListMayTouchTheUsersFilesByAnyOfTheirNames) {
    Write(root_ / "WeightListKq.txt", "the user's weights");
    Write(root_ / "WeightListKq.txt.damaged-2", "an older list set aside");
    Write(root_ / "ConfigKq.ini", "[Setting]\r\ndanwei=1\r\n");
    fs::create_directory(root_ / "data");
    Write(root_ / "data" / "mine.txt", "mine");
    // What Windows' short names of these would reach.
    files.aliases = {{"WEIGHT~1.TXT", "WeightListKq.txt"}, {"WEIGHT~2.DAM", "WeightListKq.txt.damaged-2"},
                     {"CONFIG~1.INI", "ConfigKq.ini"}, {"MATERI~1.EXE", kOldExe}, {"DATA~1", "data"}};
    before_ = Listing();
    const struct { const char* name; const char* reason; } cases[] = {
        {"WeightListKq.txt", "文件名指向本程序自己的文件"},      {"weightlistkq.TXT", "文件名指向本程序自己的文件"},
        {"WeightListKq.txt.damaged", "文件名指向本程序自己的文件"}, {"WEIGHT~1.TXT", "文件名指向本程序自己的文件"},
        {"WEIGHT~2.DAM", "文件名指向本程序自己的文件"},          {"CONFIG~1.INI", "文件名指向本程序自己的文件"},
        {"MATERI~1.EXE", "文件名指向本程序自己的文件"},          {"ConfigKq.ini.", "文件名无效"},
        {"ConfigKq.ini . .", "文件名无效"},                     {"data", "文件名指向已有的文件夹"},
        {"DATA~1", "文件名指向已有的文件夹"},
    };
    for (const auto& c : cases) {
        Offer("9.0");
        std::string& list = server.files["updateKq/list.ini"];
        list.replace(list.find("2=readme.txt"), 12, std::string("2=") + c.name);
        server.files[std::string("updateKq/") + c.name] = "from the server";
        server.fetched.clear();
        EXPECT_EQ(Ask(), std::string("警告 更新列表被拒绝: ") + c.reason + "。") << c.name;
        EXPECT_EQ(server.fetched, (std::vector<std::string>{"updateKq/list.ini"})) << c.name;
        // The check at start says nothing of it.
        user.said.clear();
        Run();
        EXPECT_TRUE(user.said.empty()) << c.name;
    }
    EXPECT_EQ(user.asked, 0);
    ExpectNothingChanged();

    // Two names of one file.
    Write(root_ / "readme.txt", "old readme");
    files.aliases["README~1.TXT"] = "readme.txt";
    Offer("9.0");
    server.files["updateKq/list.ini"] += "";
    std::string& list = server.files["updateKq/list.ini"];
    list.replace(list.find("upnumber=2"), 10, "upnumber=3");
    list += "3=README~1.TXT\r\n";
    EXPECT_EQ(Ask(), "警告 更新列表被拒绝: 文件名无效。");
}

TEST_F(UpDate, TransfersStopAtTheirLimits) {
    Offer("9.0");
    Run();
    EXPECT_EQ(server.limits["updateKq/list.ini"], 64 * 1024);
    EXPECT_EQ(server.limits[std::string("updateKq/") + kNewExe], 256LL * 1024 * 1024);
    EXPECT_EQ(server.limits["updateKq/readme.txt"], 256LL * 1024 * 1024);

    // A file larger than its limit: nothing is replaced, and the user who said Yes is told.
    SetUp();
    turn.updated = false;
    Offer("9.0");
    server.sizes["updateKq/readme.txt"] = 256LL * 1024 * 1024 + 1;
    user = ScriptedUser();
    starter.started.clear();
    exits = 0;
    Run();
    EXPECT_EQ(user.said, (std::vector<std::string>{"警告 新版本下载失败,原文件未作改动。"}));
    EXPECT_EQ(user.saidWhileConnected, 0);
    EXPECT_FALSE(fs::exists(root_ / "~update"));
    ExpectNothingChanged();

    // A list larger than any real one is refused without being read whole.
    server.files["updateKq/list.ini"] += std::string(64 * 1024, ';');
    EXPECT_EQ(Ask(), "警告 更新列表被拒绝: 列表过大。");
    EXPECT_FALSE(fs::exists(root_ / "~update"));
}

TEST_F(UpDate, TheUsersCheckAlwaysAnswers) {
    Offer("8.8");
    EXPECT_EQ(Ask(), "提示 当前已是最新版本。");
    EXPECT_EQ(Ask(""), "提示 未设置更新服务器。");
    EXPECT_EQ(Ask(" "), "提示 未设置更新服务器。");
    server.reachable = false;
    EXPECT_EQ(Ask(), "警告 无法连接更新服务器。");
    server.reachable = true;
    server.files.erase("updateKq/list.ini");
    EXPECT_EQ(Ask(), "警告 无法连接更新服务器。");
    Offer("9.0", "[oldexe]\r\noldexe=readme.txt\r\n");
    EXPECT_EQ(Ask(), "警告 更新列表被拒绝: 列表含有旧程序项。");

    // While another check runs (its question open, say).
    Offer("9.0");
    std::string second;
    server.onConnect = [&] { std::thread button([&] { second = Ask(); }); button.join(); };
    user.yes = false;
    Run();
    EXPECT_EQ(second, "提示 正在检查更新,请稍候。");
    server.onConnect = nullptr;

    // An offer is the answer: the question, and nothing more after No.
    user.said.clear();
    Updater(server, CheckStart::ByUser).Run();
    EXPECT_EQ(user.asked, 2);
    EXPECT_TRUE(user.said.empty());
    ExpectNothingChanged();

    // The check at start says none of these.
    Offer("8.8");
    user.said.clear();
    Run();
    Updater(server, CheckStart::AtStart, "").Run();
    server.reachable = false;
    Run();
    EXPECT_TRUE(user.said.empty());
    EXPECT_EQ(user.saidWhileConnected, 0);
}

TEST_F(UpDate, NothingThrownLeavesTheCheck) {
    Offer("9.0");
    server.throwing = {"updateKq/list.ini"};
    EXPECT_NO_THROW(Run());
    EXPECT_TRUE(user.said.empty());
    EXPECT_EQ(Ask(), "警告 检查更新失败。");
    // Out of memory half-way through the files the user agreed to: nothing changes, and he is told.
    server.throwing = {"updateKq/readme.txt"};
    user.said.clear();
    EXPECT_NO_THROW(Run());
    EXPECT_EQ(user.said, (std::vector<std::string>{"警告 检查更新失败。"}));
    ExpectNothingChanged();
    server.throwing.clear();  // and the next check is not held up
    EXPECT_EQ(Check(), 1);
    EXPECT_EQ(user.asked, 2);
}

TEST(UpdateProcesses, TheOldCopyIsTheOneInThisFolderAndNeverThisProcess) {
    const std::vector<RunningProgram> running = {
        {10, "C:\\app\\Old.exe"}, {11, "C:\\other\\Old.exe"}, {12, "C:\\APP\\OLD.EXE"}, {13, "C:\\app\\Old.exe"}};
    EXPECT_EQ(ChooseOldProcess(running, 10, "C:\\app\\Old.exe"), 12u);
    EXPECT_EQ(ChooseOldProcess(running, 99, "C:\\app\\Old.exe"), 10u);
    EXPECT_EQ(ChooseOldProcess(running, 10, "C:\\app\\New.exe"), 0u);
    EXPECT_EQ(ChooseOldProcess({{10, "C:\\app\\Old.exe"}}, 10, "C:\\app\\Old.exe"), 0u);
}

TEST(UpdateServer, TheSettingsKeyOverridesTheBuiltInServerAndIsNeverWritten) {
    MemoryFileSystem memory;
    const std::string path = "/app/ConfigKq.ini";
    IniProfileStore settings(memory, path);
    EXPECT_EQ(UpdateServerAddress(settings), "");  // this build names no server
    memory.files[path] = Utf8ToCp936("[Setting]\r\ndanwei=1\r\n[更新]\r\nfuwuqi = 127.0.0.1:40021 \r\n");
    const std::string before = memory.files[path];
    EXPECT_EQ(UpdateServerAddress(settings), "127.0.0.1:40021");
    EXPECT_EQ(memory.files[path], before);
}

}  // namespace
}  // namespace mw
