// The update check from list to started program, in a real folder with a scripted server: what is
// fetched, asked, put in place, started, and what stays as it was when anything goes wrong.
#include <gtest/gtest.h>

#include "tests/update/UpDateFixture.h"

namespace mw::update_test {
namespace {

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

}  // namespace
}  // namespace mw::update_test
