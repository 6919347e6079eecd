// The told-once rule for the program's files.
#include "settings/WriteNotice.h"

namespace mw {

bool WriteNotice::Told(bool written, ControlSurface& window) {
    if (written) {
        told_ = false;
        return true;
    }
    if (!told_) {
        told_ = true;  // before the box: its message loop may bring another failure
        window.ShowMessage(text_, kWarningCaption, kMbOk | kMbIconWarning);
    }
    return false;
}

}  // namespace mw
