// Responsiveness of the real program under Wine, as ratios to yardsticks measured in the same run:
//   start-up    the program to its main window shown and painted, against the empty dialog
//               program (and, for scale, against the main window's template without any code);
//   keystrokes  a change in a page's input edit and in the density edit, against the same round
//               trip to the hint line (a static: no handler);
//   exit        the program's exit command to the end of its process (a figure, no yardstick: the
//               exit sequence hides the window and removes the notification-area icon, which
//               under Wine costs what the desktop's window manager makes it cost).
// MW_EXE and MW_EMPTY_EXE name the two programs (Windows paths).
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {
namespace {

const char kCaption[] = "材料重量计算助手v8.8";
constexpr WPARAM kExitCommand = IDM_EXIT;  // the empty dialog ends on it as on any command

double Now() {
    static LARGE_INTEGER frequency = [] { LARGE_INTEGER f; QueryPerformanceFrequency(&f); return f; }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// A page of the window (a child dialog) that shows and has nothing left to paint.
BOOL CALLBACK FindPaintedPage(HWND child, LPARAM param) {
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(child) || GetUpdateRect(child, nullptr, FALSE))
        return TRUE;
    *reinterpret_cast<bool*>(param) = true;
    return FALSE;
}

struct StartTimes {
    double shown = -1;      // the window visible and painted
    double pageShown = -1;  // and a page in it painted as well (the window itself for a program without pages)
    double exited = -1;     // the exit command to the end of the process
};

// Milliseconds from process creation to its main window shown, in a fresh folder of its own.
StartTimes StartUp(const std::string& exe, bool hasPages) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"mw-bench-" + std::to_wstring(GetTickCount());
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring copy = folder + L"\\program.exe";
    CopyFileW(Widen(exe).c_str(), copy.c_str(), FALSE);

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::wstring commandLine = L"\"" + copy + L"\"";
    StartTimes times;
    const double start = Now();
    if (!CreateProcessW(copy.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return times;
    HWND window = nullptr;
    while (Now() - start < 30000 && times.pageShown < 0) {
        if (!window) window = ShownWindow(process.dwProcessId, kCaption);
        if (window && times.shown < 0 && !GetUpdateRect(window, nullptr, FALSE)) times.shown = Now() - start;
        if (times.shown >= 0) {
            bool page = !hasPages;
            if (hasPages) EnumChildWindows(window, FindPaintedPage, reinterpret_cast<LPARAM>(&page));
            if (page) times.pageShown = Now() - start;
        }
        Sleep(1);
    }
    // Ended the way a user ends it: a process killed with its notification-area icon still in
    // place slows the next start of every program by seconds under Wine.
    const double exitStart = Now();
    if (window) PostMessageW(window, WM_COMMAND, kExitCommand, 0);
    if (window && WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0) {
        times.exited = Now() - exitStart;
    } else {
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    Sleep(200);
    DeleteFileW((folder + L"\\ConfigKq.ini").c_str());
    DeleteFileW(copy.c_str());
    RemoveDirectoryW(folder.c_str());
    return times;
}

// Milliseconds of `change`: the message round trip, with everything the program does before it
// answers (the handlers, the texts they set). The repaints follow when the program is idle, as
// they do for the yardstick, and are left out: driven from another process every repaint
// would cost a round trip of its own that the program never pays.
double Keystroke(const std::function<void()>& change) {
    Sleep(30);  // the repaints of the keystroke before are done: each pays only for itself
    const double start = Now();
    change();
    return Now() - start;
}

int Run() {
    const char* program = std::getenv("MW_EXE");
    const char* empty = std::getenv("MW_EMPTY_EXE");
    const char* bareTemplate = std::getenv("MW_TEMPLATE_EXE");
    if (!program || !empty || !bareTemplate) {
        std::printf("MW_EXE, MW_EMPTY_EXE and MW_TEMPLATE_EXE must name the program and its yardsticks\n");
        return 2;
    }
    const int rounds = std::getenv("MW_BENCH_ROUNDS") ? std::atoi(std::getenv("MW_BENCH_ROUNDS")) : 7;

    std::vector<double> programTimes, programPageTimes, programExitTimes, emptyTimes, templateTimes;
    StartUp(program, true);  // warm-up: the first start of each fills Wine's caches
    StartUp(empty, false);
    StartUp(bareTemplate, false);
    for (int round = 0; round < rounds; ++round) {
        const StartTimes times = StartUp(program, true);
        programTimes.push_back(times.shown);
        programPageTimes.push_back(times.pageShown);
        programExitTimes.push_back(times.exited);
        emptyTimes.push_back(StartUp(empty, false).shown);
        templateTimes.push_back(StartUp(bareTemplate, false).shown);
        if (std::getenv("MW_BENCH_VERBOSE"))
            std::printf("round %d: program %.1f (page one %.1f, exit %.1f), empty dialog %.1f, template %.1f\n",
                        round, programTimes.back(), programPageTimes.back(), programExitTimes.back(),
                        emptyTimes.back(), templateTimes.back());
    }
    const double programStart = Median(programTimes), emptyStart = Median(emptyTimes);
    const double programPage = Median(programPageTimes), templateStart = Median(templateTimes);
    const double programExit = Median(programExitTimes);

    AppUnderTest app;
    if (!app.Start()) return 1;
    HWND main = app.MainWindow();
    HWND page = ChildDialogWith(main, IDC_PLATE1_LENGTH);
    if (!main || !page) return 1;
    SetText(page, IDC_PLATE1_WIDTH, "1000");
    SetText(page, IDC_PLATE1_THICKNESS, "10");
    Sleep(500);
    // Interleaved, so that a machine busy with other work slows all three alike.
    const int count = 60;
    std::vector<double> bareTimes, pageTimes, densityTimes;
    for (int i = 0; i < count; ++i) {
        const bool odd = i % 2 != 0;
        bareTimes.push_back(Keystroke([&] { SetText(main, IDC_HINT, odd ? "1" : "2"); }));
        pageTimes.push_back(Keystroke([&] { SetText(page, IDC_PLATE1_LENGTH, odd ? "1000" : "1001"); }));
        densityTimes.push_back(Keystroke([&] { SetText(main, IDC_DENSITY, odd ? "7.85" : "7.86"); }));
    }
    const double bare = Median(bareTimes), pageKey = Median(pageTimes), densityKey = Median(densityTimes);

    std::printf("start-up to the main window shown and painted, median of %d (ms): program %.1f "
                "(page one painted %.1f), empty dialog %.1f, the main window's template alone %.1f\n", rounds,
                programStart, programPage, emptyStart, templateStart);
    std::printf("exit command to the end of the process, median of %d (ms): program %.1f\n", rounds, programExit);
    std::printf("keystroke round trip, median of %d (ms): page edit %.2f, density edit %.2f, "
                "hint line alone %.2f\n", count, pageKey, densityKey, bare);
    std::printf("ratio start-up        %6.2f   (target <= 1.5; to page one painted %.2f; template alone %.2f)\n",
                programStart / emptyStart, programPage / emptyStart, templateStart / emptyStart);
    std::printf("ratio page keystroke  %6.2f   (target <= 3)\n", pageKey / bare);
    std::printf("ratio density key     %6.2f   (target <= 8)\n", densityKey / bare);
    return 0;
}

}  // namespace
}  // namespace mw::e2e

int main() { return mw::e2e::Run(); }
