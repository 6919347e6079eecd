// The update check from list to started program, in a real folder with a scripted server: what is
// fetched, asked, put in place, started, and what stays as it was when anything goes wrong; then
// the clean-up in the new copy.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <thread>

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

// Serves files from memory; a transfer named in `cut` delivers half the file and fails.
class ScriptedServer : public FtpClient {
public:
    bool Connect(const std::string& server) override {
        ++connects;
        if (onConnect) onConnect();
        connected = reachable && server == kServer;
        return connected;
    }
    bool GetFile(const std::string& remote, const std::string& local) override {
        fetched.push_back(remote);
        const auto found = files.find(remote);
        if (!connected || found == files.end()) return false;
        const bool whole = !cut.count(remote);
        std::ofstream(local, std::ios::binary) << found->second.substr(0, whole ? std::string::npos : found->second.size() / 2);
        return whole;
    }
    bool Disconnect() override {
        const bool was = connected;
        connected = false;
        ++disconnects;
        return was;
    }

    std::map<std::string, std::string> files;
    std::set<std::string> cut;
    bool reachable = true, connected = false;
    int connects = 0, disconnects = 0;
    std::vector<std::string> fetched;
    std::function<void()> onConnect;
};

class ScriptedUser : public UpdateQuestions {
public:
    bool AskToUpdate() override { ++asked; return yes; }
    void TellDownloaded() override { ++told; }
    bool yes = true;
    int asked = 0, told = 0;
};

class RecordedProcesses : public UpdateProcesses {
public:
    void KillOldProcess(const std::string& folder, const std::string& name) override { ended.push_back(folder + name); }
    std::vector<std::string> ended;
};

// Real files, with single operations made to fail.
class FailingFiles : public PosixFileSystem {
public:
    bool Rename(const std::string& from, const std::string& to) override {
        if (to == failRenameTo) {
            failRenameTo.clear();  // once: the way back works
            return false;
        }
        return PosixFileSystem::Rename(from, to);
    }
    bool ReplaceWhole(const std::string& path, const std::string& bytes) override {
        return !failListWrite && PosixFileSystem::ReplaceWhole(path, bytes);
    }
    bool Remove(const std::string& path) override { return !Ends(path, failRemove) && PosixFileSystem::Remove(path); }

    std::string failRenameTo, failRemove;  // a full path; a name at the end
    bool failListWrite = false;

private:
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

    CUpDate Updater(FtpClient& ftp) {
        return CUpDate(Place(), files, ftp, user, starter, [this] { ++exits; }, turn, "8.8", kServer);
    }
    int Check(FtpClient& ftp) { return Updater(ftp).CheckUpdate(); }
    int Check() { return Check(server); }
    void Run() { Updater(server).Run(); }

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

TEST_F(UpDate, ThisCopyGoesOnWhenTheNewOneCannotStart) {
    Offer("9.0");
    starter.fails = true;
    Run();
    EXPECT_EQ(user.told, 1);
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(fs::exists(root_ / "list.ini"));  // the next start of either copy sorts it out
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
}

TEST_F(UpDate, NoServerNoChange) {
    Offer("9.0");
    server.reachable = false;
    EXPECT_EQ(Check(), 0);
    EXPECT_TRUE(server.fetched.empty());
    EXPECT_EQ(user.asked, 0);
    ExpectNothingChanged();
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
