// The plain-text clipboard, behind an interface so that tests read what was copied.
#pragma once

#include <string>

namespace mw {

class ControlSurface;

// The plain-text clipboard.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // True only when the text is on the clipboard; false when the clipboard stays busy or the
    // text cannot be set, and then nothing is copied.
    virtual bool SetText(const std::string& text) = 0;
};

// What a window says when a copy fails.
extern const char kCopyFailedText[];

// Copies `text`; when that fails, tells the user in a message box of `window` and returns false.
bool CopyOrSay(Clipboard& clipboard, ControlSurface& window, const std::string& text);

}  // namespace mw
