// The yardstick of start-up: a dialog program with the main window's caption and size and nothing
// else, built by the same toolchain and started the same way as the program.
#include <windows.h>

namespace {

INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: return TRUE;
        case WM_CLOSE:      DestroyWindow(dialog); return TRUE;
        case WM_DESTROY:    PostQuitMessage(0); return TRUE;
        default:            return FALSE;
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    HWND dialog = CreateDialogParamW(instance, MAKEINTRESOURCEW(102), nullptr, Proc, 0);
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
