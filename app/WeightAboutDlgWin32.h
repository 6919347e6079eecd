// The About window as a real modal dialog on template 100.
#pragma once

#include <string>

#include "app/WeightAboutDlg.h"
#include "kit/DialogSurfaceWin32.h"
#include "kit/DialogWin32.h"

namespace mw {

class WeightAboutDlgWindow : public DialogWindow, private AboutActions {
public:
    WeightAboutDlgWindow();
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
