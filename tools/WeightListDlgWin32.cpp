// Weight list window plumbing: list view styles, its selection notification, the save dialog.
#include "tools/WeightListDlgWin32.h"

#include <commctrl.h>

#include "res/resource.h"

namespace mw {

WeightListDlgWindow::WeightListDlgWindow(std::function<void()> onClosed, WeightList& list,
                                   const CalcSettings& settings, std::string setAside, SettingsFile* settingsFile)
    : ToolWindowFrame(std::move(onClosed)),
      logic_(Surface(), list, settings, clipboard_, exports_, settingsFile),
      setAside_(std::move(setAside)) {
    SetLogic(&logic_);
    logic_.SetPrinting(&printing_);
    UseShortcuts(IDR_PRINTACCEL);  // Ctrl+P prints
}

void WeightListDlgWindow::OnInit() {
    clipboard_.SetOwner(Hwnd());
    printing_.SetOwner(Hwnd());
    HWND list = GetDlgItem(Hwnd(), IDC_WEIGHTLIST_LIST);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    logic_.OnInitDialog(setAside_);
}

bool WeightListDlgWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_WEIGHTLIST_LIST && header->code == LVN_ITEMCHANGED) {
            const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
            if ((change->uNewState ^ change->uOldState) & LVIS_SELECTED)
                logic_.OnCommand(IDC_WEIGHTLIST_LIST, Notify::SelChange);
            result = 0;
            return true;
        }
        return false;
    }
    return ToolWindowFrame::OnMessage(message, wParam, lParam, result);
}

}  // namespace mw
