// What the system tells the main window: the screen, the cursor, the taskbar, the window frame
// metrics and the time since the system started.
#pragma once

#include <cstdint>
#include <optional>

#include "kit/Dpi.h"

namespace mw {

struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

struct ScreenPoint {
    int x = 0, y = 0;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    virtual ScreenPoint CursorPos() const = 0;
    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;
    // The taskbar's window rectangle; none when there is no taskbar.
    virtual std::optional<ScreenRect> TaskbarRect() const = 0;
    virtual int EdgeHeight() const = 0;   // the three-dimensional edge
    virtual int FrameWidth() const = 0;   // the sizing frame
    // The screen's dots per inch: distances the program measures in pixels at 96 scale with it.
    virtual int Dpi() const = 0;
    // Milliseconds since the system started, in 64 bits so that it never wraps.
    virtual std::uint64_t UptimeMs() const = 0;
};

}  // namespace mw
