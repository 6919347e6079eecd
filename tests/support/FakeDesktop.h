// A screen of 1280 × 1024 with a taskbar along the bottom, a cursor the test places and an
// uptime the test sets.
#pragma once

#include "kit/Desktop.h"

namespace mw {

class FakeDesktop : public Desktop {
public:
    ScreenPoint CursorPos() const override { return cursor; }
    int ScreenWidth() const override { return width; }
    int ScreenHeight() const override { return height; }
    std::optional<ScreenRect> TaskbarRect() const override { return taskbar; }
    int EdgeHeight() const override { return edge; }
    int FrameWidth() const override { return frame; }
    int Dpi() const override { return dpi; }
    std::uint64_t UptimeMs() const override { return uptime; }

    ScreenPoint cursor{640, 500};
    int width = 1280, height = 1024;
    std::optional<ScreenRect> taskbar = ScreenRect{0, 994, 1280, 1024};
    int edge = 2, frame = 4;
    int dpi = 96;
    std::uint64_t uptime = 3600000;
};

}  // namespace mw
