// The clipboard with the platform's clipboard functions.
#pragma once

#include <windows.h>

#include "kit/Clipboard.h"

namespace mw {

class Win32Clipboard : public Clipboard {
public:
    explicit Win32Clipboard(HWND owner) : owner_(owner) {}
    bool SetText(const std::string& text) override;

private:
    HWND owner_;
};

}  // namespace mw
