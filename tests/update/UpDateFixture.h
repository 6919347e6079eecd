// The update check's test bench: a folder of real files with single operations made to fail, a
// scripted server and user, and the fixture that runs a check in it. Shared by the update tests.
#pragma once

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

namespace mw::update_test {

namespace fs = std::filesystem;

inline constexpr char kServer[] = "127.0.0.1:40021";
inline constexpr char kOldExe[] = "MaterialWeight.exe";
inline constexpr char kNewExe[] = "MaterialWeight9.exe";

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

inline std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void Write(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

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

}  // namespace mw::update_test
