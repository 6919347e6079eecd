// Tool window frame: hide on close, never close on Esc, notifications to the window's logic.
#include "kit/ToolWindowWin32.h"

namespace mw {

bool ToolWindowFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_INITDIALOG:
            surface_.Attach(Hwnd());
            OnInit();
            result = TRUE;
            return true;
        case WM_CLOSE:
            ShowWindow(Hwnd(), SW_HIDE);
            if (onClosed_) onClosed_();
            return true;
        case WM_COMMAND: {
            // Esc reaches here as IDCANCEL, Enter without a default button as IDOK; the window stays.
            const int id = LOWORD(wParam);
            if (id == IDOK || id == IDCANCEL) return true;
            Notify what;
            if (logic_ && lParam && CommandNotify(wParam, what)) logic_->OnCommand(id, what);
            else if (logic_ && !lParam && HIWORD(wParam) == 1) logic_->OnCommand(id, Notify::Click);  // a shortcut
            return true;
        }
        default:
            return false;
    }
}

}  // namespace mw
