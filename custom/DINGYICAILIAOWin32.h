// The custom material editor as a real tool window (template 178).
#pragma once

#include <functional>

#include "kit/ProcessStarterWin32.h"
#include "kit/ToolWindowWin32.h"
#include "custom/DINGYICAILIAO.h"

namespace mw {

class DINGYICAILIAOWindow : public ToolWindowFrame {
public:
    // `exitProgram` is the main window's exit sequence, which the restart runs.
    DINGYICAILIAOWindow(std::function<void()> onClosed, SettingsFile& settings,
                        std::function<void()> exitProgram);

protected:
    void OnInit() override;

private:
    Win32ProcessStarter processes_;
    CDINGYICAILIAO logic_;
};

}  // namespace mw
