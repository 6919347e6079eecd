// Edge docking of the main window: a window dragged to a screen edge snaps to it, slides out of
// sight when the cursor leaves it, leaving a sliver, and slides back when the sliver is pointed at.
#pragma once

#include "kit/Desktop.h"
#include "app/MainWindowHost.h"

namespace mw {

// The window being docked, as the docking logic moves it.
class DockWindow {
public:
    virtual ~DockWindow() = default;
    virtual ScreenRect WindowRect() const = 0;
    virtual void PlaceTopMost(const ScreenRect& rect) = 0;
    virtual void StartTimer(int id, unsigned milliseconds) = 0;
    virtual void StopTimer(int id) = 0;
};

class EdgeDock {
public:
    enum Side { kFree = 0, kTop = 1, kBottom = 2, kLeft = 3, kRight = 4 };

    static constexpr int kWatchTimer = 1;
    static constexpr unsigned kWatchPeriodMs = 200;
    static constexpr int kSlideTimer = 2;
    static constexpr unsigned kSlidePeriodMs = 5;
    // Distances in pixels at 96 dots per inch; the docking uses them at the screen's scale.
    static constexpr int kSnapDistance = 20;  // cursor this close to an edge docks the window
    static constexpr int kWatchMargin = 10;   // the cursor may stray this far before it slides away
    static constexpr int kDefaultTaskbarHeight = 30;
    static constexpr int kMinSliver = 4;  // the classic sizing frame's width

    EdgeDock(DockWindow& window, const Desktop& desktop) : window_(window), desktop_(desktop) {}

    // At window creation: the taskbar height, the edge width, the sliver and the distances at
    // the screen's scale. The frame metrics come from the system already at that scale; the
    // sliver is at least the classic frame's width at that scale, where a system scales its
    // frame less.
    void Measure();
    // While the window is dragged: the proposed rectangle, snapped to an edge the cursor is near.
    ScreenRect OnMoving(const ScreenRect& proposed);
    // Every hit test: pointing at a docked window brings it in and starts watching the cursor.
    void OnHitTest(int x);
    void OnTimer(int id);

    Side DockSide() const { return side_; }
    bool Watching() const { return watching_; }
    bool Finished() const { return finished_; }
    int SavedHeight() const { return savedHeight_; }
    int TaskbarHeight() const { return taskbarHeight_; }
    int Sliver() const { return sliver_; }
    int SnapDistance() const { return snapDistance_; }
    int WatchMargin() const { return watchMargin_; }

private:
    void Watch();
    void Slide();
    // Where the slide under way ends: the window's top at the top and bottom edges, its left
    // at the sides, for a window of that height or width.
    int SlideEnd(int extent) const;
    // One step of the slide on the current rectangle; true when it reached its end.
    bool Step(ScreenRect& r) const;
    void SaveHeight(int height);

    DockWindow& window_;
    const Desktop& desktop_;
    Side side_ = kFree;
    bool sideDocked_ = false;
    bool watching_ = false;
    int savedHeight_ = 400;
    int taskbarHeight_ = kDefaultTaskbarHeight;
    int edgeWidth_ = 0;
    int snapDistance_ = kSnapDistance;
    int watchMargin_ = kWatchMargin;
    int sliver_ = 0;
    bool finished_ = true;
    bool hiding_ = false;
};

}  // namespace mw
