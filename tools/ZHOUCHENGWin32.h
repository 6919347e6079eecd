// The bearing lookup's window: template 157 in a fixed-pitch font, bound to CZHOUCHENG.
#pragma once

#include <functional>

#include "app/ToolWindowWin32.h"
#include "tools/ZHOUCHENG.h"

namespace mw {

class ZhouchengWindow : public ToolWindowFrame {
public:
    explicit ZhouchengWindow(std::function<void()> onClosed);
    ~ZhouchengWindow() override;

protected:
    void OnInit() override;

private:
    Win32Clipboard clipboard_;
    CZHOUCHENG logic_;
    HFONT font_ = nullptr;
};

}  // namespace mw
