// The About window as a real modal dialog on template 100.
#pragma once

#include <functional>
#include <string>

#include "app/AboutDlg.h"
#include "app/DialogSurfaceWin32.h"
#include "app/DialogWin32.h"

namespace mw {

class AboutWindow : public DialogWindow, private AboutActions {
public:
    // `startUpdateCheck` starts the update check with the window that owns its messages; an empty
    // one does nothing.
    explicit AboutWindow(std::function<void(HWND owner)> startUpdateCheck);
    void Run(HWND owner);

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    // AboutActions
    void OpenWebPage(const std::string& address) override;
    void StartUpdateCheck() override;
    void Close() override;

    DialogSurface surface_;
    CWeightAboutDlg logic_;
    std::function<void(HWND)> startUpdateCheck_;
};

}  // namespace mw
