// A tool window of the tools menu: modeless, created hidden; its close box only hides it.
// A window with content gives the frame its logic (control notifications go there through the
// frame's surface) and overrides OnInit or OnMessage for the rest.
#pragma once

#include <functional>

#include "kit/DialogSurfaceWin32.h"
#include "kit/DialogWin32.h"

namespace mw {

class ToolWindowFrame : public DialogWindow {
public:
    // `onClosed` runs when the user hides the window through its own close box.
    explicit ToolWindowFrame(std::function<void()> onClosed) : onClosed_(std::move(onClosed)) {}

    DialogSurface& Surface() { return surface_; }
    // Control notifications go to `logic` from then on (none while it is null).
    void SetLogic(CommandTarget* logic) { logic_ = logic; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    bool FiltersKey(WPARAM key) const override { return key == VK_ESCAPE; }
    // Runs once the dialog and its controls exist and the surface is attached.
    virtual void OnInit() {}
    // The window's keyboard shortcuts (an accelerator table of the program's resources): their
    // commands reach the logic as clicks of the buttons of the same IDs.
    void UseShortcuts(int acceleratorTable) {
        shortcuts_ = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(acceleratorTable));
    }
    HACCEL Accelerators() const override { return shortcuts_; }

private:
    HACCEL shortcuts_ = nullptr;
    std::function<void()> onClosed_;
    DialogSurface surface_;
    CommandTarget* logic_ = nullptr;
};

}  // namespace mw
