// The real timed tasks window under Wine: tasks added, removed, cleared and read again after a
// restart; reminder boxes while the window is hidden; the Run value behind "系统启动".
#include <gtest/gtest.h>

#include <aclapi.h>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {
namespace {

const char kCaption[] = "定时任务";
const wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t kRunValue[] = L"Telvar材料重量计算器";

std::vector<std::string> Lines(HWND window) {
    std::vector<std::string> lines;
    for (int i = 0, n = ItemCount(window, IDC_RENWU_LIST); i < n; ++i)
        lines.push_back(ItemText(window, IDC_RENWU_LIST, i));
    return lines;
}

SYSTEMTIME LocalTimeIn(int seconds) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    FILETIME file;
    SystemTimeToFileTime(&now, &file);
    ULARGE_INTEGER ticks{{file.dwLowDateTime, file.dwHighDateTime}};
    ticks.QuadPart += seconds * 10000000ull;
    file = {ticks.LowPart, ticks.HighPart};
    FileTimeToSystemTime(&file, &now);
    return now;
}

// Whole seconds from now until the second `at` begins (negative once it has begun).
long long SecondsUntil(const SYSTEMTIME& at) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    now.wMilliseconds = 0;
    FILETIME a, n;
    SystemTimeToFileTime(&at, &a);
    SystemTimeToFileTime(&now, &n);
    const ULARGE_INTEGER ta{{a.dwLowDateTime, a.dwHighDateTime}}, tn{{n.dwLowDateTime, n.dwHighDateTime}};
    return (static_cast<long long>(ta.QuadPart / 10000000) - static_cast<long long>(tn.QuadPart / 10000000));
}

// The program with its timed tasks window shown.
struct TasksWindow {
    TasksWindow() { Start(); }
    void Start() {
        EXPECT_TRUE(app.Start());
        main = app.MainWindow();
        Command(main, IDM_RENWU);
        window = app.WaitForWindow(kCaption, 5000);
    }
    void Restart() {
        app.Kill();
        Start();
    }
    void Add(int kind, int period, const SYSTEMTIME& at, const std::string& text) {
        Choose(window, IDC_RENWU_KIND, kind);
        Choose(window, IDC_RENWU_PERIOD, period);
        Choose(window, IDC_RENWU_MONTH, at.wMonth - 1);
        Choose(window, IDC_RENWU_DAY, at.wDay - 1);
        Choose(window, IDC_RENWU_HOUR, at.wHour);
        Choose(window, IDC_RENWU_MINUTE, at.wMinute);
        Choose(window, IDC_RENWU_SECOND, at.wSecond);
        SetText(window, IDC_RENWU_TEXT, text);
        Click(window, IDC_RENWU_ADD);
    }
    AppUnderTest app;
    HWND main = nullptr;
    HWND window = nullptr;
};

TEST(RENWU, AddRemoveClearAndReadAgainAfterARestart) {
    TasksWindow w;
    ASSERT_NE(w.window, nullptr);
    EXPECT_EQ(ItemText(w.window, IDC_RENWU_KIND, Selection(w.window, IDC_RENWU_KIND)), "定时提醒");
    EXPECT_EQ(Text(w.window, IDC_RENWU_NOW).rfind("现在时间:", 0), 0u);
    EXPECT_EQ(Text(w.window, IDC_RENWU_UPTIME).rfind("系统已运行: ", 0), 0u);

    SYSTEMTIME at = {};
    at.wMonth = 2;
    at.wDay = 30;  // never due
    at.wHour = 8;
    at.wMinute = 30;
    w.Add(0, 0, at, "开会");
    at.wHour = 7;
    at.wMinute = 5;
    w.Add(0, 3, at, "下班");
    Choose(w.window, IDC_RENWU_PERIOD, 1);
    EXPECT_FALSE(Enabled(w.window, IDC_RENWU_HOUR));
    EXPECT_TRUE(Enabled(w.window, IDC_RENWU_SECOND));
    at.wSecond = 9;
    w.Add(0, 1, at, "喝水");
    EXPECT_EQ(Lines(w.window), (std::vector<std::string>{"1、02月30日08:30:00 开会", "2、每天 07:05:00 下班",
                                                         "3、每分钟 09 喝水"}));
    EXPECT_EQ(w.app.SettingsAttributes() & FILE_ATTRIBUTE_HIDDEN, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    // Beside the centred main window the tasks window reaches past the screen's right edge.
    SetWindowPos(w.main, nullptr, 0, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    WaitUntil([&] { return WindowRect(w.window).left == WindowRect(w.main).right; }, 2000);
    SaveScreenshot(w.window, "timed-tasks");

    SelectLine(w.window, IDC_RENWU_LIST, 1);
    Click(w.window, IDC_RENWU_REMOVE);
    EXPECT_EQ(Lines(w.window), (std::vector<std::string>{"1、02月30日08:30:00 开会", "2、每分钟 09 喝水"}));

    w.Restart();
    ASSERT_NE(w.window, nullptr);
    EXPECT_EQ(Lines(w.window), (std::vector<std::string>{"1、02月30日08:30:00 开会", "2、每分钟 09 喝水"}));
    Click(w.window, IDC_RENWU_CLEAR);
    EXPECT_TRUE(Lines(w.window).empty());
    EXPECT_FALSE(w.app.SettingsExists());
}

TEST(RENWU, AReminderDueInTwoSecondsShowsItsBoxWhileTheWindowIsHidden) {
    TasksWindow w;
    ASSERT_NE(w.window, nullptr);
    // Hidden first: hiding a window can hold the program for a second or two under a display
    // without a window manager, and a second the program was busy in is not caught up.
    Command(w.main, IDM_RENWU);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(w.window); }, 5000));
    // On a busy machine adding may take longer than the two seconds; then the task is set again.
    bool inTime = false;
    for (int attempt = 0; attempt < 3 && !inTime; ++attempt) {
        Click(w.window, IDC_RENWU_CLEAR);
        const SYSTEMTIME due = LocalTimeIn(2);
        w.Add(0, 0, due, "该开会了");
        inTime = SecondsUntil(due) >= 1;
    }
    ASSERT_TRUE(inTime);
    ASSERT_EQ(Lines(w.window).size(), 1u);

    HWND box = w.app.WaitForWindow("定时提醒", 6000);
    ASSERT_NE(box, nullptr);
    const std::string text = Text(box, kMessageBoxText);
    EXPECT_NE(text.find("\n该开会了"), std::string::npos) << text;
    EXPECT_TRUE(Lines(w.window).empty());  // once only: gone from the list and the file
    EXPECT_FALSE(w.app.SettingsExists());
    SaveScreenshot(box, "timed-tasks-reminder");
    Click(box, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 2000));
}

TEST(RENWU, AProgramThatIsGoneIsNamedInTheReminderBox) {
    const int second = LocalTimeIn(6).wSecond;
    const std::string s = std::to_string(second);
    AppUnderTest app;
    app.WriteSettings(Cp936("[任务01]\r\nrenwuxiang01=5\r\nzhouqi01=1\r\nsecond01=" + s +
                            "\r\ntxy01=C:\\不存在\\程序.exe\r\n"
                            "[任务02]\r\nrenwuxiang02=0\r\nzhouqi02=1\r\nsecond02=" + s + "\r\ntxy02=交班\r\n"));
    ASSERT_TRUE(app.Start());
    ASSERT_NE(app.MainWindow(), nullptr);
    // Every minute at that second: a slow start only makes it a minute later.
    HWND box = app.WaitForWindow("定时提醒", 70000);
    ASSERT_NE(box, nullptr);
    const std::string text = Text(box, kMessageBoxText);
    EXPECT_NE(text.find("\n找不到要运行的程序：C:\\不存在\\程序.exe\n交班"), std::string::npos) << text;
    Click(box, IDOK);
}

// Takes every denial out of a Run key's access list (a run that died while a key was denied
// would otherwise leave the denial in the Wine prefix).
void AllowRunKey(HKEY root) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, kRunKey, 0, READ_CONTROL | WRITE_DAC, &key) != ERROR_SUCCESS) return;
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl, nullptr,
                        &descriptor) == ERROR_SUCCESS && dacl) {
        bool changed = false;
        for (int i = dacl->AceCount - 1; i >= 0; --i) {
            ACE_HEADER* ace = nullptr;
            if (GetAce(dacl, i, reinterpret_cast<void**>(&ace)) && ace->AceType == ACCESS_DENIED_ACE_TYPE)
                changed = DeleteAce(dacl, i) || changed;
        }
        if (changed)
            SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, dacl, nullptr);
    }
    if (descriptor) LocalFree(descriptor);
    RegCloseKey(key);
}

// Denies everyone the right to set values in one Run key for as long as it lives.
class RunKeyDenied {
public:
    explicit RunKeyDenied(HKEY root) : root_(root) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(root, kRunKey, 0, READ_CONTROL | WRITE_DAC, &key) != ERROR_SUCCESS) return;
        PACL dacl = nullptr, denied = nullptr;
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
        PSID everyone = nullptr;
        AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
        EXPLICIT_ACCESSW deny = {};
        deny.grfAccessPermissions = KEY_SET_VALUE | KEY_CREATE_SUB_KEY;
        deny.grfAccessMode = DENY_ACCESS;
        deny.Trustee.TrusteeForm = TRUSTEE_IS_SID;
        deny.Trustee.ptstrName = static_cast<LPWSTR>(everyone);
        if (GetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl, nullptr,
                            &descriptor) == ERROR_SUCCESS &&
            SetEntriesInAclW(1, &deny, dacl, &denied) == ERROR_SUCCESS)
            SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr, denied, nullptr);
        if (denied) LocalFree(denied);
        if (descriptor) LocalFree(descriptor);
        FreeSid(everyone);
        RegCloseKey(key);
    }
    ~RunKeyDenied() { AllowRunKey(root_); }
    // True when the denial holds for this process, and so for the program.
    bool Holds() const {
        HKEY key = nullptr;
        const LONG result = RegOpenKeyExW(root_, kRunKey, 0, KEY_SET_VALUE, &key);
        if (result == ERROR_SUCCESS) RegCloseKey(key);
        return result == ERROR_ACCESS_DENIED;
    }

private:
    HKEY root_;
};

std::wstring RunValue(HKEY root) {
    wchar_t data[1024] = {};
    DWORD size = sizeof data - sizeof(wchar_t), type = 0;
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, kRunKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return {};
    const LONG result = RegQueryValueExW(key, kRunValue, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && type == REG_SZ ? data : L"";
}

// Both Run keys writable and without the program's value, before and after a test.
void ResetRunKeys() {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        AllowRunKey(root);
        HKEY key = nullptr;
        if (RegOpenKeyExW(root, kRunKey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) continue;
        RegDeleteValueW(key, kRunValue);
        RegCloseKey(key);
    }
}

struct RunKeysReset {
    RunKeysReset() { ResetRunKeys(); }
    ~RunKeysReset() { ResetRunKeys(); }
};

TEST(RENWU, StartWithWindowsWritesTheMachineValueWhereTheRightsAllow) {
    RunKeysReset clean;
    TasksWindow w;
    ASSERT_NE(w.window, nullptr);
    const std::wstring command = L"\"" + w.app.Folder() + L"\\MaterialWeight.exe\"";
    Click(w.window, IDC_RENWU_AUTORUN);
    EXPECT_TRUE(Checked(w.window, IDC_RENWU_AUTORUN));
    EXPECT_EQ(Narrow(RunValue(HKEY_LOCAL_MACHINE)), Narrow(command));
    EXPECT_EQ(RunValue(HKEY_CURRENT_USER), L"");
    EXPECT_NE(w.app.SettingsBytes().find("autorun=1"), std::string::npos);
    Click(w.window, IDC_RENWU_AUTORUN);
    EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE), L"");
    EXPECT_FALSE(w.app.SettingsExists());
}

TEST(RENWU, StartWithWindowsFallsBackToTheUsersRunKey) {
    RunKeysReset clean;
    TasksWindow w;
    ASSERT_NE(w.window, nullptr);
    const std::wstring command = L"\"" + w.app.Folder() + L"\\MaterialWeight.exe\"";
    {
        RunKeyDenied machine(HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(machine.Holds());
        Click(w.window, IDC_RENWU_AUTORUN);
        EXPECT_TRUE(Checked(w.window, IDC_RENWU_AUTORUN));
        EXPECT_EQ(RunValue(HKEY_LOCAL_MACHINE), L"");
        EXPECT_EQ(Narrow(RunValue(HKEY_CURRENT_USER)), Narrow(command));
        EXPECT_NE(w.app.SettingsBytes().find("autorun=1"), std::string::npos);
        Click(w.window, IDC_RENWU_AUTORUN);
        EXPECT_FALSE(Checked(w.window, IDC_RENWU_AUTORUN));
        EXPECT_EQ(RunValue(HKEY_CURRENT_USER), L"");
        EXPECT_FALSE(w.app.SettingsExists());

        // Neither key can be written: the box stays unticked and a warning says why.
        RunKeyDenied user(HKEY_CURRENT_USER);
        ASSERT_TRUE(user.Holds());
        PostClick(w.window, IDC_RENWU_AUTORUN);
        HWND warning = w.app.WaitForWindow("警告", 5000);
        ASSERT_NE(warning, nullptr);
        EXPECT_NE(Text(warning, kMessageBoxText).find("开机启动"), std::string::npos);
        Click(warning, IDOK);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(warning); }, 2000));
        EXPECT_FALSE(Checked(w.window, IDC_RENWU_AUTORUN));
        EXPECT_FALSE(w.app.SettingsExists());
    }
}

// Enter goes to the focused control as a plain key: the button "添加任务", which has the focus
// and is the default button after its click, is not pressed again, and neither Enter nor Esc
// hides the window.
TEST(RENWU, EnterAfterAddingDoesNotAddTheTaskAgain) {
    TasksWindow w;
    ASSERT_NE(w.window, nullptr);
    SYSTEMTIME at = {};
    at.wMonth = 2;
    at.wDay = 30;  // never due
    w.Add(0, 0, at, "开会");
    ASSERT_EQ(ItemCount(w.window, IDC_RENWU_LIST), 1);
    HWND focus = FocusOf(w.window);
    ASSERT_NE(focus, nullptr);
    // A push button clicked becomes the dialog's default button on Windows; Wine leaves that
    // out, so the test says it to the dialog itself.
    SendMessageW(w.window, DM_SETDEFID, IDC_RENWU_ADD, 0);
    Key(focus, VK_RETURN);
    Key(GetDlgItem(w.window, IDC_RENWU_TEXT), VK_RETURN);
    Key(GetDlgItem(w.window, IDC_RENWU_TEXT), VK_ESCAPE);
    Sleep(500);
    Text(w.window, IDC_RENWU_TEXT);  // a round trip: the keys posted before have been handled
    EXPECT_EQ(ItemCount(w.window, IDC_RENWU_LIST), 1);
    EXPECT_TRUE(IsWindowVisible(w.window));
}

// A settings file the user made read-only: a task added is said not to be written yet, once, and
// stays in the list for the run; the file stays as it was, read-only.
TEST(RENWU, AReadOnlySettingsFileIsSaidOnceAndTheTaskIsKeptForTheRun) {
    AppUnderTest app;
    const std::string stored = Cp936("[任务01]\r\nrenwuxiang01=0\r\nzhouqi01=3\r\nhour01=8\r\nminute01=0\r\n"
                                     "second01=0\r\ntxy01=早会\r\n");
    app.WriteSettings(stored);
    SetFileAttributesW(app.SettingsPath().c_str(), FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(app.Start());
    HWND main = app.MainWindow();
    ASSERT_NE(main, nullptr);
    Command(main, IDM_RENWU);
    HWND window = app.WaitForWindow(kCaption, 5000);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Lines(window), std::vector<std::string>{"1、每天 08:00:00 早会"});

    SetText(window, IDC_RENWU_TEXT, "暂存");
    PostClick(window, IDC_RENWU_ADD);
    HWND box = OwnedDialog(window);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Text(box, kMessageBoxText), "无法写入设置文件 ConfigKq.ini,更改暂存在本次运行中,能写入时一并保存。");
    EXPECT_EQ(WindowText(box), "警告");
    Click(box, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 2000));
    EXPECT_EQ(Lines(window).size(), 2u);

    SetText(window, IDC_RENWU_TEXT, "又一项");
    PostClick(window, IDC_RENWU_ADD);  // said once: no second box
    EXPECT_EQ(OwnedDialog(window, 1000), nullptr);
    EXPECT_EQ(Lines(window).size(), 3u);
    EXPECT_EQ(app.SettingsBytes(), stored);
    EXPECT_TRUE(app.SettingsAttributes() & FILE_ATTRIBUTE_READONLY);
    SetFileAttributesW(app.SettingsPath().c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace mw::e2e
