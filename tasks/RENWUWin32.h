// The timed tasks window as a real dialog: template 159, its clock timer and its platform
// services.
#pragma once

#include <functional>

#include "kit/ToolWindowWin32.h"
#include "tasks/ClockWin32.h"
#include "tasks/ProgramChooserWin32.h"
#include "tasks/RENWU.h"
#include "tasks/RunRegistryWin32.h"
#include "tasks/TaskActionsWin32.h"

namespace mw {

class RENWUWindow : public ToolWindowFrame {
public:
    RENWUWindow(SettingsFile& settings, std::function<void()> onClosed);

protected:
    void OnInit() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    Win32Clock clock_;
    Win32RunRegistry registry_;
    Win32TaskActions actions_;
    Win32ProgramChooser chooser_;
    CRENWU logic_;
};

}  // namespace mw
