// What the main window's logic asks of its real window: geometry, timers, the tool windows,
// menus and the programs and pages it starts.
#pragma once

#include "kit/Desktop.h"

namespace mw {

// The tool windows, in the order they are created.
enum ToolWindow { kToolHANGUAN, kToolAILIAOMIDU, kToolDANWEI, kToolZHOUCHENG, kToolRENWU, kToolDINGYICAILIAO,
                  kToolWeightListDlg, kToolCutPlanDlg, kToolLookupDlg, kToolCount };

class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;

    virtual ScreenRect WindowRect() const = 0;
    virtual ScreenRect ControlRect(int id) const = 0;  // screen coordinates
    virtual void ResizeWindow(int width, int height) = 0;  // keeps the position; shows the window
    virtual void SetTopMost(bool topMost) = 0;
    virtual void StartTimer(int id, unsigned milliseconds) = 0;
    virtual void StopTimer(int id) = 0;

    virtual void ShowPage(int index, bool shown) = 0;
    // Pops up the tools menu at the cursor; the entry chosen comes back as a command.
    virtual void TrackToolsMenu() = 0;
    virtual void ShowToolWindow(ToolWindow tool, bool shown) = 0;
    // Moves a tool window's top-left corner, keeping its size; optionally to the top of the z-order.
    virtual void MoveToolWindow(ToolWindow tool, int x, int y, bool toTop) = 0;

    virtual void StartCalculator() = 0;
    virtual bool LoadBanner() = 0;  // loads and starts the banner; false when it cannot be loaded
    virtual void ReleaseBanner() = 0;
    virtual void ShowAbout() = 0;
    virtual void OpenVendorPage() = 0;
    virtual void Exit() = 0;  // the exit sequence
};

}  // namespace mw
