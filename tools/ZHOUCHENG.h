// The bearing lookup: the list of 2110 lines, the kind combo that jumps and follows, find next
// with wrap-around, and a double-click that copies a line.
#pragma once

#include <string>

#include "kit/Clipboard.h"
#include "kit/ControlSurface.h"

namespace mw {

class CZHOUCHENG : public CommandTarget {
public:
    static constexpr int kKindCount = 12;
    // The line of each kind's header; a kind's lines run from its header to the next one.
    static const int kHeaderLines[kKindCount];

    CZHOUCHENG(ControlSurface& surface, Clipboard& clipboard);

    void OnInitDialog();   // fills the list and the kind combo
    void OnCommand(int id, Notify what) override;

    void OnKindChosen();
    void OnLineSelected();
    void OnLineDoubleClicked();
    void OnFindNext();

    // The combo entry (1 to 12) of the kind a list line belongs to; 0 for line 0, which leaves
    // the combo as it is.
    static int KindOfLine(int line);
    // The list line a combo entry jumps to.
    static int LineOfKind(int entry);

private:
    ControlSurface& surface_;
    Clipboard& clipboard_;
};

}  // namespace mw
