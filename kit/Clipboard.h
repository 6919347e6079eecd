// The plain-text clipboard, behind an interface so that tests read what was copied.
#pragma once

#include <string>

namespace mw {

// The plain-text clipboard.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // False when the clipboard cannot be opened; nothing is copied then.
    virtual bool SetText(const std::string& text) = 0;
};

}  // namespace mw
