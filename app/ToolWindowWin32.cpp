// Tool window frame: hide on close, never close on Esc.
#include "app/ToolWindowWin32.h"

namespace mw {

bool ToolWindowFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_INITDIALOG:
            result = TRUE;
            return true;
        case WM_CLOSE:
            ShowWindow(Hwnd(), SW_HIDE);
            if (onClosed_) onClosed_();
            return true;
        case WM_COMMAND:
            // Esc and Enter reach here as IDCANCEL and IDOK; the window stays.
            return LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL;
        default:
            return false;
    }
}

}  // namespace mw
