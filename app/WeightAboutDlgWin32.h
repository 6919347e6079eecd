// The About window as a real modal dialog on template 100.
#pragma once

#include <string>

#include "app/AboutDlg.h"
#include "app/DialogSurfaceWin32.h"
#include "app/DialogWin32.h"

namespace mw {

class AboutWindow : public DialogWindow, private AboutActions {
public:
    AboutWindow();
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
};

}  // namespace mw
