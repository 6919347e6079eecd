// The section lookup window on template 183.
#pragma once

#include "kit/ToolWindowWin32.h"
#include "lookup/LookupDlg.h"

namespace mw {

class LookupDlgWindow : public ToolWindowFrame {
public:
    LookupDlgWindow(std::function<void()> onClosed, LookupTarget& target)
        : ToolWindowFrame(std::move(onClosed)), logic_(Surface(), target) { SetLogic(&logic_); }

    // Brings the window up with the designation selected, ready to be typed over (Ctrl+F).
    void Focus();

protected:
    void OnInit() override { logic_.OnInitDialog(); }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    CLookupDlg logic_;
};

}  // namespace mw
