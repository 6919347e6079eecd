// A long run of the real program driven from outside: keystrokes in every calculator and the
// density field, tool windows opened and closed, the banner collapsed and expanded, copies to the
// clipboard and cutting plans; and what the process holds, measured between the steps.
#pragma once

#include <windows.h>

#include <string>

namespace mw::e2e {

// What a process holds; -1 where the system does not count it.
struct ProcessHoldings {
    int gdiObjects = -1;
    int userObjects = -1;
    int handles = -1;
    int threads = -1;
    long long privateBytes = -1;  // the commit (Wine fills PagefileUsage, not PrivateUsage)
};

ProcessHoldings Measure(HANDLE process, DWORD processId);
std::string Describe(const ProcessHoldings& holdings);

// How many of each step a run takes.
struct SoakSteps {
    int keystrokes = 0;    // each a change of one input edit or of the density
    int toolToggles = 0;   // each opens and closes one tool window, in turn
    int bannerCycles = 0;  // a collapse and an expansion
    int copies = 0;
    int plans = 0;
    SoakSteps Scaled(double factor) const;
};

// Drives the program whose main window is `main` through `steps`; false when a window it needs
// did not show.
bool RunSoak(HWND main, DWORD processId, const SoakSteps& steps);

}  // namespace mw::e2e
