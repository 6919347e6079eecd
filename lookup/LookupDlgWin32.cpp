// Lookup window plumbing: the settings may have changed while another window was active.
#include "lookup/LookupDlgWin32.h"

#include "res/resource.h"

namespace mw {

void LookupDlgWindow::Focus() {
    SetForegroundWindow(Hwnd());
    HWND text = GetDlgItem(Hwnd(), IDC_LOOKUP_TEXT);
    SetFocus(text);
    SendMessageW(text, EM_SETSEL, 0, -1);
}

bool LookupDlgWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) logic_.Refresh();
    return ToolWindowFrame::OnMessage(message, wParam, lParam, result);
}

}  // namespace mw
