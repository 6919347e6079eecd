// A copy that the user hears of when it fails.
#include "kit/Clipboard.h"

#include "kit/Captions.h"
#include "kit/ControlSurface.h"

namespace mw {

const char kCopyFailedText[] = "复制到剪贴板失败,请稍后再试。";

bool CopyOrSay(Clipboard& clipboard, ControlSurface& window, const std::string& text) {
    if (clipboard.SetText(text)) return true;
    window.ShowMessage(kCopyFailedText, kHintCaption, kMbOk | kMbIconWarning);
    return false;
}

}  // namespace mw
