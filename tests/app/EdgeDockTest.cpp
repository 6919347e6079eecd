// Edge docking: snapping to the four edges, the slides out and back, the sliver, the saved height.
#include "app/EdgeDock.h"

#include <gtest/gtest.h>

#include "tests/support/FakeDesktop.h"
#include "tests/support/FakeDockWindow.h"

namespace mw {

bool operator==(const ScreenRect& a, const ScreenRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::ostream& operator<<(std::ostream& out, const ScreenRect& r) {
    return out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace {

// A 400 × 300 window on a 1280 × 1024 screen with a 30-pixel taskbar, edge 2, frame 4.
struct Docking {
    Docking() { dock.Measure(); }

    // Drags the window with the cursor at `cursor`; the window lands where docking puts it.
    ScreenRect DragTo(ScreenPoint cursor) {
        desktop.cursor = cursor;
        window.rect = dock.OnMoving(window.rect);
        return window.rect;
    }
    // Runs the slide timer until it stops itself; the number of steps that moved the window.
    int SlideToTheEnd() {
        const int before = window.placements;
        for (int tick = 0; tick < 1000 && window.Running(EdgeDock::kSlideTimer); ++tick)
            dock.OnTimer(EdgeDock::kSlideTimer);
        EXPECT_FALSE(window.Running(EdgeDock::kSlideTimer));
        return window.placements - before;
    }
    void CursorLeaves() {
        desktop.cursor = {640, 500};
        dock.OnTimer(EdgeDock::kWatchTimer);
    }

    FakeDesktop desktop;
    FakeDockWindow window;
    EdgeDock dock{window, desktop};
};

TEST(EdgeDock, SnapsToTheEdgeTheCursorComesWithinTwentyPixelsOf) {
    struct Case { ScreenPoint cursor; EdgeDock::Side side; ScreenRect at; };
    const Case cases[] = {
        {{640, 20},   EdgeDock::kTop,    {500, -2, 900, 298}},
        {{640, 21},   EdgeDock::kFree,   {500, 300, 900, 600}},
        {{640, 974},  EdgeDock::kBottom, {500, 694, 900, 994}},  // above the taskbar
        {{640, 973},  EdgeDock::kFree,   {500, 300, 900, 600}},
        {{19, 500},   EdgeDock::kLeft,   {0, 300, 400, 600}},
        {{20, 500},   EdgeDock::kFree,   {500, 300, 900, 600}},
        {{1260, 500}, EdgeDock::kRight,  {880, 300, 1280, 600}},
        {{1259, 500}, EdgeDock::kFree,   {500, 300, 900, 600}},
        {{5, 5},      EdgeDock::kTop,    {500, -2, 900, 298}},   // a corner: the top wins
    };
    for (const Case& c : cases) {
        Docking d;
        EXPECT_EQ(d.DragTo(c.cursor), c.at) << c.cursor.x << "," << c.cursor.y;
        EXPECT_EQ(d.dock.DockSide(), c.side) << c.cursor.x << "," << c.cursor.y;
    }
}

TEST(EdgeDock, WindowFreedFromASideGetsBackItsHeight) {
    Docking d;
    d.DragTo({10, 500});
    EXPECT_EQ(d.dock.SavedHeight(), 300);
    // Collapsed while docked: the height from before the docking is the one kept.
    d.window.rect.bottom = d.window.rect.top + 120;
    d.DragTo({1270, 500});
    EXPECT_EQ(d.dock.SavedHeight(), 300);
    EXPECT_EQ(d.DragTo({640, 500}), (ScreenRect{880, 300, 1280, 600}));
    EXPECT_EQ(d.dock.DockSide(), EdgeDock::kFree);
    // Freed once: further moves keep whatever height the window has.
    d.window.rect.bottom = d.window.rect.top + 120;
    EXPECT_EQ(d.DragTo({600, 400}).Height(), 120);

    // The top and bottom edges keep the height as it is.
    Docking top;
    top.DragTo({640, 0});
    top.window.rect.bottom = top.window.rect.top + 120;
    EXPECT_EQ(top.DragTo({640, 500}).Height(), 120);
}

TEST(EdgeDock, SlidesOutOfSightLeavingTheSliverAndBackAtEachEdge) {
    struct Case { ScreenPoint cursor; ScreenRect shown, hidden; int hideSteps; };
    const Case cases[] = {
        // Tenths of the height (30) or width (40), the last step cut at the end.
        {{640, 0},    {500, -2, 900, 298},    {500, -296, 900, 4},    10},
        {{640, 1000}, {500, 724, 900, 1024},  {500, 1020, 900, 1320}, 10},
        {{0, 500},    {0, 300, 400, 600},     {-396, 300, 4, 600},    10},
        {{1279, 500}, {880, 300, 1280, 600},  {1276, 300, 1676, 600}, 10},
    };
    for (const Case& c : cases) {
        Docking d;
        d.DragTo(c.cursor);
        // Pointing at the docked window brings it fully in and watches the cursor.
        d.dock.OnHitTest(c.cursor.x);
        EXPECT_TRUE(d.window.Running(EdgeDock::kWatchTimer));
        EXPECT_EQ(d.window.timers[EdgeDock::kWatchTimer], 200u);
        EXPECT_EQ(d.window.timers[EdgeDock::kSlideTimer], 5u);
        d.SlideToTheEnd();
        EXPECT_EQ(d.window.rect, c.shown) << c.cursor.x << "," << c.cursor.y;

        d.CursorLeaves();
        EXPECT_FALSE(d.window.Running(EdgeDock::kWatchTimer));
        EXPECT_FALSE(d.dock.Watching());
        EXPECT_EQ(d.SlideToTheEnd(), c.hideSteps) << c.cursor.x << "," << c.cursor.y;
        EXPECT_EQ(d.window.rect, c.hidden) << c.cursor.x << "," << c.cursor.y;
        EXPECT_TRUE(d.dock.Finished());

        // Pointing at the sliver slides it back in.
        d.dock.OnHitTest(c.hidden.left + 1);
        d.SlideToTheEnd();
        EXPECT_EQ(d.window.rect, c.shown) << c.cursor.x << "," << c.cursor.y;
    }
}

TEST(EdgeDock, CursorNearTheWindowKeepsItIn) {
    Docking d;
    d.DragTo({640, 0});
    d.dock.OnHitTest(640);
    d.SlideToTheEnd();
    const ScreenRect shown = d.window.rect;
    for (ScreenPoint near : {ScreenPoint{shown.right + 9, 100}, ScreenPoint{shown.left - 10, 100},
                             ScreenPoint{700, shown.bottom + 9}}) {
        d.desktop.cursor = near;
        d.dock.OnTimer(EdgeDock::kWatchTimer);
        EXPECT_TRUE(d.window.Running(EdgeDock::kWatchTimer)) << near.x << "," << near.y;
    }
    d.desktop.cursor = {shown.right + 10, 100};
    d.dock.OnTimer(EdgeDock::kWatchTimer);
    EXPECT_FALSE(d.window.Running(EdgeDock::kWatchTimer));
    EXPECT_TRUE(d.window.Running(EdgeDock::kSlideTimer));
}

TEST(EdgeDock, HitTestWakesOnlyADockedWindowThatIsNotWatchedYet) {
    Docking d;
    d.dock.OnHitTest(640);
    EXPECT_EQ(d.window.timerStarts, 0);
    d.DragTo({640, 0});
    d.dock.OnHitTest(1290);  // past the screen's right edge + 10
    EXPECT_EQ(d.window.timerStarts, 0);
    d.dock.OnHitTest(1289);
    EXPECT_EQ(d.window.timerStarts, 2);
    d.dock.OnHitTest(640);
    EXPECT_EQ(d.window.timerStarts, 2);
}

TEST(EdgeDock, DraggingAwayEndsTheDockingAndItsTimers) {
    Docking d;
    d.DragTo({640, 0});
    d.dock.OnHitTest(640);
    d.DragTo({640, 500});
    EXPECT_EQ(d.dock.DockSide(), EdgeDock::kFree);
    EXPECT_FALSE(d.dock.Watching());
    EXPECT_FALSE(d.window.Running(EdgeDock::kWatchTimer));
    // The slide under way has nowhere to go: it leaves the window and its timer stops.
    const ScreenRect free = d.window.rect;
    EXPECT_EQ(d.SlideToTheEnd(), 0);
    EXPECT_EQ(d.window.rect, free);
}

TEST(EdgeDock, OnlyATaskbarAlongTheBottomTakesRoomFromTheBottomEdge) {
    struct Case { std::optional<ScreenRect> taskbar; int height; };
    const Case cases[] = {
        {std::nullopt,                    30},
        {ScreenRect{-2, 984, 1282, 1026}, 42},
        {ScreenRect{-2, -2, 1282, 40},    0},   // along the top
        {ScreenRect{-2, -2, 62, 1026},    0},   // at the left side
    };
    for (const Case& c : cases) {
        Docking d;
        d.desktop.taskbar = c.taskbar;
        d.dock.Measure();
        EXPECT_EQ(d.dock.TaskbarHeight(), c.height);
    }
    // With the taskbar at a side, a window dragged to the bottom stays on the screen.
    Docking side;
    side.desktop.taskbar = ScreenRect{-2, -2, 62, 1026};
    side.dock.Measure();
    EXPECT_EQ(side.DragTo({640, 500}), (ScreenRect{500, 300, 900, 600}));
    EXPECT_EQ(side.DragTo({640, 1010}), (ScreenRect{500, 724, 900, 1024}));
    EXPECT_EQ(side.dock.Sliver(), 4);
}

// At 192 dots per inch the snap distance, the watch margin and the taskbar height assumed when
// there is none are twice their pixels at 96; the sliver is the system's frame, already scaled,
// and at least the classic frame of 4 pixels at the scale.
TEST(EdgeDock, DistancesFollowTheScreensDotsPerInch) {
    Docking d;
    d.desktop.dpi = 192;
    d.desktop.frame = 5;
    d.desktop.taskbar = std::nullopt;
    d.dock.Measure();
    EXPECT_EQ(d.dock.SnapDistance(), 40);
    EXPECT_EQ(d.dock.WatchMargin(), 20);
    EXPECT_EQ(d.dock.TaskbarHeight(), 60);
    EXPECT_EQ(d.dock.Sliver(), 8);
    EXPECT_EQ(d.DragTo({640, 41}), (ScreenRect{500, 300, 900, 600}));  // not near enough
    EXPECT_EQ(d.DragTo({640, 40}), (ScreenRect{500, -2, 900, 298}));
    EXPECT_EQ(d.DragTo({640, 924}), (ScreenRect{500, 664, 900, 964}));  // above the assumed taskbar
    EXPECT_EQ(d.DragTo({39, 500}), (ScreenRect{0, 664, 400, 964}));
    // Pointing at the docked window brings it in; the cursor 20 pixels beside it keeps it there,
    // 21 pixels away sends it out again.
    d.dock.OnHitTest(2);
    EXPECT_TRUE(d.dock.Watching());
    d.SlideToTheEnd();
    d.desktop.cursor = {d.window.rect.right + 19, 800};
    d.dock.OnTimer(EdgeDock::kWatchTimer);
    EXPECT_TRUE(d.dock.Watching());
    d.desktop.cursor = {d.window.rect.right + 20, 800};
    d.dock.OnTimer(EdgeDock::kWatchTimer);
    EXPECT_FALSE(d.dock.Watching());
    d.SlideToTheEnd();
    EXPECT_EQ(d.window.rect.right, 8);
    // 125 % and 150 % round as the system's own scaling does.
    for (const auto& [dpi, snap] : {std::pair{120, 25}, std::pair{144, 30}, std::pair{96, 20}}) {
        d.desktop.dpi = dpi;
        d.dock.Measure();
        EXPECT_EQ(d.dock.SnapDistance(), snap) << dpi;
    }
    d.desktop.frame = 10;
    d.dock.Measure();
    EXPECT_EQ(d.dock.Sliver(), 10);
}

}  // namespace
}  // namespace mw
