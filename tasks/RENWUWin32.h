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
    // Enter as well as Esc goes to the focused control as a plain key: Enter on "添加任务",
    // which keeps the focus after a click, would otherwise add the task again.
    bool FiltersKey(WPARAM key) const override { return key == VK_RETURN || key == VK_ESCAPE; }

private:
    Win32Clock clock_;
    Win32RunRegistry registry_;
    Win32TaskActions actions_;
    Win32ProgramChooser chooser_;
    CRENWU logic_;
};

}  // namespace mw
