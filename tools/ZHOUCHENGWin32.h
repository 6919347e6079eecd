// The bearing lookup's window: template 157 in a fixed-pitch font, bound to CZHOUCHENG.
#pragma once

#include <functional>

#include "kit/ClipboardWin32.h"
#include "kit/ToolWindowWin32.h"
#include "tools/ZHOUCHENG.h"

namespace mw {

class ZHOUCHENGWindow : public ToolWindowFrame {
public:
    explicit ZHOUCHENGWindow(std::function<void()> onClosed);
    ~ZHOUCHENGWindow() override;

protected:
    void OnInit() override;

private:
    Win32Clipboard clipboard_;
    CZHOUCHENG logic_;
    HFONT font_ = nullptr;
};

}  // namespace mw
