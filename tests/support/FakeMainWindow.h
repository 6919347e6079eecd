// The main window's platform side, recorded: geometry, timers, tool windows, pages.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "app/MainWindowHost.h"

namespace mw {

class FakeMainWindow : public MainWindowHost {
public:
    ScreenRect WindowRect() const override { return window; }
    ScreenRect ControlRect(int id) const override {
        const auto found = controls.find(id);
        return found == controls.end() ? ScreenRect{} : found->second;
    }
    void ResizeWindow(int width, int height) override {
        window.right = window.left + width;
        window.bottom = window.top + height;
    }
    void SetTopMost(bool on) override { topMost = on; }
    void StartTimer(int id, unsigned ms) override { timers[id] = ms; }
    void StopTimer(int id) override { timers.erase(id); }
    void ShowPage(int index, bool shown) override { pageShown[index] = shown; }
    void TrackToolsMenu() override { ++menusShown; }
    void ShowToolWindow(ToolWindow tool, bool shown) override { toolShown[tool] = shown; }
    void MoveToolWindow(ToolWindow tool, int x, int y, bool toTop) override {
        toolAt[tool] = {x, y};
        moves.push_back(tool);
    }
    void StartCalculator() override { ++calculatorsStarted; }
    bool LoadBanner() override { bannerLoaded = true; return true; }
    void ReleaseBanner() override { bannerLoaded = false; }
    void ShowAbout() override { ++aboutShown; }
    void OpenVendorPage() override {}
    void Exit() override { exited = true; }

    ScreenRect window{100, 50, 540, 600};
    std::map<int, ScreenRect> controls;
    bool topMost = false;
    std::map<int, unsigned> timers;
    std::array<bool, 3> pageShown{};
    int menusShown = 0;
    std::array<bool, kToolCount> toolShown{};
    std::array<std::pair<int, int>, kToolCount> toolAt{};
    std::vector<ToolWindow> moves;
    int calculatorsStarted = 0;
    bool bannerLoaded = true;
    int aboutShown = 0;
    bool exited = false;
};

}  // namespace mw
