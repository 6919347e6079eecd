// Shell_NotifyIcon, the Windows key + A hot key, the tray menu, show and hide.
#include "app/TrayShellWin32.h"

#include <shellapi.h>

#include "kit/DialogWin32.h"
#include "kit/DpiWin32.h"
#include "kit/SystemLibraryWin32.h"
#include "res/ProductName.h"
#include "kit/Utf16Win32.h"
#include "res/resource.h"

namespace mw {

namespace {

constexpr int kHotKeyId = 0;

NOTIFYICONDATAW IconData(HWND window) {
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = TrayShell::kIconId;
    return data;
}

// The shell comes in with the first icon, after the window has shown.
bool NotifyIcon(DWORD message, NOTIFYICONDATAW& data) {
    static const auto notifyIcon = SYSTEM_FUNCTION(L"shell32.dll", Shell_NotifyIconW);
    return notifyIcon && notifyIcon(message, &data);
}

// Every place of a toolbar of notification icons, a few pixels apart: icons are larger than that.
void PassMouseOver(HWND toolbar) {
    constexpr int kStep = 4;
    RECT client;
    if (!toolbar || !GetClientRect(toolbar, &client)) return;
    for (int x = 1; x < client.right - 1; x += kStep)
        for (int y = 1; y < client.bottom - 1; y += kStep)
            PostMessageW(toolbar, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

}  // namespace

TrayShellWindow::~TrayShellWindow() {
    if (icon_) DestroyIcon(icon_);
}

void TrayShellWindow::Attach(HWND window) {
    hwnd_ = window;
    icon_ = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME),
                                          IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                          GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
}

bool TrayShellWindow::AddTrayIcon() {
    NOTIFYICONDATAW data = IconData(hwnd_);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = TrayShell::kIconMessage;
    data.hIcon = icon_;
    lstrcpynW(data.szTip, Widen(kProductName).c_str(), ARRAYSIZE(data.szTip));
    // An icon the notification area still holds is refreshed rather than refused.
    return NotifyIcon(NIM_ADD, data) || NotifyIcon(NIM_MODIFY, data);
}

void TrayShellWindow::RemoveTrayIcon() {
    NOTIFYICONDATAW data = IconData(hwnd_);
    NotifyIcon(NIM_DELETE, data);
}

void TrayShellWindow::TrackTrayMenu() {
    POINT cursor = {};
    GetCursorPos(&cursor);
    TrackMenu(hwnd_, IDR_TRAYMENU, cursor.x, cursor.y);
}

bool TrayShellWindow::RegisterHotKey() { return ::RegisterHotKey(hwnd_, kHotKeyId, MOD_WIN, 'A'); }

void TrayShellWindow::UnregisterHotKey() { ::UnregisterHotKey(hwnd_, kHotKeyId); }

void TrayShellWindow::Show() { ShowWindow(hwnd_, SW_SHOW); }

void TrayShellWindow::ShowNormal() { ShowWindow(hwnd_, SW_SHOWNORMAL); }

void TrayShellWindow::ShowOnTop(int x, int y) {
    if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    ShowWindow(hwnd_, SW_SHOW);
    // The place is given in pixels at 96 dots per inch: the same spot of a scaled screen.
    SetWindowPos(hwnd_, HWND_TOPMOST, ScaledPixels(x), ScaledPixels(y), 0, 0, SWP_NOSIZE);
}

void TrayShellWindow::Hide() { ShowWindow(hwnd_, SW_HIDE); }

void TrayShellWindow::MinimiseToTaskbar() {
    // The window has no taskbar button of its own; it takes one now, the only way back left.
    ShowWindow(hwnd_, SW_HIDE);
    SetWindowLongW(hwnd_, GWL_EXSTYLE, GetWindowLongW(hwnd_, GWL_EXSTYLE) | WS_EX_APPWINDOW);
    ShowWindow(hwnd_, SW_MINIMIZE);
}

void TrayShellWindow::CloseInstanceMutex() {
    if (instanceMutex_) CloseHandle(instanceMutex_);
    instanceMutex_ = nullptr;
}

void RefreshTrayArea() {
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    HWND notify = taskbar ? FindWindowExW(taskbar, nullptr, L"TrayNotifyWnd", nullptr) : nullptr;
    if (!notify) return;
    // The icons sit in a toolbar, directly or inside a pager; hidden ones in the overflow window.
    PassMouseOver(FindWindowExW(notify, nullptr, L"ToolbarWindow32", nullptr));
    if (HWND pager = FindWindowExW(notify, nullptr, L"SysPager", nullptr))
        PassMouseOver(FindWindowExW(pager, nullptr, L"ToolbarWindow32", nullptr));
    if (HWND overflow = FindWindowW(L"NotifyIconOverflowWindow", nullptr))
        PassMouseOver(FindWindowExW(overflow, nullptr, L"ToolbarWindow32", nullptr));
}

}  // namespace mw
