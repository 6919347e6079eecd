// The tray side of the main window, recorded as a log of the calls in their order.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "app/TrayShell.h"

namespace mw {

class FakeTrayHost : public TrayHost {
public:
    bool AddTrayIcon() override { log.push_back("AddTrayIcon"); return iconAccepted; }
    void RemoveTrayIcon() override { log.push_back("RemoveTrayIcon"); }
    void TrackTrayMenu() override { log.push_back("TrackTrayMenu"); }
    bool RegisterHotKey() override { log.push_back("RegisterHotKey"); return hotKeyFree; }
    void UnregisterHotKey() override { log.push_back("UnregisterHotKey"); }
    void Show() override { log.push_back("Show"); }
    void ShowNormal() override { log.push_back("ShowNormal"); }
    void ShowOnTop(int x, int y) override {
        log.push_back("ShowOnTop " + std::to_string(x) + "," + std::to_string(y));
    }
    void Hide() override { log.push_back("Hide"); }
    void MinimiseToTaskbar() override { log.push_back("MinimiseToTaskbar"); }
    void DeleteListFonts() override { log.push_back("DeleteListFonts"); }
    void CloseInstanceMutex() override { log.push_back("CloseInstanceMutex"); }
    void PostQuit(int code) override { log.push_back("PostQuit " + std::to_string(code)); }

    // The calls since the last look, and a fresh log.
    std::vector<std::string> Take() { return std::exchange(log, {}); }

    bool iconAccepted = true;
    bool hotKeyFree = true;
    std::vector<std::string> log;
};

}  // namespace mw
