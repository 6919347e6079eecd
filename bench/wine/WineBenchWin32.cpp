// Responsiveness of the real program under Wine, as ratios to yardsticks measured in the same run:
//   start-up    the program to its main window shown, against the empty dialog program;
//   keystrokes  a change in a page's input edit and in the density edit, each with the repaint
//               it causes, against the same round trip to the hint line (a static: no handler).
// MW_EXE and MW_EMPTY_EXE name the two programs (Windows paths).
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

const char kCaption[] = "材料重量计算助手v8.8";

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

struct Window { DWORD pid; std::wstring caption; HWND found; };

BOOL CALLBACK FindShown(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Window*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid || !IsWindowVisible(window)) return TRUE;
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    if (search->caption != caption) return TRUE;
    search->found = window;
    return FALSE;
}

// Milliseconds from process creation to its main window shown, in a fresh folder of its own.
double StartUp(const std::string& exe) {
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
    const double start = Now();
    if (!CreateProcessW(copy.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return -1;
    Window search{process.dwProcessId, Widen(kCaption), nullptr};
    double shown = -1;
    while (Now() - start < 30000) {
        EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
        if (search.found) { shown = Now() - start; break; }
        Sleep(1);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    Sleep(200);
    DeleteFileW((folder + L"\\ConfigKq.ini").c_str());
    DeleteFileW(copy.c_str());
    RemoveDirectoryW(folder.c_str());
    return shown;
}

// Milliseconds of `change` followed by the repaint of everything it invalidated.
double Keystroke(HWND main, const std::function<void()>& change) {
    const double start = Now();
    change();
    RedrawWindow(main, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return Now() - start;
}

int Run() {
    const char* program = std::getenv("MW_EXE");
    const char* empty = std::getenv("MW_EMPTY_EXE");
    if (!program || !empty) {
        std::printf("MW_EXE and MW_EMPTY_EXE must name the program and the empty dialog program\n");
        return 2;
    }
    const int rounds = std::getenv("MW_BENCH_ROUNDS") ? std::atoi(std::getenv("MW_BENCH_ROUNDS")) : 7;

    std::vector<double> programTimes, emptyTimes;
    StartUp(program);  // warm-up: the first start of each fills Wine's caches
    StartUp(empty);
    for (int round = 0; round < rounds; ++round) {
        programTimes.push_back(StartUp(program));
        emptyTimes.push_back(StartUp(empty));
    }
    const double programStart = Median(programTimes), emptyStart = Median(emptyTimes);

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
        bareTimes.push_back(Keystroke(main, [&] { SetText(main, IDC_HINT, odd ? "1" : "2"); }));
        pageTimes.push_back(Keystroke(main, [&] { SetText(page, IDC_PLATE1_LENGTH, odd ? "1000" : "1001"); }));
        densityTimes.push_back(Keystroke(main, [&] { SetText(main, IDC_DENSITY, odd ? "7.85" : "7.86"); }));
    }
    const double bare = Median(bareTimes), pageKey = Median(pageTimes), densityKey = Median(densityTimes);

    std::printf("start-up to the main window shown, median of %d (ms): program %.1f, empty dialog %.1f\n",
                rounds, programStart, emptyStart);
    std::printf("keystroke with its repaint, median of %d (ms): page edit %.2f, density edit %.2f, "
                "hint line alone %.2f\n", count, pageKey, densityKey, bare);
    std::printf("ratio start-up        %6.2f   (target <= 1.5)\n", programStart / emptyStart);
    std::printf("ratio page keystroke  %6.2f   (target <= 3)\n", pageKey / bare);
    std::printf("ratio density key     %6.2f   (target <= 8)\n", densityKey / bare);
    return 0;
}

}  // namespace
}  // namespace mw::e2e

int main() { return mw::e2e::Run(); }
