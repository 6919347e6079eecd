// Drives the real MaterialWeight.exe from another process: starts a copy of it in a fresh
// folder, finds its windows by caption and its controls by ID, sends real messages.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace mw::e2e {

// The main window's caption, by which a copy of the program is found.
constexpr char kMainCaption[] = "材料重量计算助手v8.8";
// The window class of dialogs, message boxes among them.
constexpr char kDialogClass[] = "#32770";
// Control IDs in the system's own dialogs: the file name box of the open and save dialogs, and
// the text of a message box.
constexpr int kFileNameBox = 1148;
constexpr int kMessageBoxText = 0xFFFF;

class AppUnderTest {
public:
    // Copies the exe (path in MW_EXE) into a new temporary folder; `exeName` renames the copy.
    explicit AppUnderTest(const std::string& exeName = "MaterialWeight.exe");
    ~AppUnderTest();  // ends the program and removes the folder
    AppUnderTest(const AppUnderTest&) = delete;
    AppUnderTest& operator=(const AppUnderTest&) = delete;

    bool Start();
    // The main window once it shows, or null after the timeout.
    HWND MainWindow(int timeoutMs = 15000);
    // A top-level window of this program with exactly this caption.
    HWND WaitForWindow(const std::string& caption, int timeoutMs = 15000) const;
    // Likewise shown or not, at once: null when there is none yet.
    HWND AnyWindow(const std::string& caption) const;
    // Until the start's last step has built the lookup window (or the program has ended, or
    // the timeout is over); false if it has not.
    bool WaitForStart(int timeoutMs = 10000) const;
    bool Running() const;
    void Kill();
    // After the program has started a new copy of itself and ended: waits for the end, then
    // takes on the new copy (a process of this object's exe) as the program under test.
    bool FollowRestart(int timeoutMs = 15000);
    HANDLE Process() const { return process_.hProcess; }
    DWORD ProcessId() const { return process_.dwProcessId; }
    // The machine type in the PE header of the exe this object started.
    WORD ImageMachine() const;
    // The functions the exe imports by name, each as "dll!function" (dll name in lower case).
    std::vector<std::string> ImportedFunctions() const;

    const std::wstring& Folder() const { return folder_; }
    std::wstring SettingsPath() const { return folder_ + L"\\ConfigKq.ini"; }
    // The settings file's bytes (code page 936); empty when there is none.
    std::string SettingsBytes() const;
    bool SettingsExists() const;
    DWORD SettingsAttributes() const;
    void WriteSettings(const std::string& cp936Bytes) const;

private:
    std::wstring folder_;
    std::wstring exe_;
    PROCESS_INFORMATION process_ = {};
};

// A copy of the program started with this settings file (code page 936; none when empty), and
// its main window once it shows (null when it does not).
// The program as a user meets it a moment after starting it: its window shown and the rest of its
// start (icon, pages, banner, tool windows) built.
struct RunningApp {
    explicit RunningApp(const std::string& settings = "") {
        if (!settings.empty()) app.WriteSettings(settings);
        if (app.Start()) main = app.MainWindow();
        if (main) app.WaitForStart();
    }
    AppUnderTest app;
    HWND main = nullptr;
};

// Whole files, byte for byte; a missing file reads as empty.
std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
bool FileExists(const std::wstring& path);

// Window search: the first top-level window (or child of `parent`) that `wanted` accepts, or null;
// WaitForTopLevel keeps looking until the timeout.
HWND TopLevelWindow(const std::function<bool(HWND)>& wanted);
HWND ChildWindow(HWND parent, const std::function<bool(HWND)>& wanted);
HWND WaitForTopLevel(const std::function<bool(HWND)>& wanted, int timeoutMs);
DWORD ProcessOf(HWND window);
// A window's caption and class name, read without sending the window a message (a busy program
// would hold the search up).
std::string Caption(HWND window);
std::string ClassOf(HWND window);
bool IsShownWindowOf(HWND window, DWORD processId, const std::string& caption);
// A visible top-level window of that process with exactly this caption, or null; WaitForShownWindow
// keeps looking until the timeout.
HWND ShownWindow(DWORD processId, const std::string& caption);
HWND WaitForShownWindow(DWORD processId, const std::string& caption, int timeoutMs);
// Shown, with nothing of it left to paint.
bool Painted(HWND window);

// Messages to controls of a dialog. Texts are UTF-8.
std::string Text(HWND dialog, int id);
std::string WindowText(HWND window);
void SetText(HWND dialog, int id, const std::string& text);  // like typing: raises the change
void Choose(HWND dialog, int id, int index);                  // selection plus CBN_SELCHANGE
// Combo boxes, list boxes and report list views.
int Selection(HWND dialog, int id);
int ItemCount(HWND dialog, int id);
std::string ItemText(HWND dialog, int id, int index);
std::string CellText(HWND dialog, int id, int row, int column);  // list views
void SelectLine(HWND dialog, int id, int index);  // a list box's selection only, as a click would
void Click(HWND dialog, int id);
// A click that does not wait for the program, for buttons that open a modal window.
void PostClick(HWND dialog, int id);
// A visible dialog that `owner` owns (a modal window it opened), or null after the timeout.
HWND OwnedDialog(HWND owner, int timeoutMs = 5000);
bool Checked(HWND dialog, int id);
bool Enabled(HWND dialog, int id);
void Command(HWND window, int id);                            // a menu command
// A tool window opened by a menu command of the main window, once it shows (null after the
// timeout). The main window moves to the screen's top-left corner first, so that the tool window
// opens beside it on the screen.
HWND OpenTool(HWND main, int command, const std::string& caption, int timeoutMs = 5000);
void CloseBox(HWND window);                                   // the caption's close button
void Key(HWND control, WPARAM key);                           // key-down and key-up posted
RECT WindowRect(HWND window);
bool IsTopMost(HWND window);
HWND ChildDialogWith(HWND parent, int controlId);             // the page that holds a control
// A tab control's header `index`: its rectangle in the tab's client coordinates (empty when it
// cannot be read), and a click on it as the user switches pages, returning once the program has
// handled it.
RECT TabItemRect(HWND tab, int index);
void ClickTab(HWND tab, int index);
std::string ClipboardText();
// The process of the clipboard's owner window; 0 when the clipboard has no owner.
DWORD ClipboardOwnerProcess();
// The control that has the keyboard focus in the thread of `window`, or null.
HWND FocusOf(HWND window);
// Saves what the screen shows of a window as a 24-bit BMP file named `name`.bmp in the folder
// given by MW_SHOTS (nothing without it); scripts/wine-test.sh turns them into PNG files.
void SaveScreenshot(HWND window, const std::string& name);
// What the screen shows of a window, as 24-bit rows; empty for a window of no size.
std::vector<unsigned char> ScreenPixels(HWND window);
// The GDI objects a process holds; -1 when they cannot be counted. Wine answers GetGuiResources
// with nothing, so there the entries of the process's own GDI handle table are counted.
int GdiObjectCount(HANDLE process);
// The threads a process runs.
int ThreadCount(DWORD processId);
void SetClipboardText(const std::string& text);
// Waits until `done` returns true, pumping nothing; false after the timeout.
template <class F> bool WaitUntil(F done, int timeoutMs = 5000) {
    for (int waited = 0; waited <= timeoutMs; waited += 50) {
        if (done()) return true;
        Sleep(50);
    }
    return false;
}

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);
// UTF-8 text as code page 936 bytes, through the system's own converter (not the program's), for
// the settings files the tests write.
std::string Cp936(const std::string& utf8);

}  // namespace mw::e2e
