// The program starts under Wine from a fresh folder and shows its main window, page one in it.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {

namespace {

// The main window at the first look that finds it shown, looking every millisecond from the start;
// null after 15 seconds.
HWND MainWindowAsItShows(const AppUnderTest& app) {
    HWND main = nullptr;
    const DWORD start = GetTickCount();
    while (!(main = ShownWindow(app.ProcessId(), kMainCaption)) && GetTickCount() - start < 15000) Sleep(1);
    return main;
}

// The program watched from the moment its process starts: the main window at the first look that
// finds it shown, and page one and its length edit as they are then.
struct FirstLook {
    FirstLook() {
        if (!app.Start()) return;
        main = MainWindowAsItShows(app);
        page = main ? ChildDialogWith(main, IDC_PLATE1_LENGTH) : nullptr;
        edit = page ? GetDlgItem(page, IDC_PLATE1_LENGTH) : nullptr;
    }
    AppUnderTest app;
    HWND main = nullptr;
    HWND page = nullptr;
    HWND edit = nullptr;
};

}  // namespace

TEST(Startup, ShowsMainWindowWithItsCaption) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    EXPECT_EQ(WindowText(r.main), "材料重量计算助手v8.8");
    SaveScreenshot(r.main, "main-window");
}

// Watched from the moment the process starts: the first look that finds the main window shown
// finds page one and its length edit shown in it, and a key typed at once lands in the edit.
TEST(Startup, PageOneIsUsableAsSoonAsTheWindowShows) {
    FirstLook look;
    ASSERT_NE(look.main, nullptr);
    ASSERT_NE(look.page, nullptr) << "page one is not there when the window shows";
    EXPECT_TRUE(IsWindowVisible(look.page));
    EXPECT_TRUE(IsWindowVisible(look.edit));
    PostMessageW(look.edit, WM_CHAR, L'7', 1);
    EXPECT_TRUE(WaitUntil([&] { return Text(look.page, IDC_PLATE1_LENGTH) == "7"; }, 5000));
    EXPECT_EQ(Text(look.main, IDC_HINT), "7");  // the calculator heard it
    SaveScreenshot(look.main, "main-window-first-key");
}

// The rest of the start (the other pages, the banner, the tool windows) goes on in steps after the
// window has painted, each giving way to typing: a key typed once the window has painted lands
// while the last tool window is still to be built, not after all of it.
TEST(Startup, AKeyTypedOnceTheWindowHasPaintedLandsBeforeTheStartIsDone) {
    FirstLook look;
    ASSERT_NE(look.page, nullptr);
    HWND button = GetDlgItem(look.main, IDC_CALCULATOR);  // its custom-draw notice goes to the window
    const DWORD start = GetTickCount();
    while (!(Painted(look.main) && Painted(look.page) && Painted(look.edit) && Painted(button)) &&
           GetTickCount() - start < 15000)
        Sleep(1);
    PostMessageW(look.edit, WM_CHAR, L'7', 1);
    while (Text(look.page, IDC_PLATE1_LENGTH) != "7" && GetTickCount() - start < 15000) Sleep(1);
    EXPECT_EQ(Text(look.page, IDC_PLATE1_LENGTH), "7");
    EXPECT_EQ(look.app.AnyWindow("型号速查"), nullptr) << "the key waited for the whole start";
    EXPECT_TRUE(WaitUntil([&] { return look.app.AnyWindow("型号速查") != nullptr; }, 15000));  // it goes on
}

// The tool windows are built hidden during the start, each a dialog whose first control takes the
// focus: the window the user is in stays the active one, its focus where it was.
TEST(Startup, TheToolWindowsBuiltLaterTakeNeitherActivationNorFocus) {
    FirstLook look;
    ASSERT_NE(look.edit, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return look.app.AnyWindow("焊管尺寸") != nullptr; }));  // the first of them
    SetForegroundWindow(look.main);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == look.main; }));
    const DWORD thread = GetWindowThreadProcessId(look.main, nullptr);
    GUITHREADINFO before{}, after{};
    before.cbSize = after.cbSize = sizeof before;
    ASSERT_TRUE(GetGUIThreadInfo(thread, &before));
    ASSERT_TRUE(look.app.WaitForStart());
    ASSERT_TRUE(GetGUIThreadInfo(thread, &after));
    EXPECT_EQ(after.hwndActive, look.main) << Caption(after.hwndActive);
    EXPECT_EQ(after.hwndFocus, before.hwndFocus);
}

// A tool window asked for the moment the window shows, while the rest of the start is still to
// be built, opens all the same (the start is finished first, or the window built at once when a
// step of the start is waiting on another program).
TEST(Startup, AToolAskedForAtOnceOpens) {
    FirstLook look;
    ASSERT_NE(look.main, nullptr);
    Command(look.main, IDM_AILIAOMIDU);
    EXPECT_NE(look.app.WaitForWindow("常用材料密度", 5000), nullptr);
}

}  // namespace mw::e2e
