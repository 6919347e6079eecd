// The welded pipe size window on template 138.
#pragma once

#include "kit/ToolWindowWin32.h"
#include "tools/HANGUAN.h"

namespace mw {

class HANGUANWindow : public ToolWindowFrame {
public:
    explicit HANGUANWindow(std::function<void()> onClosed)
        : ToolWindowFrame(std::move(onClosed)), logic_(Surface()) {}

protected:
    void OnInit() override { logic_.OnInitDialog(); }
    // Enter has no button to press here; like Esc it stays with the focused list.
    bool FiltersKey(WPARAM key) const override { return key == VK_RETURN || key == VK_ESCAPE; }

private:
    CHANGUAN logic_;
};

}  // namespace mw
