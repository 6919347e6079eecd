// An export that the user hears of when it fails.
#include "kit/ExportFiles.h"

#include "kit/Captions.h"
#include "kit/ControlSurface.h"

namespace mw {

const char kExportFailedText[] = "无法写入文件:\n";

bool ExportOrSay(ExportFiles& exports, ControlSurface& window, const std::string& suggestedName,
                 const std::string& bytes) {
    const std::optional<std::string> path = exports.AskSavePath(suggestedName);
    if (!path) return false;
    if (exports.Write(*path, bytes)) return true;
    window.ShowMessage(kExportFailedText + *path, kWarningCaption, kMbOk | kMbIconWarning);
    return false;
}

}  // namespace mw
