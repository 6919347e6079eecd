// The material density window on template 139: the table's look, the search's logic.
#pragma once

#include "kit/ToolWindowWin32.h"
#include "tools/AILIAOMIDU.h"

namespace mw {

class AILIAOMIDUWindow : public ToolWindowFrame {
public:
    explicit AILIAOMIDUWindow(std::function<void()> onClosed)
        : ToolWindowFrame(std::move(onClosed)), logic_(Surface()) { SetLogic(&logic_); }

protected:
    void OnInit() override;

private:
    CAILIAOMIDU logic_;
};

}  // namespace mw
