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

bool Painted(HWND window) { return IsWindowVisible(window) && !GetUpdateRect(window, nullptr, FALSE); }

// One of the program's windows, shown or not, by its caption.
HWND WindowOf(const AppUnderTest& app, const std::string& caption) {
    return TopLevelWindow([&](HWND window) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        return process == app.ProcessId() && WindowText(window) == caption;
    });
}

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
    AppUnderTest app;
    ASSERT_TRUE(app.Start());
    HWND main = MainWindowAsItShows(app);
    ASSERT_NE(main, nullptr);
    HWND page = ChildDialogWith(main, IDC_PLATE1_LENGTH);
    ASSERT_NE(page, nullptr) << "page one is not there when the window shows";
    HWND edit = GetDlgItem(page, IDC_PLATE1_LENGTH);
    EXPECT_TRUE(IsWindowVisible(page));
    EXPECT_TRUE(IsWindowVisible(edit));
    PostMessageW(edit, WM_CHAR, L'7', 1);
    EXPECT_TRUE(WaitUntil([&] { return Text(page, IDC_PLATE1_LENGTH) == "7"; }, 5000));
    EXPECT_EQ(Text(main, IDC_HINT), "7");  // the calculator heard it
    SaveScreenshot(main, "main-window-first-key");
}

// The rest of the start (the other pages, the banner, the tool windows) goes on in steps after the
// window has painted, each giving way to typing: a key typed once the window has painted lands
// while the last tool window is still to be built, not after all of it.
TEST(Startup, AKeyTypedOnceTheWindowHasPaintedLandsBeforeTheStartIsDone) {
    AppUnderTest app;
    ASSERT_TRUE(app.Start());
    HWND main = MainWindowAsItShows(app);
    ASSERT_NE(main, nullptr);
    HWND page = ChildDialogWith(main, IDC_PLATE1_LENGTH);
    ASSERT_NE(page, nullptr);
    HWND edit = GetDlgItem(page, IDC_PLATE1_LENGTH);
    HWND button = GetDlgItem(main, IDC_CALCULATOR);
    const DWORD start = GetTickCount();
    while (!(Painted(main) && Painted(page) && Painted(edit) && Painted(button)) && GetTickCount() - start < 15000)
        Sleep(1);
    PostMessageW(edit, WM_CHAR, L'7', 1);
    while (Text(page, IDC_PLATE1_LENGTH) != "7" && GetTickCount() - start < 15000) Sleep(1);
    EXPECT_EQ(Text(page, IDC_PLATE1_LENGTH), "7");
    EXPECT_EQ(WindowOf(app, "型号速查"), nullptr) << "the key waited for the whole start";
    EXPECT_TRUE(WaitUntil([&] { return WindowOf(app, "型号速查") != nullptr; }, 15000));  // the start goes on
}

// A tool window asked for the moment the window shows, while the rest of the start is still to
// be built, opens all the same (the start is finished first, or the window built at once when a
// step of the start is waiting on another program).
TEST(Startup, AToolAskedForAtOnceOpens) {
    AppUnderTest app;
    ASSERT_TRUE(app.Start());
    HWND main = MainWindowAsItShows(app);
    ASSERT_NE(main, nullptr);
    Command(main, IDM_AILIAOMIDU);
    EXPECT_NE(app.WaitForWindow("常用材料密度", 5000), nullptr);
}

}  // namespace mw::e2e
