// The program's files in the real program: the manifest read back out of the exe, a weight list
// that cannot be written while its window is closed, and (run apart, in a folder mounted
// read-only) the files kept in the user's application-data folder across a restart.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <map>
#include <string>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"
#include "tests/e2e/support/CutPlanWindow.h"

namespace mw::e2e {
namespace {

const char kWeightListFailure[] = "无法写入重量清单文件 WeightListKq.txt,记录暂存在本次运行中,能写入时一并保存。";

std::string Manifest(const std::string& exe) {
    HMODULE image = LoadLibraryExW(Widen(exe).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!image) return std::string();
    std::string text;
    if (HRSRC found = FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {  // RT_MANIFEST
        if (HGLOBAL loaded = LoadResource(image, found))
            text.assign(static_cast<const char*>(LockResource(loaded)), SizeofResource(image, found));
    }
    FreeLibrary(image);
    return text;
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(ProgramFiles, TheManifestAsksForTheUsersOwnRightsAndNamesVistaToWindows11) {
    const char* exe = getenv("MW_EXE");
    ASSERT_NE(exe, nullptr);
    const std::string manifest = Manifest(exe);
    ASSERT_FALSE(manifest.empty());
    EXPECT_TRUE(Has(manifest, "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"));
    for (const char* id : {"e2011457-1546-43c5-a5fe-008deee3d3f0",    // Vista
                           "35138b9a-5d96-4fbd-8e2d-a2440225f93a",    // 7
                           "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",    // 8
                           "1f676c76-80e1-4239-95bb-83d0f6d0da78",    // 8.1
                           "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})   // 10 and 11
        EXPECT_TRUE(Has(manifest, std::string("<supportedOS Id=\"{") + id + "}\"/>")) << id;
    EXPECT_TRUE(Has(manifest, "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
    EXPECT_TRUE(Has(manifest, "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>"));
}

void Weigh(HWND main, const char* length) {
    HWND page1 = ChildDialogWith(main, IDC_PLATE1_LENGTH);
    ASSERT_NE(page1, nullptr);
    SetText(page1, IDC_PLATE1_LENGTH, length);
    SetText(page1, IDC_PLATE1_WIDTH, "1000");
    SetText(page1, IDC_PLATE1_THICKNESS, "10");
    PostClick(page1, IDC_PLATE1_BUTTON);  // a box may answer it
}

// The list's window never opened: the main window says it, once, and the rows reach the file
// with the next weighing that can be written.
TEST(ProgramFiles, AWeightListThatCannotBeWrittenIsSaidOnceOverTheMainWindow) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    const std::wstring path = r.app.Folder() + L"\\WeightListKq.txt";
    Weigh(r.main, "1000");
    ASSERT_TRUE(WaitUntil([&] { return Has(ReadBytes(path), "1000×1000×10"); }));
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
    Weigh(r.main, "2000");
    HWND box = OwnedDialog(r.main);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Text(box, kMessageBoxText), kWeightListFailure);
    EXPECT_EQ(WindowText(box), "警告");
    Click(box, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 2000));
    Weigh(r.main, "3000");
    EXPECT_EQ(OwnedDialog(r.main, 1000), nullptr);  // once
    EXPECT_FALSE(Has(ReadBytes(path), "2000×1000×10"));

    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    Weigh(r.main, "4000");
    EXPECT_TRUE(WaitUntil([&] {
        const std::string bytes = ReadBytes(path);
        return Has(bytes, "2000×1000×10") && Has(bytes, "3000×1000×10") && Has(bytes, "4000×1000×10");
    }));
    EXPECT_EQ(OwnedDialog(r.main, 300), nullptr);
}

// The program in a folder mounted read-only (MW_READONLY_FOLDER, prepared by the test script with
// the exe and an earlier settings file and weight list beside it).
class ReadOnlyFolder : public testing::Test {
protected:
    void SetUp() override {
        const char* folder = getenv("MW_READONLY_FOLDER");
        if (!folder) GTEST_SKIP() << "runs apart, in a read-only folder (scripts/wine-test.sh)";
        folder_ = Widen(folder);
        wchar_t roaming[MAX_PATH] = {};
        ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, roaming)));
        userFolder_ = std::wstring(roaming) + L"\\" + Widen("Telvar材料重量计算器");
        for (const wchar_t* name : {L"ConfigKq.ini", L"WeightListKq.txt", L"CutJobKq.txt"})
            DeleteFileW((userFolder_ + L"\\" + name).c_str());
        RemoveDirectoryW(userFolder_.c_str());
        before_ = Listing(folder_);
    }
    void TearDown() override {
        Stop();
    }
    static std::map<std::wstring, std::string> Listing(const std::wstring& folder) {
        std::map<std::wstring, std::string> files;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return files;
        do {
            if (found.cFileName[0] != L'.') files[found.cFileName] = ReadBytes(folder + L"\\" + found.cFileName);
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return files;
    }
    std::wstring Exe() const { return folder_ + L"\\MaterialWeight.exe"; }
    // `workingFolder` empty: the exe's own; a start from the Run key has another.
    HWND Start(const std::wstring& workingFolder = L"") {
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        const std::wstring exe = Exe();
        std::wstring commandLine = L"\"" + exe + L"\"";
        const std::wstring cwd = workingFolder.empty() ? folder_ : workingFolder;
        if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, cwd.c_str(),
                            &startup, &process_))
            return nullptr;
        return WaitForShownWindow(process_.dwProcessId, kMainCaption, 20000);
    }
    void Stop() {
        if (!process_.hProcess) return;
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
        process_ = {};
    }
    std::string UserFile(const wchar_t* name) const { return ReadBytes(userFolder_ + L"\\" + name); }

    std::wstring folder_, userFolder_;
    std::map<std::wstring, std::string> before_;
    PROCESS_INFORMATION process_ = {};
};

TEST_F(ReadOnlyFolder, TheFilesLiveInTheUsersFolderAcrossARestartAndTheExesFolderIsUntouched) {
    HWND main = Start();
    ASSERT_NE(main, nullptr);
    // Carried over from beside the exe at the first start.
    EXPECT_EQ(UserFile(L"ConfigKq.ini"), before_[L"ConfigKq.ini"]);
    EXPECT_EQ(UserFile(L"WeightListKq.txt"), before_[L"WeightListKq.txt"]);

    Choose(main, IDC_UNITSYSTEM, 1);
    Weigh(main, "1500");
    EXPECT_EQ(OwnedDialog(main, 1000), nullptr);  // nothing failed
    HWND cut = OpenTool(main, IDM_CUTPLAN, "下料优化");
    ASSERT_NE(cut, nullptr);
    AddPiece(cut, "1234", "2");
    EXPECT_TRUE(WaitUntil([&] { return Has(UserFile(L"CutJobKq.txt"), "piece 1234 2"); }));

    PostClick(main, IDC_ABOUT);
    HWND about = OwnedDialog(main);
    ASSERT_NE(about, nullptr);
    const std::string place = Text(about, IDC_ABOUT_FILES);
    EXPECT_TRUE(Has(place, "程序所在文件夹不可写")) << place;
    EXPECT_TRUE(Has(place, Narrow(userFolder_))) << place;
    SaveScreenshot(about, "about-read-only-folder");
    PostClick(about, IDC_ABOUT_CLOSE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
    Stop();

    main = Start();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Selection(main, IDC_UNITSYSTEM), 1);
    Command(main, IDM_WEIGHTLIST);
    HWND list = WaitForShownWindow(process_.dwProcessId, "重量清单", 5000);
    ASSERT_NE(list, nullptr);
    bool found = false;
    for (int row = 0; row < ItemCount(list, IDC_WEIGHTLIST_LIST); ++row)
        found = found || CellText(list, IDC_WEIGHTLIST_LIST, row, 2) == "1500×1000×10";
    EXPECT_TRUE(found);
    EXPECT_TRUE(Has(UserFile(L"WeightListKq.txt"), before_[L"WeightListKq.txt"].substr(0, 20)));
    Command(main, IDM_CUTPLAN);
    HWND cut2 = WaitForShownWindow(process_.dwProcessId, "下料优化", 5000);
    ASSERT_NE(cut2, nullptr);
    EXPECT_GE(ItemCount(cut2, IDC_CUT_PIECE_LIST), 1);
    Stop();
    EXPECT_EQ(Listing(folder_), before_);  // byte for byte, and nothing new
}

std::wstring RunValue() {
    wchar_t data[1024] = {};
    DWORD size = sizeof data - sizeof(wchar_t), type = 0;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0, KEY_QUERY_VALUE,
                      &key) != ERROR_SUCCESS)
        return {};
    const LONG result = RegQueryValueExW(key, Widen("Telvar材料重量计算器").c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS && type == REG_SZ ? data : L"";
}

// Started as the Run key starts it (another working folder), the program finds its options and
// timed tasks in the user's folder, as it would beside a writable exe.
TEST_F(ReadOnlyFolder, StartWithWindowsAndTimedTasksWorkFromTheUsersFolder) {
    HWND main = Start();
    ASSERT_NE(main, nullptr);
    HWND window = OpenTool(main, IDM_RENWU, "定时任务");
    ASSERT_NE(window, nullptr);
    Click(window, IDC_RENWU_AUTORUN);
    EXPECT_EQ(Narrow(RunValue()), Narrow(L"\"" + Exe() + L"\""));
    SetText(window, IDC_RENWU_TEXT, "从用户文件夹");
    Click(window, IDC_RENWU_ADD);
    const int added = ItemCount(window, IDC_RENWU_LIST);
    EXPECT_GE(added, 1);
    EXPECT_TRUE(Has(UserFile(L"ConfigKq.ini"), "autorun=1"));
    EXPECT_EQ(OwnedDialog(window, 500), nullptr);  // nothing failed
    Stop();

    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    main = Start(system);
    ASSERT_NE(main, nullptr);
    Command(main, IDM_RENWU);
    window = WaitForShownWindow(process_.dwProcessId, "定时任务", 5000);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(Checked(window, IDC_RENWU_AUTORUN));
    EXPECT_EQ(ItemCount(window, IDC_RENWU_LIST), added);
    Click(window, IDC_RENWU_AUTORUN);  // the Run value goes again
    EXPECT_EQ(RunValue(), L"");
    Stop();
    EXPECT_EQ(Listing(folder_), before_);
}

}  // namespace
}  // namespace mw::e2e
