// The update check against a real FTP server on 127.0.0.1: nothing offered for the same version; a
// newer one asked for, fetched and started in place of the old copy, which the new one removes;
// lists and transfers that must change nothing, the user's files under any of their names above
// all; no server at all; the answers of a check the user starts.
#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#include "update/Sha256.h"
#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"
#include "tests/e2e/support/UpdateServer.h"

namespace mw::e2e {
namespace {

const char kAsk[] = "有新版本发布,是否更新?";
const char kDownloaded[] = "新版本下载成功,将运行新版本程序!";
const char kAlreadyRunning[] = "该程序已经在运行了!";
const char kNotFetched[] = "新版本下载失败,原文件未作改动。";
const char kRefused[] = "更新列表被拒绝: ";
const char kNewExe[] = "MaterialWeight90.exe";
constexpr int kSlowMs = 60000;  // a program's start or a whole transfer, through qemu on a busy machine

struct Offered {
    std::string name, bytes;
};

// A list in the established format; `digests` adds the section with the files' digests.
std::string List(const std::string& version, const std::vector<Offered>& files, bool digests = false) {
    std::string text = "[newversion]\r\nnewversion=" + version + "\r\n[upexe]\r\nupexe=" + files[0].name +
                       "\r\n[upnumber]\r\nupnumber=" + std::to_string(files.size()) + "\r\n[filelist]\r\n";
    for (std::size_t i = 0; i < files.size(); ++i) text += std::to_string(i + 1) + "=" + files[i].name + "\r\n";
    if (digests) {
        text += "[sha256]\r\n";
        for (std::size_t i = 0; i < files.size(); ++i) text += std::to_string(i + 1) + "=" + Sha256Hex(files[i].bytes) + "\r\n";
    }
    return text;
}

class UpDate : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.Ready()) << "scripts/wine-test.sh starts the update server";
        newProgram = {kNewExe, ProgramBytes()};
        ASSERT_FALSE(newProgram.bytes.empty());
    }

    void Publish(const std::string& list, const std::vector<Offered>& files) {
        for (const Offered& file : files) server.Put(file.name, file.bytes);
        server.Put("list.ini", list);
    }

    // Starts `app` asking the test server, or `address`.
    HWND Start(AppUnderTest& app, const std::string& address = "") {
        app.WriteSettings(SettingsAskingServer(address.empty() ? server.Address() : address));
        EXPECT_TRUE(app.Start());
        return app.MainWindow();
    }

    // Starts `app`, waits for the update question and answers Yes; the program's process id, 0
    // when the program or the question did not come.
    DWORD StartAndAgree(AppUnderTest& app, const char* screenshot = nullptr) {
        HWND main = Start(app);
        HWND ask = main ? FindMessageBox(kAsk) : nullptr;
        if (!ask) return 0;
        if (screenshot) SaveScreenshot(ask, screenshot);
        Command(ask, IDYES);
        return ProcessOf(main);
    }

    static std::wstring In(const AppUnderTest& app, const std::string& name) { return app.Folder() + L"\\" + Widen(name); }

    // Presses "检查更新" in a new About window of `main`; the one message the check answers with
    // (closed again), empty when none came.
    static std::string AskByHand(HWND main, const std::vector<std::string>& answers) {
        PostMessageW(main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        HWND about = OwnedDialog(main);
        if (!about) return "no About window";
        PostClick(about, IDC_ABOUT_UPDATE);
        std::string answer;
        WaitUntil([&] {
            for (const std::string& text : answers)
                if (HWND box = FindMessageBox(text, 0)) {
                    Command(box, text == kAsk ? IDNO : IDOK);
                    answer = text;
                    return true;
                }
            return false;
        }, kSlowMs);
        PostClick(about, IDC_ABOUT_CLOSE);
        WaitUntil([&] { return !IsWindow(about); });
        return answer;
    }

    // The folder holds exactly the program, the settings and `others`, nothing fetched on the way.
    static void ExpectFolder(const AppUnderTest& app, const std::vector<std::string>& others) {
        for (const char* absent : {"list.ini", "~update", "~replaced", kNewExe})
            EXPECT_FALSE(FileExists(In(app, absent))) << absent;
        for (const std::string& name : others) EXPECT_TRUE(FileExists(In(app, name))) << name;
    }

    UpdateServer server;
    Offered newProgram;
};

TEST_F(UpDate, TheSameVersionOffersNothingAndLeavesNoList) {
    const std::vector<Offered> files = {newProgram, {"readme.txt", "new readme"}};
    Publish(List("8.8", files), files);
    AppUnderTest app;
    HWND main = Start(app);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(server.WaitFor("sent updateKq/list.ini"));
    ASSERT_TRUE(server.WaitFor("disconnect"));  // the check's last step
    EXPECT_EQ(FindMessageBox(kAsk, 0), nullptr);
    EXPECT_EQ(server.Count("sent updateKq/readme.txt"), 0);
    ExpectFolder(app, {"MaterialWeight.exe"});
    EXPECT_TRUE(app.Running());
}

TEST_F(UpDate, ANewVersionIsFetchedStartedAndRemovesTheOldCopy) {
    const std::vector<Offered> files = {newProgram, {"readme.txt", "new readme"}};
    Publish(List("9.0", files, true), files);
    AppUnderTest app("材料重量.exe");
    WriteBytes(In(app, "readme.txt"), "old readme");
    const DWORD oldId = StartAndAgree(app, "update-question");
    ASSERT_NE(oldId, 0u);
    HWND downloaded = FindMessageBox(kDownloaded, kSlowMs);
    ASSERT_NE(downloaded, nullptr);
    SaveScreenshot(downloaded, "update-downloaded");
    EXPECT_EQ(server.Count("sent updateKq/" + std::string(kNewExe)), 1);
    EXPECT_EQ(server.Count("sent updateKq/readme.txt"), 1);
    EXPECT_EQ(ReadBytes(In(app, "readme.txt")), "new readme");
    EXPECT_EQ(ReadBytes(In(app, kNewExe)), newProgram.bytes);
    // The list for the new copy: the server's, and this program as the old one (code page 936).
    EXPECT_EQ(ReadBytes(In(app, "list.ini")),
              List("9.0", files, true) + "\r\n[oldexe]\r\noldexe=\xB2\xC4\xC1\xCF\xD6\xD8\xC1\xBF.exe\r\n");

    // Quiet for the new copy's own check, which is the same build.
    server.Put("list.ini", List("8.8", files));
    Command(downloaded, IDOK);
    // The old copy runs its exit sequence as the new one starts, which therefore starts as a
    // first copy would, then deletes the old executable and the list.
    EXPECT_EQ(WaitForSingleObject(app.Process(), kSlowMs), WAIT_OBJECT_0);
    HWND newMain = FindOtherMainWindow(oldId, kSlowMs);
    ASSERT_NE(newMain, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return !FileExists(In(app, "材料重量.exe")) && !FileExists(In(app, "list.ini")); }, kSlowMs));
    EXPECT_EQ(FindMessageBox(kAlreadyRunning, 0), nullptr);
    EXPECT_TRUE(server.WaitFor("disconnect", 2));  // the new copy's check, with nothing to offer
    EXPECT_EQ(FindMessageBox(kAsk, 0), nullptr);
    EXPECT_EQ(ReadBytes(In(app, "readme.txt")), "new readme");
    EXPECT_FALSE(FileExists(In(app, "~update")));
    EndProcessOf(newMain);
}

TEST_F(UpDate, ANewCopyEndsAnOldOneThatStillRunsThroughItsExitButton) {
    AppUnderTest app("Old.exe");  // no server: no check
    HWND oldMain = app.Start() ? app.MainWindow() : nullptr;
    ASSERT_NE(oldMain, nullptr);
    const DWORD oldId = ProcessOf(oldMain);
    WriteBytes(In(app, "list.ini"), "[oldexe]\r\noldexe=Old.exe\r\n");
    WriteBytes(In(app, "New.exe"), ProgramBytes());

    std::wstring path = In(app, "New.exe"), commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION newCopy = {};
    ASSERT_TRUE(CreateProcessW(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                               app.Folder().c_str(), &startup, &newCopy));
    CloseHandle(newCopy.hThread);
    HWND warning = FindMessageBox(kAlreadyRunning, kSlowMs);  // the old copy holds the instance mutex
    ASSERT_NE(warning, nullptr);
    Command(warning, IDOK);
    EXPECT_EQ(WaitForSingleObject(app.Process(), kSlowMs), WAIT_OBJECT_0);
    EXPECT_TRUE(WaitUntil([&] { return !FileExists(In(app, "Old.exe")) && !FileExists(In(app, "list.ini")); }, kSlowMs));
    EXPECT_NE(FindOtherMainWindow(oldId, kSlowMs), nullptr);
    TerminateProcess(newCopy.hProcess, 1);
    WaitForSingleObject(newCopy.hProcess, 5000);
    CloseHandle(newCopy.hProcess);
}

TEST_F(UpDate, TheAboutWindowsButtonChecksAgain) {
    const std::vector<Offered> files = {newProgram};
    Publish(List("9.0", files), files);
    AppUnderTest app;
    HWND main = Start(app);
    ASSERT_NE(main, nullptr);
    HWND ask = FindMessageBox(kAsk);
    ASSERT_NE(ask, nullptr);
    Command(ask, IDNO);
    ASSERT_TRUE(server.WaitFor("disconnect"));

    PostMessageW(main, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = OwnedDialog(main);
    ASSERT_NE(about, nullptr);
    PostClick(about, IDC_ABOUT_UPDATE);
    ask = FindMessageBox(kAsk, kSlowMs);
    ASSERT_NE(ask, nullptr);
    EXPECT_TRUE(IsWindow(about));  // the question waits beside the About window, owned by neither
    Command(ask, IDNO);
    EXPECT_TRUE(server.WaitFor("disconnect", 2));
    ExpectFolder(app, {"MaterialWeight.exe"});
}

TEST_F(UpDate, AListNamingAPathOutsideTheFolderIsRefusedWhole) {
    const std::vector<Offered> files = {newProgram, {"..\\x.exe", "elsewhere"}};
    server.Put(newProgram.name, newProgram.bytes);
    server.Put("list.ini", List("9.0", files));
    AppUnderTest app;
    ASSERT_NE(Start(app), nullptr);
    ASSERT_TRUE(server.WaitFor("disconnect"));
    EXPECT_EQ(server.Count("sent updateKq/list.ini"), 1);
    EXPECT_EQ(FindMessageBox(kAsk, 0), nullptr);
    EXPECT_EQ(server.Count("sent updateKq/" + std::string(kNewExe)), 0);
    EXPECT_FALSE(FileExists(app.Folder() + L"\\..\\x.exe"));
    ExpectFolder(app, {"MaterialWeight.exe"});
}

TEST_F(UpDate, ATransferCutOffHalfWayReplacesAndStartsNothing) {
    std::string data(300000, '\0');
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7);
    const std::vector<Offered> files = {newProgram, {"data.bin", data}};
    Publish(List("9.0", files), files);
    server.Put("data.bin.cut", "");  // the server stops half-way through this file
    AppUnderTest app;
    WriteBytes(In(app, "data.bin"), "old data");
    const DWORD id = StartAndAgree(app);
    ASSERT_NE(id, 0u);
    ASSERT_TRUE(server.WaitFor("cut updateKq/data.bin"));
    EXPECT_EQ(server.Count("sent updateKq/" + std::string(kNewExe)), 1);  // whole, and still not used
    EXPECT_TRUE(WaitUntil([&] { return !FileExists(In(app, "~update")); }, kSlowMs));
    EXPECT_NE(FindMessageBox(kNotFetched, kSlowMs), nullptr);  // the user who said Yes is told
    EXPECT_EQ(FindMessageBox(kDownloaded, 500), nullptr);
    EXPECT_EQ(ReadBytes(In(app, "data.bin")), "old data");
    ExpectFolder(app, {"MaterialWeight.exe", "data.bin"});
    EXPECT_EQ(FindOtherMainWindow(id, 0), nullptr);
    EXPECT_TRUE(app.Running());
}

TEST_F(UpDate, ADigestMismatchReplacesAndStartsNothing) {
    std::vector<Offered> files = {newProgram, {"readme.txt", "new readme"}};
    const std::string list = List("9.0", files, true);
    files[1].bytes = "a readme changed on the way";
    Publish(list, files);
    AppUnderTest app;
    WriteBytes(In(app, "readme.txt"), "old readme");
    ASSERT_NE(StartAndAgree(app), 0u);
    ASSERT_TRUE(server.WaitFor("disconnect"));
    EXPECT_EQ(server.Count("sent updateKq/readme.txt"), 1);
    EXPECT_EQ(FindMessageBox(kDownloaded, 0), nullptr);
    EXPECT_EQ(ReadBytes(In(app, "readme.txt")), "old readme");
    ExpectFolder(app, {"MaterialWeight.exe", "readme.txt"});
}

TEST_F(UpDate, WithoutAServerTheProgramStartsAndWorksSilently) {
    AppUnderTest app;
    // Nothing listens on port 1 of the tests' private network.
    HWND main = Start(app, "127.0.0.1:1");
    ASSERT_NE(main, nullptr);
    SetText(main, IDC_STAT_EXPR, "1+2");
    EXPECT_TRUE(WaitUntil([&] { return Text(main, IDC_STAT_TOTAL) == "3.00"; }));
    EXPECT_EQ(FindMessageBox(kAsk, 2000), nullptr);
    ExpectFolder(app, {"MaterialWeight.exe"});
    EXPECT_TRUE(app.Running());
}

TEST_F(UpDate, NoListReachesTheUsersFilesByAnyOfTheirNames) {
    const std::vector<Offered> nothing = {newProgram};
    Publish(List("8.8", nothing), nothing);
    AppUnderTest app;
    HWND main = Start(app);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(server.WaitFor("disconnect"));  // the check at start, with nothing to offer
    const std::string weights = "the user's weights, not a list the program reads at this point";
    WriteBytes(In(app, "WeightListKq.txt"), weights);
    ASSERT_TRUE(CreateDirectoryW(In(app, "data").c_str(), nullptr));
    WriteBytes(In(app, "data\\mine.txt"), "mine");
    const std::string settings = ReadBytes(app.SettingsPath());
    // The weight list's short name, as this system makes it (Windows: WEIGHT~1.TXT).
    wchar_t shortPath[MAX_PATH] = {};
    ASSERT_NE(GetShortPathNameW(In(app, "WeightListKq.txt").c_str(), shortPath, MAX_PATH), 0u);
    const std::wstring shortName = std::wstring(shortPath).substr(std::wstring(shortPath).find_last_of(L'\\') + 1);
    ASSERT_NE(shortName, L"WeightListKq.txt");
    std::cout << "the weight list's short name: " << Narrow(shortName) << "\n";

    const struct { std::string name, reason; } cases[] = {
        {Narrow(shortName), "文件名指向本程序自己的文件。"},
        {"ConfigKq.ini.", "文件名无效。"},
        {"WeightListKq.txt", "文件名指向本程序自己的文件。"},
        {"data", "文件名指向已有的文件夹。"},
    };
    for (const auto& c : cases) {
        const std::vector<Offered> files = {newProgram, {c.name, "from the server"}};
        server.Put(newProgram.name, newProgram.bytes);
        if (c.name.back() != '.') server.Put(c.name, "from the server");
        server.Put("list.ini", List("9.0", files));
        EXPECT_EQ(AskByHand(main, {kRefused + c.reason, kAsk}), kRefused + c.reason) << c.name;
        EXPECT_EQ(ReadBytes(In(app, "WeightListKq.txt")), weights) << c.name;
        EXPECT_EQ(ReadBytes(app.SettingsPath()), settings) << c.name;
        EXPECT_EQ(ReadBytes(In(app, "data\\mine.txt")), "mine") << c.name;
        EXPECT_EQ(server.Count("sent updateKq/" + c.name), 0) << c.name;
        ExpectFolder(app, {"MaterialWeight.exe", "WeightListKq.txt", "data"});
    }
    EXPECT_EQ(server.Count("sent updateKq/" + std::string(kNewExe)), 0);
    EXPECT_TRUE(app.Running());
}

TEST_F(UpDate, AListWithoutEndIsStoppedAtItsLimitAndChangesNothing) {
    server.Put("list.ini", List("9.0", {newProgram}));
    server.Put("list.ini.endless", "");
    server.Put(newProgram.name, newProgram.bytes);
    AppUnderTest app;
    HWND main = Start(app);
    ASSERT_NE(main, nullptr);
    // The check at start stops reading, says nothing and offers nothing.
    ASSERT_TRUE(server.WaitFor("stopped updateKq/list.ini"));
    ASSERT_TRUE(server.WaitFor("disconnect"));
    EXPECT_EQ(FindMessageBox(kAsk, 0), nullptr);
    // The user's check says why.
    EXPECT_EQ(AskByHand(main, {kRefused + std::string("列表过大。"), kAsk}), kRefused + std::string("列表过大。"));
    EXPECT_EQ(server.Count("sent updateKq/list.ini"), 0);
    EXPECT_EQ(server.Count("sent updateKq/" + std::string(kNewExe)), 0);
    ExpectFolder(app, {"MaterialWeight.exe"});
    EXPECT_TRUE(app.Running());
}

TEST_F(UpDate, TheUsersCheckAnswersWithoutAServerAndWhileAnotherRuns) {
    const char kNoServer[] = "未设置更新服务器。";
    const char kBusy[] = "正在检查更新,请稍候。";
    {
        RunningApp plain;  // as built by default: no server anywhere
        ASSERT_NE(plain.main, nullptr);
        EXPECT_EQ(AskByHand(plain.main, {kNoServer, kAsk}), kNoServer);
    }
    const std::vector<Offered> files = {newProgram};
    Publish(List("9.0", files), files);
    AppUnderTest app;
    HWND main = Start(app);
    ASSERT_NE(main, nullptr);
    HWND ask = FindMessageBox(kAsk, kSlowMs);  // the check at start waits for its answer
    ASSERT_NE(ask, nullptr);
    EXPECT_EQ(AskByHand(main, {kBusy}), kBusy);
    Command(ask, IDNO);
    ASSERT_TRUE(server.WaitFor("disconnect"));
    EXPECT_EQ(AskByHand(main, {"当前已是最新版本。", kAsk}), kAsk);  // an offer is an answer too
    EXPECT_TRUE(server.WaitFor("disconnect", 2));
    ExpectFolder(app, {"MaterialWeight.exe"});
}

}  // namespace
}  // namespace mw::e2e
