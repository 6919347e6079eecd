// The soak's steps, spread evenly through the run, and the process's holdings.
#include "tests/e2e/support/Soak.h"

#include <psapi.h>

#include <algorithm>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"
#include "tests/e2e/support/CutPlanWindow.h"

namespace mw::e2e {

namespace {

const int kTools[] = {IDM_HANGUAN, IDM_AILIAOMIDU, IDM_DANWEI, IDM_ZHOUCHENG,
                      IDM_DINGYICAILIAO, IDM_RENWU, IDM_WEIGHTLIST, IDM_CUTPLAN};
const char* const kValues[] = {"1000", "2*500", "12.5", "(1500+20)*6", "6000", "88", "3.5", "600"};

// The pages: dialogs among the window's descendants (the tab control holds them).
BOOL CALLBACK AddPage(HWND child, LPARAM param) {
    if (ClassOf(child) == kDialogClass) reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
    return TRUE;
}

std::vector<HWND> Pages(HWND main) {
    std::vector<HWND> pages;
    EnumChildWindows(main, AddPage, reinterpret_cast<LPARAM>(&pages));
    return pages;
}

// Every edit of the three pages that a user types into, and the density.
std::vector<std::pair<HWND, int>> InputEdits(HWND main) {
    std::vector<std::pair<HWND, int>> edits;
    for (HWND page : Pages(main)) {
        for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            const LONG style = GetWindowLongW(child, GWL_STYLE);
            if (ClassOf(child) == "Edit" && !(style & ES_READONLY) && GetDlgCtrlID(child) > 0)
                edits.emplace_back(page, GetDlgCtrlID(child));
        }
    }
    edits.emplace_back(main, IDC_DENSITY);
    return edits;
}

// A job the cutting plan window can solve at once.
bool PreparePlans(HWND main, DWORD processId) {
    Command(main, IDM_CUTPLAN);
    HWND cut = WaitForShownWindow(processId, "下料优化", 5000);
    if (!cut) return false;
    if (ItemCount(cut, IDC_CUT_STOCK_LIST) == 0) AddStock(cut, "6000");
    if (ItemCount(cut, IDC_CUT_PIECE_LIST) == 0) AddPiece(cut, "1450", "7");
    Command(main, IDM_CUTPLAN);
    return true;
}

void Plan(HWND main, DWORD processId) {
    Command(main, IDM_CUTPLAN);
    HWND cut = WaitForShownWindow(processId, "下料优化", 5000);
    if (!cut) return;
    Click(cut, IDC_CUT_SOLVE);
    // The solver runs on a thread of its own; its end enables the button to add the plan.
    WaitUntil([&] { return Enabled(cut, IDC_CUT_SOLVE); }, 5000);
    Command(main, IDM_CUTPLAN);
}

// The kernel handles a process holds, from the system's table of every handle (what Wine answers;
// it does not count another process's handles through GetProcessHandleCount).
struct SystemHandle {
    ULONG ownerProcessId;
    BYTE objectType;
    BYTE flags;
    USHORT value;
    PVOID object;
    ACCESS_MASK access;
};

int CountHandlesInSystemTable(DWORD processId) {
    using Query = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    if (!query) return -1;
    constexpr ULONG kSystemHandleInformation = 16;
    std::vector<unsigned char> table(1 << 20);
    for (int tries = 0; tries < 8; ++tries) {
        ULONG needed = 0;
        const LONG status = query(kSystemHandleInformation, table.data(), static_cast<ULONG>(table.size()), &needed);
        if (status == 0) {
            const ULONG count = *reinterpret_cast<const ULONG*>(table.data());
            const auto* entries = reinterpret_cast<const SystemHandle*>(table.data() + sizeof(ULONG_PTR));
            int held = 0;
            for (ULONG i = 0; i < count; ++i) held += entries[i].ownerProcessId == processId;
            return held;
        }
        table.resize(std::max<std::size_t>(table.size() * 2, needed + 4096));
    }
    return -1;
}

BOOL CALLBACK CountChild(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM param) {
    auto* count = reinterpret_cast<std::pair<DWORD, int>*>(param);
    if (ProcessOf(window) != count->first) return TRUE;
    ++count->second;
    EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&count->second));
    return TRUE;
}

// Where the system does not count USER objects: the windows, the most of them a program makes.
int CountWindows(DWORD processId) {
    std::pair<DWORD, int> count(processId, 0);
    EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&count));
    return count.second;
}

// Each tool window shown long enough to paint whole, so that what painting makes once and keeps
// (the system's own caches of the drawing of buttons, lists and scroll bars) is made before a run
// is measured; a show and hide in quick succession may not paint at all.
void ShowEachToolPainted(HWND main) {
    for (int tool : kTools) {
        Command(main, tool);
        Sleep(150);
        Command(main, tool);
    }
}

}  // namespace

ProcessHoldings Measure(HANDLE process, DWORD processId) {
    ProcessHoldings h;
    h.gdiObjects = GdiObjectCount(process);
    const DWORD user = GetGuiResources(process, GR_USEROBJECTS);
    h.userObjects = user != 0 ? static_cast<int>(user) : CountWindows(processId);
    DWORD handles = 0;
    h.handles = GetProcessHandleCount(process, &handles) && handles > 0 ? static_cast<int>(handles)
                                                                        : CountHandlesInSystemTable(processId);
    h.threads = ThreadCount(processId);
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
        h.privateBytes = static_cast<long long>(memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage);
    return h;
}

std::string Describe(const ProcessHoldings& h) {
    auto figure = [](long long value) { return value < 0 ? std::string("not counted") : std::to_string(value); };
    return "GDI objects " + figure(h.gdiObjects) + ", USER objects (windows where not counted) " + figure(h.userObjects) + ", handles " +
           figure(h.handles) + ", threads " + figure(h.threads) + ", private bytes " + figure(h.privateBytes);
}

SoakSteps SoakSteps::Scaled(double factor) const {
    auto scale = [factor](int count) { return count > 0 ? std::max(1, static_cast<int>(count * factor + 0.5)) : 0; };
    return {scale(keystrokes), scale(toolToggles), scale(bannerCycles), scale(copies), scale(plans)};
}

bool RunSoak(HWND main, DWORD processId, const SoakSteps& steps) {
    // The pages are built one by one after the window shows.
    if (!WaitUntil([&] { return Pages(main).size() >= 3; }, 15000)) return false;
    // The banner collapses by itself ten seconds after the start, and only then takes clicks:
    // from then on each cycle leaves it as it found it, and a measure sees it the same each time.
    if (steps.bannerCycles > 0 && !WaitUntil([&] { return Enabled(main, IDC_COLLAPSE); }, 15000)) return false;
    const std::vector<std::pair<HWND, int>> edits = InputEdits(main);
    if (edits.size() < 2) return false;
    if (steps.plans > 0 && !PreparePlans(main, processId)) return false;
    if (steps.toolToggles > 0) ShowEachToolPainted(main);
    // The steps of each kind spread evenly over the run, so that every kind meets every other.
    const int kinds[5] = {steps.keystrokes, steps.toolToggles, steps.bannerCycles, steps.copies, steps.plans};
    int done[5] = {};
    const int longest = *std::max_element(kinds, kinds + 5);
    for (int tick = 0; tick < longest; ++tick) {
        for (int kind = 0; kind < 5; ++kind) {
            // Step `kind` runs when its share of the ticks so far calls for one more.
            const long long due = static_cast<long long>(kinds[kind]) * (tick + 1) / longest;
            while (done[kind] < due) {
                const int n = done[kind]++;
                switch (kind) {
                    case 0: {
                        const auto& edit = edits[n % edits.size()];
                        SetText(edit.first, edit.second, edit.second == IDC_DENSITY ? (n % 2 ? "7.85" : "2.7")
                                                                                     : kValues[n % 8]);
                        break;
                    }
                    case 1: {
                        const int tool = kTools[n % 8];
                        Command(main, tool);  // shows it
                        Command(main, tool);  // and hides it again
                        break;
                    }
                    case 2:
                        Click(main, IDC_COLLAPSE);
                        Click(main, IDC_COLLAPSE);
                        break;
                    case 3:
                        Click(main, IDC_STAT_COPY);
                        break;
                    default:
                        Plan(main, processId);
                        break;
                }
            }
        }
    }
    return IsWindow(main) != FALSE;
}

}  // namespace mw::e2e
