// The main window's notification-area icon, hot key and visibility as Windows calls, and the
// clean-up of icons that ended programs left in the notification area.
#pragma once

#include <windows.h>

#include <functional>

#include "app/TrayShell.h"

namespace mw {

class TrayShellWindow : public TrayHost {
public:
    TrayShellWindow(HANDLE instanceMutex, std::function<void()> deleteListFonts)
        : instanceMutex_(instanceMutex), deleteListFonts_(std::move(deleteListFonts)) {}
    ~TrayShellWindow() override;
    TrayShellWindow(const TrayShellWindow&) = delete;
    TrayShellWindow& operator=(const TrayShellWindow&) = delete;

    void Attach(HWND window);

    // TrayHost
    bool AddTrayIcon() override;
    void RemoveTrayIcon() override;
    void TrackTrayMenu() override;
    bool RegisterHotKey() override;
    void UnregisterHotKey() override;
    void Show() override;
    void ShowNormal() override;
    void ShowOnTop(int x, int y) override;
    void Hide() override;
    void MinimiseToTaskbar() override;
    void DeleteListFonts() override { deleteListFonts_(); }
    void CloseInstanceMutex() override;
    void PostQuit(int exitCode) override { PostQuitMessage(exitCode); }

private:
    HWND hwnd_ = nullptr;
    HICON icon_ = nullptr;  // the application icon at the notification area's size
    HANDLE instanceMutex_;
    std::function<void()> deleteListFonts_;
};

// Makes the notification area drop the icons of programs that ended without removing them: it
// checks an icon's owner when the mouse passes over the icon, so every place of it is passed
// over with mouse-move messages. The user's cursor stays where it is.
void RefreshTrayArea();

}  // namespace mw
