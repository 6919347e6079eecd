// A tool window of the tools menu: modeless, created hidden; its close box only hides it.
#pragma once

#include <functional>

#include "app/DialogWin32.h"

namespace mw {

class ToolWindowFrame : public DialogWindow {
public:
    // `onClosed` runs when the user hides the window through its own close box.
    explicit ToolWindowFrame(std::function<void()> onClosed) : onClosed_(std::move(onClosed)) {}

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    bool FiltersKey(WPARAM key) const override { return key == VK_ESCAPE; }

private:
    std::function<void()> onClosed_;
};

}  // namespace mw
