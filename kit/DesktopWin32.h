// The screen, the cursor, the taskbar, the frame metrics and the uptime as Windows reports them.
#pragma once

#include "kit/Desktop.h"

namespace mw {

class Win32Desktop : public Desktop {
public:
    ScreenPoint CursorPos() const override;
    int ScreenWidth() const override;
    int ScreenHeight() const override;
    std::optional<ScreenRect> TaskbarRect() const override;
    int EdgeHeight() const override;
    int FrameWidth() const override;
    int Dpi() const override;
    std::uint64_t UptimeMs() const override;
};

}  // namespace mw
