// Binding of the custom material editor: its logic on the frame's surface, the list's width.
#include "custom/DINGYICAILIAOWin32.h"

#include "res/resource.h"

namespace mw {

namespace {
constexpr int kListExtent = 586;  // pixels the list scrolls sideways, for long lines
}  // namespace

DINGYICAILIAOWindow::DINGYICAILIAOWindow(std::function<void()> onClosed, SettingsFile& settings,
                                         std::function<void()> exitProgram)
    : ToolWindowFrame(std::move(onClosed)),
      logic_(Surface(), settings, processes_, ExecutablePath(), std::move(exitProgram)) {
    SetLogic(&logic_);
}

void DINGYICAILIAOWindow::OnInit() {
    SendDlgItemMessageW(Hwnd(), IDC_CUSTOM_LIST, LB_SETHORIZONTALEXTENT, kListExtent, 0);
    logic_.OnInitDialog();
}

}  // namespace mw
