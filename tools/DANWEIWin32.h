// The unit conversion window on template 140.
#pragma once

#include "kit/ToolWindowWin32.h"
#include "tools/DANWEI.h"

namespace mw {

class DANWEIWindow : public ToolWindowFrame {
public:
    explicit DANWEIWindow(std::function<void()> onClosed)
        : ToolWindowFrame(std::move(onClosed)), logic_(Surface()) { SetLogic(&logic_); }

protected:
    void OnInit() override { logic_.OnInitDialog(); }
    // Enter has no button to press here; like Esc it stays with the focused control.
    bool FiltersKey(WPARAM key) const override { return key == VK_RETURN || key == VK_ESCAPE; }

private:
    CDANWEI logic_;
};

}  // namespace mw
