// The yardsticks of start-up, built by the same toolchain and started the same way as the
// program: with EmptyDialog.rc a dialog of the main window's caption and size and nothing else;
// with the program's own resources its main window's template, controls and all, but no code;
// and (MW_PAGE_YARDSTICK) that template with page one's template created in its tab control and
// shown with it, as the program shows it. No list is filled and nothing is computed: what is left
// is what the program cannot avoid. With MW_DLL_YARDSTICK as well, the same program imports the
// system libraries the program imports (loaded at process start, used or not), for scale; the
// ones it needs late it loads at their first use, and so they are not here.
#include <windows.h>
#include <commctrl.h>
#ifdef MW_DLL_YARDSTICK
#include <objbase.h>
#endif

#include "res/resource.h"

namespace {

#ifdef MW_PAGE_YARDSTICK
INT_PTR CALLBACK PageProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// Page one in the tab control's client area below the tab row, as the program places it.
void AddPageOne(HWND dialog) {
    HWND tab = GetDlgItem(dialog, IDC_TAB);
    const wchar_t* titles[] = {L" 第 一 页 ", L" 第 二 页 ", L" 第 三 页 "};
    for (int i = 0; i < 3; ++i) {
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(titles[i]);
        SendMessageW(tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    HWND page = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_TAB1), tab, PageProc, 0);
    RECT area, item = {};
    GetClientRect(tab, &area);
    SendMessageW(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    MoveWindow(page, area.left, item.bottom, area.right - area.left, area.bottom - item.bottom, FALSE);
    ShowWindow(page, SW_SHOW);
}
#endif

INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
#ifdef MW_PAGE_YARDSTICK
            AddPageOne(dialog);
#endif
            return TRUE;
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
#if defined(MW_TEMPLATE_YARDSTICK) || defined(MW_PAGE_YARDSTICK)
    // The template's tab control and list views are common controls.
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
#endif
#ifdef MW_DLL_YARDSTICK
    if (GetTickCount() == 1) {  // never taken: the calls are there to be imported
        CoUninitialize();
        GetFileVersionInfoSizeW(nullptr, nullptr);
        RegCloseKey(nullptr);
    }
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
