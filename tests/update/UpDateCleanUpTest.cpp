// The update check's clean-up in the new copy, the leftovers of a broken-off run, the limits of a
// transfer, what the user's own check answers, and the places the check takes from settings.
#include <gtest/gtest.h>

#include "tests/update/UpDateFixture.h"

namespace mw::update_test {
namespace {

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
}  // namespace mw::update_test
