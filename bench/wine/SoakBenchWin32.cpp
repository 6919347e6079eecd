// The soak: the real program under Wine through 10,000 keystrokes across every calculator and the
// density field, 300 opens and closes of every tool window, 50 collapses and expansions of the
// banner, 200 copies to the clipboard and 100 plans; what the process holds after a warm-up and
// at the end. Targets: no growth in GDI objects, handles or threads; private bytes within 1 MiB.
// MW_EXE names the program; MW_SOAK_SCALE (0 to 1) shortens the run, MW_SOAK_STEPS ("K,T,B,C,P",
// the five counts in the order above, tool windows as opens of one window in turn) picks other
// counts, to find which kind of step holds on to something; the report says what ran.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "tests/e2e/support/AppUnderTest.h"
#include "tests/e2e/support/Soak.h"

using namespace mw::e2e;

int main() {
    const SoakSteps full = {10000, 300 * 8, 50, 200, 100};
    double scale = 1.0;
    if (const char* text = getenv("MW_SOAK_SCALE")) scale = atof(text);
    if (!(scale > 0 && scale <= 1)) scale = 1.0;
    SoakSteps steps = full.Scaled(scale);
    if (const char* text = getenv("MW_SOAK_STEPS"))
        std::sscanf(text, "%d,%d,%d,%d,%d", &steps.keystrokes, &steps.toolToggles, &steps.bannerCycles, &steps.copies,
                    &steps.plans);
    const SoakSteps warmUp = full.Scaled(0.02);

    RunningApp r;
    if (!r.main) {
        std::printf("soak: the program did not start\n");
        return 1;
    }
    const DWORD id = r.app.ProcessId();
    const DWORD began = GetTickCount();
    if (!RunSoak(r.main, id, warmUp)) {
        std::printf("soak: the warm-up could not run\n");
        return 1;
    }
    Sleep(1000);
    const ProcessHoldings start = Measure(r.app.Process(), id);
    const bool ran = RunSoak(r.main, id, steps);
    Sleep(1000);
    const ProcessHoldings end = Measure(r.app.Process(), id);
    std::printf("soak (scale %.3g): %d keystrokes, %d tool window opens and closes (%d of each of 8), "
                "%d banner cycles, %d copies, %d plans, in %lu s\n",
                scale, steps.keystrokes, steps.toolToggles, steps.toolToggles / 8, steps.bannerCycles, steps.copies,
                steps.plans, static_cast<unsigned long>((GetTickCount() - began) / 1000));
    std::printf("  after warm-up: %s\n  at the end:    %s\n", Describe(start).c_str(), Describe(end).c_str());
    bool good = ran && r.app.Running();
    auto target = [&good](const char* what, long long before, long long after, long long allowed) {
        if (before < 0 || after < 0) return;
        const bool met = after - before <= allowed;
        std::printf("  %-14s %s (%+lld)\n", what, met ? "met" : "MISSED", after - before);
        good = good && met;
    };
    target("GDI objects", start.gdiObjects, end.gdiObjects, 0);
    target("USER objects", start.userObjects, end.userObjects, 0);
    target("handles", start.handles, end.handles, 0);
    target("threads", start.threads, end.threads, 0);
    target("private bytes", start.privateBytes, end.privateBytes, 1024 * 1024);
    return good ? 0 : 1;
}
