// Responsiveness of the real program under Wine, as ratios to floors measured in the same run,
// each floor what the program cannot avoid:
//   main window shown        the program, from process start to its main window shown, painted
//                            and its thread answering, against the main window's template alone
//                            (a program with no code behind it);
//   shown, page one in it    the same against the template with page one's template in it: page
//                            one is built before the window shows, so this is the window's floor
//                            wherever page one's template costs more than a little;
//   page one usable          the program to page one's length edit shown, painted and a key
//                            typed into it then showing there, against the same template with
//                            page one's template created in it and shown;
//   page one keystroke       a change in page one's length edit,
//   density keystroke        and in the density edit, each against the same round trip to the
//                            hint line (a static: no handler).
// Each round starts every program once, the first of the round taking turns.
// For scale it also times the empty dialog of the window's caption and size, and the program's
// exit command to the end of its process (the exit hides the window and removes the
// notification-area icon, which under Wine costs what the window manager makes it cost).
// MW_EXE, MW_EMPTY_EXE, MW_TEMPLATE_EXE and MW_PAGE_EXE name the programs (Windows paths);
// MW_PAGE_DLL_EXE, if set, the page one yardstick importing the program's system libraries.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {
namespace {

constexpr WPARAM kExitCommand = IDM_EXIT;  // the yardsticks end on it as the program does
constexpr UINT kAnswerTimeoutMs = 30000;

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

// The window's thread takes a message.
bool Answers(HWND window) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerTimeoutMs, &ignored) != 0;
}

// Page one's length edit and the page that holds it, both shown and painted.
bool LengthEditUsable(HWND main, HWND& edit) {
    edit = ChildWindow(main, [](HWND child) { return GetDlgCtrlID(child) == IDC_PLATE1_LENGTH; });
    return edit && Painted(edit) && Painted(GetParent(edit));
}

struct StartTimes {
    double shown = -1;    // the main window shown, painted and answering
    double usable = -1;   // page one's length edit likewise (programs with a page one)
    double exited = -1;   // the exit command to the end of the process
};

// Milliseconds from process creation, in a fresh folder of its own.
StartTimes StartUp(const std::string& exe, bool hasPageOne) {
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
    HWND keyPosted = nullptr;
    while (Now() - start < 30000 && (times.shown < 0 || (hasPageOne && times.usable < 0))) {
        if (!window) window = ShownWindow(process.dwProcessId, kMainCaption);
        if (window && times.shown < 0 && Painted(window) && Answers(window)) times.shown = Now() - start;
        HWND edit = nullptr;
        if (hasPageOne && times.shown >= 0 && !keyPosted && LengthEditUsable(window, edit)) {
            // A key, as a user types it: posted, it is taken only when the thread is back in its
            // message loop, where a sent probe is also answered inside any step that peeks.
            PostMessageW(edit, WM_CHAR, L'1', 1);
            keyPosted = edit;
        }
        if (keyPosted && times.usable < 0 && WindowText(keyPosted) == "1") times.usable = Now() - start;
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

// Microseconds of `change`: the message round trip, with everything the program does before it
// answers (the handlers, the texts they set). The repaints follow when the program is idle, as
// they do for the yardstick, and are left out: driven from another process every repaint
// would cost a round trip of its own that the program never pays.
double Keystroke(const std::function<void()>& change) {
    Sleep(30);  // the repaints of the keystroke before are done: each pays only for itself
    const double start = Now();
    change();
    return (Now() - start) * 1000.0;
}

void PrintRatio(const char* what, const char* unit, double program, double floor, double target) {
    const double ratio = floor > 0 ? program / floor : 0;
    std::printf("%-40s %9.1f %9.1f %s %6.2fx   <= %.1fx  %s\n", what, program, floor, unit, ratio, target,
                ratio > 0 && ratio <= target ? "met" : "NOT MET");
}

int Run() {
    const char* program = std::getenv("MW_EXE");
    const char* empty = std::getenv("MW_EMPTY_EXE");
    const char* bareTemplate = std::getenv("MW_TEMPLATE_EXE");
    const char* withPage = std::getenv("MW_PAGE_EXE");
    if (!program || !empty || !bareTemplate || !withPage) {
        std::printf("MW_EXE, MW_EMPTY_EXE, MW_TEMPLATE_EXE and MW_PAGE_EXE must name the program and its yardsticks\n");
        return 2;
    }
    const int rounds = std::getenv("MW_BENCH_ROUNDS") ? std::atoi(std::getenv("MW_BENCH_ROUNDS")) : 7;
    const bool verbose = std::getenv("MW_BENCH_VERBOSE") != nullptr;

    const char* withDlls = std::getenv("MW_PAGE_DLL_EXE");  // optional, for scale
    std::vector<double> programShown, programUsable, programExit, emptyShown, templateShown, pageShown, pageUsable,
        dllUsable;
    // One start of each program per round, the first of the round taking turns: a machine busy
    // with other work, or a start that leaves work behind for the next, slows them all alike.
    std::vector<std::function<void()>> starts = {
        [&] {
            const StartTimes p = StartUp(program, true);
            programShown.push_back(p.shown);
            programUsable.push_back(p.usable);
            programExit.push_back(p.exited);
        },
        [&] { templateShown.push_back(StartUp(bareTemplate, false).shown); },
        [&] {
            const StartTimes page = StartUp(withPage, true);
            pageShown.push_back(page.shown);
            pageUsable.push_back(page.usable);
        },
        [&] { emptyShown.push_back(StartUp(empty, false).shown); },
    };
    if (withDlls) starts.push_back([&] { dllUsable.push_back(StartUp(withDlls, true).usable); });
    for (const auto& start : starts) start();  // warm-up: the first start of each fills Wine's caches
    programShown.clear(), programUsable.clear(), programExit.clear(), emptyShown.clear();
    templateShown.clear(), pageShown.clear(), pageUsable.clear(), dllUsable.clear();
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t i = 0; i < starts.size(); ++i) starts[(round + i) % starts.size()]();
        if (verbose)
            std::printf("round %d (ms): program %.1f, page one %.1f, exit %.1f; template %.1f; "
                        "template with page one %.1f, page one %.1f; empty dialog %.1f%s\n",
                        round, programShown.back(), programUsable.back(), programExit.back(), templateShown.back(),
                        pageShown.back(), pageUsable.back(), emptyShown.back(),
                        withDlls ? (", with the program's libraries " + std::to_string(dllUsable.back())).c_str() : "");
    }

    AppUnderTest app;
    if (!app.Start()) return 1;
    HWND main = app.MainWindow();
    HWND page = main ? ChildDialogWith(main, IDC_PLATE1_LENGTH) : nullptr;
    if (!main || !page) return 1;
    // The keystrokes are timed once the start is done (its last step builds the lookup window):
    // a step of it still running would hold the first of them.
    app.WaitForStart(30000);
    SetText(page, IDC_PLATE1_WIDTH, "1000");
    SetText(page, IDC_PLATE1_THICKNESS, "10");
    Sleep(500);
    const int count = 60;
    std::vector<double> bareTimes, pageTimes, densityTimes;
    for (int i = 0; i < count; ++i) {
        const bool odd = i % 2 != 0;
        bareTimes.push_back(Keystroke([&] { SetText(main, IDC_HINT, odd ? "1" : "2"); }));
        pageTimes.push_back(Keystroke([&] { SetText(page, IDC_PLATE1_LENGTH, odd ? "1000" : "1001"); }));
        densityTimes.push_back(Keystroke([&] { SetText(main, IDC_DENSITY, odd ? "7.85" : "7.86"); }));
    }
    const double bare = Median(bareTimes);

    std::printf("medians: start-up of %d rounds, keystrokes of %d\n", rounds, count);
    std::printf("%-40s %9s %9s    %7s   %s\n", "", "program", "floor", "ratio", "target");
    PrintRatio("main window shown (ms)", "ms", Median(programShown), Median(templateShown), 1.3);
    PrintRatio("main window shown, page one's floor (ms)", "ms", Median(programShown), Median(pageShown), 1.3);
    PrintRatio("page one's length edit usable (ms)", "ms", Median(programUsable), Median(pageUsable), 1.3);
    PrintRatio("keystroke in page one's length edit (us)", "us", Median(pageTimes), bare, 1.5);
    PrintRatio("keystroke in the density edit (us)", "us", Median(densityTimes), bare, 4.0);
    std::printf("for scale (ms): empty dialog shown %.1f; template with page one shown %.1f (%.2fx the template "
                "alone); program's exit %.1f\n", Median(emptyShown), Median(pageShown),
                Median(pageShown) / Median(templateShown), Median(programExit));
    if (withDlls)
        std::printf("for scale (ms): page one usable in the template with page one importing the program's "
                    "system libraries %.1f (%.2fx the floor above)\n", Median(dllUsable),
                    Median(dllUsable) / Median(pageUsable));
    return 0;
}

}  // namespace
}  // namespace mw::e2e

int main() { return mw::e2e::Run(); }
