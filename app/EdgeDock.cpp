// Edge docking: snapping while the window is dragged, watching the cursor, sliding in and out.
#include "app/EdgeDock.h"

#include <algorithm>

namespace mw {

namespace {

// A slide moves a tenth of the window's extent a step, and at least a pixel so that it ends.
int StepOf(int extent) { return std::max(1, extent / 10); }

bool Contains(const ScreenRect& r, ScreenPoint p, int margin) {
    return p.x >= r.left - margin && p.x < r.right + margin && p.y >= r.top - margin &&
           p.y < r.bottom + margin;
}

}  // namespace

void EdgeDock::Measure() {
    const int dpi = desktop_.Dpi();
    snapDistance_ = ScaledPixels(kSnapDistance, dpi);
    watchMargin_ = ScaledPixels(kWatchMargin, dpi);
    taskbarHeight_ = ScaledPixels(kDefaultTaskbarHeight, dpi);
    if (const std::optional<ScreenRect> taskbar = desktop_.TaskbarRect()) {
        // Only a taskbar along the bottom edge takes room from the bottom docking place; one at
        // a side is as high as the screen and would push the docked window above the screen.
        const bool alongBottom = taskbar->Width() > taskbar->Height() &&
                                 taskbar->bottom >= desktop_.ScreenHeight();
        taskbarHeight_ = alongBottom ? taskbar->Height() : 0;
    }
    edgeWidth_ = desktop_.EdgeHeight();
    sliver_ = std::max(desktop_.FrameWidth(), ScaledPixels(kMinSliver, dpi));
}

ScreenRect EdgeDock::OnMoving(const ScreenRect& proposed) {
    const ScreenPoint cursor = desktop_.CursorPos();
    const int screenWidth = desktop_.ScreenWidth(), screenHeight = desktop_.ScreenHeight();
    const int w = proposed.Width(), h = proposed.Height();
    ScreenRect r = proposed;
    if (cursor.y <= snapDistance_) {
        r.top = -edgeWidth_;
        r.bottom = h - edgeWidth_;
        side_ = kTop;
    } else if (cursor.y >= screenHeight - snapDistance_ - taskbarHeight_) {
        r.top = screenHeight - taskbarHeight_ - h;
        r.bottom = screenHeight - taskbarHeight_;
        side_ = kBottom;
    } else if (cursor.x < snapDistance_) {
        SaveHeight(h);
        r.left = 0;
        r.right = w;
        side_ = kLeft;
    } else if (cursor.x >= screenWidth - snapDistance_) {
        SaveHeight(h);
        r.left = screenWidth - w;
        r.right = screenWidth;
        side_ = kRight;
    } else {
        if (sideDocked_) {
            r.bottom = r.top + savedHeight_;
            sideDocked_ = false;
        }
        if (watching_) {
            window_.StopTimer(kWatchTimer);
            watching_ = false;
        }
        side_ = kFree;
    }
    return r;
}

void EdgeDock::SaveHeight(int height) {
    if (!sideDocked_) savedHeight_ = height;
    sideDocked_ = true;
}

void EdgeDock::OnHitTest(int x) {
    if (side_ == kFree || watching_ || x >= desktop_.ScreenWidth() + watchMargin_) return;
    window_.StartTimer(kWatchTimer, kWatchPeriodMs);
    watching_ = true;
    finished_ = false;
    hiding_ = false;
    window_.StartTimer(kSlideTimer, kSlidePeriodMs);
}

void EdgeDock::OnTimer(int id) {
    if (id == kWatchTimer) Watch();
    else if (id == kSlideTimer) Slide();
}

void EdgeDock::Watch() {
    if (Contains(window_.WindowRect(), desktop_.CursorPos(), watchMargin_)) return;
    window_.StopTimer(kWatchTimer);
    watching_ = false;
    finished_ = false;
    hiding_ = true;
    window_.StartTimer(kSlideTimer, kSlidePeriodMs);
}

void EdgeDock::Slide() {
    if (finished_) {
        window_.StopTimer(kSlideTimer);
        return;
    }
    // A window dragged away from the edge mid-slide has nowhere to slide: the slide is over, so
    // the next tick stops the timer instead of ticking on every 5 ms for the rest of the run.
    if (side_ == kFree) {
        finished_ = true;
        return;
    }
    ScreenRect r = window_.WindowRect();
    finished_ = Step(r);
    window_.PlaceTopMost(r);
}

int EdgeDock::SlideEnd(int extent) const {
    const int screenWidth = desktop_.ScreenWidth(), screenHeight = desktop_.ScreenHeight();
    switch (side_) {
        case kTop:    return hiding_ ? sliver_ - extent       : -edgeWidth_;
        case kBottom: return hiding_ ? screenHeight - sliver_ : screenHeight - extent;
        case kLeft:   return hiding_ ? sliver_ - extent       : 0;
        case kRight:  return hiding_ ? screenWidth - sliver_  : screenWidth - extent;
        case kFree:   break;
    }
    return 0;
}

bool EdgeDock::Step(ScreenRect& r) const {
    const bool vertical = side_ == kTop || side_ == kBottom;
    int& origin = vertical ? r.top : r.left;
    int& opposite = vertical ? r.bottom : r.right;
    const int extent = opposite - origin;
    const int end = SlideEnd(extent);
    // Out of sight is up or left at the top and left edges, down or right at the others.
    const int direction = (side_ == kTop || side_ == kLeft) == hiding_ ? -1 : 1;
    origin += direction * StepOf(extent);
    const bool reached = (origin - end) * direction >= 0;
    if (reached) origin = end;
    opposite = origin + extent;
    return reached;
}

}  // namespace mw
