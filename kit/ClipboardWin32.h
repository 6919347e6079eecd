// The clipboard with the platform's clipboard functions.
#pragma once

#include <windows.h>

#include "kit/Clipboard.h"

namespace mw {

// Copies on behalf of one window of the program, which becomes the clipboard's owner: opened
// with no window, the clipboard would be emptied to no owner, and setting data then fails.
// The window is given once it exists (SetOwner); until then every copy fails.
class Win32Clipboard : public Clipboard {
public:
    Win32Clipboard() = default;
    explicit Win32Clipboard(HWND owner) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    bool SetText(const std::string& text) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace mw
