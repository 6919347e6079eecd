// The yardsticks of start-up, built by the same toolchain and started the same way as the
// program: with EmptyDialog.rc a dialog of the main window's caption and size and nothing else;
// with the program's own resources its main window's template, controls and all, but no code.
#include <windows.h>
#include <commctrl.h>

#include "res/resource.h"

namespace {

INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: return TRUE;
        case WM_CLOSE:      DestroyWindow(dialog); return TRUE;
        case WM_COMMAND:    // the exit command, as the program's own "退出" button sends it
            if (LOWORD(wParam) == IDM_EXIT) DestroyWindow(dialog);
            return TRUE;
        case WM_DESTROY:    PostQuitMessage(0); return TRUE;
        default:            return FALSE;
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
#ifdef MW_TEMPLATE_YARDSTICK
    // The template's tab control and list views are common controls.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
#endif
    HWND dialog = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, Proc, 0);
    if (!dialog) return 1;
    ShowWindow(dialog, SW_SHOW);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(dialog, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
