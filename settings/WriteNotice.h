// The one rule for a file of the program's that cannot be written (read-only, locked, a full
// disk): its owner keeps the data in memory and writes it whole at the next change that
// succeeds, and the user is told in a box over whichever window made the change.
#pragma once

#include <string>

#include "kit/Captions.h"
#include "kit/ControlSurface.h"

namespace mw {

class WriteNotice {
public:
    // `text` is what the box says of this file.
    explicit WriteNotice(std::string text) : text_(std::move(text)) {}

    // Returns `written`. A failure is told once: the first one, and again only after a write
    // has succeeded in between, so that a file that stays unwritable does not answer every
    // change (every keystroke of a price) with a box.
    bool Told(bool written, ControlSurface& window);

private:
    std::string text_;
    bool told_ = false;
};

}  // namespace mw
