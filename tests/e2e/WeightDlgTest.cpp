// The real main window under Wine: start state, settings bar, statistics, on top, tool windows,
// collapse, Esc, the settings file, a second copy.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {
namespace {

TEST(WeightDlg, StartStateAndSettingsBar) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    EXPECT_EQ(Text(r.main, IDC_DENSITY), "7.85");
    EXPECT_EQ(ItemText(r.main, IDC_DECIMALS, Selection(r.main, IDC_DECIMALS)), "2");
    EXPECT_EQ(ItemText(r.main, IDC_UNITSYSTEM, Selection(r.main, IDC_UNITSYSTEM)), "kg;mm");
    EXPECT_EQ(Text(r.main, IDC_TOPMOST), "置 顶");
    EXPECT_FALSE(Enabled(r.main, IDC_COLLAPSE));
    EXPECT_TRUE(Checked(r.main, IDC_STAT_SWITCH));

    SetText(r.main, IDC_STAT_EXPR, "12.5+7.5");
    EXPECT_EQ(Text(r.main, IDC_STAT_TOTAL), "20.00");
    SetClipboardText("");
    Click(r.main, IDC_STAT_COPY);
    EXPECT_EQ(ClipboardText(), "20.00");
    Choose(r.main, IDC_DECIMALS, 4);
    EXPECT_EQ(Text(r.main, IDC_STAT_TOTAL), "20.0000");

    // The button's text is the state: it says what the next click does.
    const RECT before = WindowRect(r.main);
    Click(r.main, IDC_TOPMOST);
    EXPECT_TRUE(IsTopMost(r.main));
    EXPECT_EQ(Text(r.main, IDC_TOPMOST), "不置顶");
    Click(r.main, IDC_TOPMOST);
    EXPECT_FALSE(IsTopMost(r.main));
    EXPECT_EQ(Text(r.main, IDC_TOPMOST), "置 顶");
    Click(r.main, IDC_TOPMOST);
    EXPECT_TRUE(IsTopMost(r.main));
    EXPECT_EQ(Text(r.main, IDC_TOPMOST), "不置顶");
    Click(r.main, IDC_TOPMOST);
    EXPECT_FALSE(IsTopMost(r.main));
    EXPECT_EQ(Text(r.main, IDC_TOPMOST), "置 顶");
    // Neither moved nor resized.
    const RECT after = WindowRect(r.main);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(after.bottom, before.bottom);

    Key(GetDlgItem(r.main, IDC_STAT_EXPR), VK_ESCAPE);
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(r.main));
    EXPECT_TRUE(r.app.Running());
}

TEST(WeightDlg, ToolWindowShowsBesideAndFollows) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    const RECT main = WindowRect(r.main);
    Command(r.main, IDM_AILIAOMIDU);
    HWND tool = r.app.WaitForWindow("常用材料密度", 3000);
    ASSERT_NE(tool, nullptr);
    RECT at = WindowRect(tool);
    EXPECT_EQ(at.left, main.right);
    EXPECT_EQ(at.top, main.top);

    SetWindowPos(r.main, nullptr, main.left + 40, main.top + 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_TRUE(WaitUntil([&] { return WindowRect(tool).top == main.top + 30; }, 2000));
    EXPECT_EQ(WindowRect(tool).left, main.right + 40);

    Click(r.main, IDC_ATTACH);  // detached: the tool window stays
    SetWindowPos(r.main, nullptr, main.left, main.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Sleep(600);
    EXPECT_EQ(WindowRect(tool).top, main.top + 30);

    Command(r.main, IDM_AILIAOMIDU);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(tool); }, 2000));
}

TEST(WeightDlg, CollapsesAfterTenSeconds) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    const RECT full = WindowRect(r.main);
    EXPECT_TRUE(WaitUntil([&] { return Enabled(r.main, IDC_COLLAPSE); }, 14000));
    EXPECT_EQ(Text(r.main, IDC_COLLAPSE), "↓");
    const RECT collapsed = WindowRect(r.main);
    EXPECT_LT(collapsed.bottom - collapsed.top, full.bottom - full.top);
    Click(r.main, IDC_COLLAPSE);
    EXPECT_EQ(WindowRect(r.main).bottom - WindowRect(r.main).top, full.bottom - full.top);
    EXPECT_EQ(Text(r.main, IDC_COLLAPSE), "↑");
}

TEST(WeightDlg, UnitSystemIsStoredHiddenAndSurvivesARestart) {
    {
        RunningApp r;
        ASSERT_NE(r.main, nullptr);
        Choose(r.main, IDC_UNITSYSTEM, 1);
        EXPECT_EQ(r.app.SettingsBytes(), "[Setting]\r\ndanwei=1\r\n");
        EXPECT_TRUE(r.app.SettingsAttributes() & FILE_ATTRIBUTE_HIDDEN);
        Choose(r.main, IDC_UNITSYSTEM, 2);  // writing a hidden file works
        EXPECT_EQ(r.app.SettingsBytes(), "[Setting]\r\ndanwei=2\r\n");
        r.app.Kill();
        ASSERT_TRUE(r.app.Start());
        HWND again = r.app.MainWindow();
        ASSERT_NE(again, nullptr);
        EXPECT_EQ(Selection(again, IDC_UNITSYSTEM), 2);
        Choose(again, IDC_UNITSYSTEM, 0);
        EXPECT_FALSE(r.app.SettingsExists());  // nothing else stored: the file goes
    }
    RunningApp r;
    r.app.Kill();
    r.app.WriteSettings("[Setting]\r\nhidetubiao=1\r\ndanwei=1\r\n");
    ASSERT_TRUE(r.app.Start());
    HWND main = r.app.MainWindow();
    ASSERT_NE(main, nullptr);
    Choose(main, IDC_UNITSYSTEM, 0);
    EXPECT_EQ(r.app.SettingsBytes(), "[Setting]\r\nhidetubiao=1\r\n");
}

TEST(WeightDlg, SecondCopyWarnsAndStillOpens) {
    RunningApp first;
    ASSERT_NE(first.main, nullptr);
    AppUnderTest second;
    ASSERT_TRUE(second.Start());
    HWND warning = second.WaitForWindow("Telvar材料重量计算器", 10000);
    ASSERT_NE(warning, nullptr);
    PostMessageW(warning, WM_COMMAND, IDOK, 0);
    EXPECT_NE(second.MainWindow(), nullptr);
}

// A window of another program, owned by a thread of this process that answers its messages
// (showing or moving it from another process waits for that).
class ForeignWindow {
public:
    explicit ForeignWindow(const std::string& caption) : caption_(Widen(caption)) {
        ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        thread_ = CreateThread(nullptr, 0, &ForeignWindow::Run, this, 0, &threadId_);
        WaitForSingleObject(ready_, 5000);
    }
    ~ForeignWindow() {
        PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        WaitForSingleObject(thread_, 5000);
        CloseHandle(thread_);
        CloseHandle(ready_);
    }
    HWND window() const { return window_; }

private:
    static DWORD WINAPI Run(void* param) {
        auto* self = static_cast<ForeignWindow*>(param);
        WNDCLASSW cls = {};
        cls.lpfnWndProc = DefWindowProcW;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.lpszClassName = L"MwE2eForeignWindow";
        RegisterClassW(&cls);
        self->window_ = CreateWindowExW(0, cls.lpszClassName, self->caption_.c_str(), WS_OVERLAPPEDWINDOW,
                                        20, 20, 240, 160, nullptr, nullptr, cls.hInstance, nullptr);
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue, before anyone posts to it
        SetEvent(self->ready_);
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        DestroyWindow(self->window_);
        return 0;
    }

    std::wstring caption_;
    HWND window_ = nullptr;
    HANDLE ready_ = nullptr;
    HANDLE thread_ = nullptr;
    DWORD threadId_ = 0;
};

TEST(WeightDlg, SecondCopyBringsTheOlderProgramForwardOnTop) {
    // The older program: its window, hidden, and its instance mutex.
    ForeignWindow older("Telvar材料重量计算器V3.76");
    ASSERT_NE(older.window(), nullptr);
    ASSERT_FALSE(IsWindowVisible(older.window()));
    HANDLE mutex = CreateMutexW(nullptr, FALSE, L"renwu");
    ASSERT_NE(mutex, nullptr);
    AppUnderTest second;
    ASSERT_TRUE(second.Start());
    HWND warning = second.WaitForWindow("Telvar材料重量计算器", 10000);
    ASSERT_NE(warning, nullptr);
    EXPECT_EQ(Caption(older.window()), "Telvar材料重量计算器V3.76");
    EXPECT_FALSE(IsWindowVisible(older.window()));  // only once the warning is answered
    PostMessageW(warning, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(older.window()) && IsTopMost(older.window()); }, 5000));
    const RECT at = WindowRect(older.window());
    EXPECT_EQ(at.left, 300);
    EXPECT_EQ(at.top, 200);
    EXPECT_EQ(at.right - at.left, 240);
    EXPECT_EQ(at.bottom - at.top, 160);
    EXPECT_NE(second.MainWindow(), nullptr);
    CloseHandle(mutex);
}

TEST(WeightDlg, RenamedExeFindsItsSettingsBeside) {
    AppUnderTest app("Weight2.exe");
    app.WriteSettings("[Setting]\r\ndanwei=2\r\n");
    ASSERT_TRUE(app.Start());
    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Selection(main, IDC_UNITSYSTEM), 2);
}

// Every copy the program offers leaves its text on the clipboard with a window of the program as
// the owner: a copy made without an owner leaves the clipboard empty on Windows.
TEST(WeightDlg, EveryCopyIsOwnedByTheProgram) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    const DWORD program = r.app.ProcessId();
    auto copied = [&](const std::string& what) {
        EXPECT_EQ(ClipboardOwnerProcess(), program) << what;
        return ClipboardText();
    };

    SetText(r.main, IDC_STAT_EXPR, "12.5+7.5");
    SetClipboardText("");
    Click(r.main, IDC_STAT_COPY);
    EXPECT_EQ(copied("statistics total"), "20.00");

    HWND page = ChildDialogWith(r.main, IDC_PLATE1_LENGTH);
    ASSERT_NE(page, nullptr);
    SetText(page, IDC_PLATE1_LENGTH, "1000");
    SetText(page, IDC_PLATE1_WIDTH, "1000");
    SetText(page, IDC_PLATE1_THICKNESS, "10");
    SetClipboardText("");
    Click(page, IDC_PLATE1_BUTTON);
    EXPECT_EQ(copied("重量 button"), "78.50");
    EXPECT_EQ(Text(r.main, IDC_STAT_EXPR), "12.5+7.5+78.5");

    HWND list = OpenTool(r.main, IDM_WEIGHTLIST, "重量清单");
    ASSERT_NE(list, nullptr);
    SetClipboardText("");
    Click(list, IDC_WEIGHTLIST_COPY);
    EXPECT_NE(copied("weight list").find("78.50"), std::string::npos);

    Command(r.main, IDM_ZHOUCHENG);
    HWND bearings = r.app.WaitForWindow("轴承查询", 5000);
    ASSERT_NE(bearings, nullptr);
    SelectLine(bearings, IDC_ZHOUCHENG_LIST, 55);
    SetClipboardText("");
    SendMessageW(bearings, WM_COMMAND, MAKEWPARAM(IDC_ZHOUCHENG_LIST, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(GetDlgItem(bearings, IDC_ZHOUCHENG_LIST)));
    EXPECT_EQ(copied("bearing line"), "6204   204       20×47×14    0.103 ");
}

}  // namespace
}  // namespace mw::e2e
