// A window that docking moves: its rectangle, its running timers, how often it was placed.
#pragma once

#include <map>

#include "app/EdgeDock.h"

namespace mw {

class FakeDockWindow : public DockWindow {
public:
    ScreenRect WindowRect() const override { return rect; }
    void PlaceTopMost(const ScreenRect& r) override {
        rect = r;
        ++placements;
    }
    void StartTimer(int id, unsigned ms) override {
        timers[id] = ms;
        ++timerStarts;
    }
    void StopTimer(int id) override { timers.erase(id); }
    bool Running(int id) const { return timers.count(id) != 0; }

    ScreenRect rect{500, 300, 900, 600};
    std::map<int, unsigned> timers;
    int timerStarts = 0;
    int placements = 0;
};

}  // namespace mw
