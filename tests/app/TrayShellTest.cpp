// Tray icon, hot key, minimise, start hidden and the exit sequence of the main window.
#include "app/TrayShell.h"

#include <gtest/gtest.h>

#include "settings/SettingsFile.h"
#include "tests/support/FakeDesktop.h"
#include "tests/support/FakeTrayHost.h"
#include "tests/support/MemoryFileSystem.h"

namespace mw {
namespace {

using Log = std::vector<std::string>;

struct Tray {
    static constexpr const char* kPath = "/app/ConfigKq.ini";

    // Starts with these lines in section "Setting" of the settings file.
    explicit Tray(const std::string& settingLines = "") {
        if (!settingLines.empty()) files.files[kPath] = "[Setting]\r\n" + settingLines;
    }
    Log Start() {
        shell.Start();
        return host.Take();
    }

    MemoryFileSystem files;
    SettingsFile settings{files, kPath};
    FakeTrayHost host;
    FakeDesktop desktop;
    TrayShell shell{host, desktop, settings};
};

TEST(TrayShell, StartRegistersTheHotKeyAndAddsTheIconUnlessTheUserAskedForNone) {
    Tray plain;
    EXPECT_EQ(plain.Start(), (Log{"RegisterHotKey", "AddTrayIcon"}));
    EXPECT_TRUE(plain.shell.IconShown());
    EXPECT_TRUE(plain.shell.HotKeyRegistered());

    Tray noIcon("hidetubiao=1\r\n");
    EXPECT_EQ(noIcon.Start(), (Log{"RegisterHotKey"}));
    EXPECT_FALSE(noIcon.shell.IconShown());

    // Only 1 switches the option on, as the timed-tasks window ticks its box only for 1.
    Tray odd("hidetubiao=2\r\n");
    EXPECT_EQ(odd.Start(), (Log{"RegisterHotKey", "AddTrayIcon"}));

    Tray refused;
    refused.host.iconAccepted = false;
    refused.host.hotKeyFree = false;
    refused.Start();
    EXPECT_FALSE(refused.shell.IconShown());
    EXPECT_FALSE(refused.shell.HotKeyRegistered());
}

// The window shows before its icon is added, unless it is to be put away at its first paint.
TEST(TrayShell, IconAddedAfterTheWindowShowsUnlessItStartsPutAway) {
    Tray later;
    later.shell.StartBeforeIcon();
    EXPECT_EQ(later.host.Take(), Log{"RegisterHotKey"});
    later.shell.AddIcon();
    later.shell.AddIcon();
    EXPECT_EQ(later.host.Take(), Log{"AddTrayIcon"});
    EXPECT_TRUE(later.shell.IconShown());

    Tray putAway("minirun=1\r\n");
    putAway.shell.StartBeforeIcon();
    EXPECT_EQ(putAway.host.Take(), (Log{"RegisterHotKey", "AddTrayIcon"}));
    putAway.shell.AddIcon();
    EXPECT_TRUE(putAway.host.Take().empty());

    Tray noIcon("hidetubiao=1\r\n");
    noIcon.shell.StartBeforeIcon();
    noIcon.shell.AddIcon();
    EXPECT_EQ(noIcon.host.Take(), Log{"RegisterHotKey"});

    // Ended before the icon's turn came: no icon is left behind.
    Tray ended;
    ended.shell.StartBeforeIcon();
    ended.shell.ExitProgram();
    ended.host.Take();
    ended.shell.AddIcon();
    EXPECT_TRUE(ended.host.Take().empty());
    EXPECT_FALSE(ended.shell.IconShown());
}

TEST(TrayShell, IconMessagesShowTheWindowOrTheMenu) {
    Tray t;
    t.Start();
    EXPECT_EQ(t.shell.OnIconMessage(129, TrayMouse::LeftUp), 1);
    EXPECT_EQ(t.host.Take(), Log{});
    EXPECT_EQ(t.shell.OnIconMessage(128, TrayMouse::LeftUp), 0);
    EXPECT_EQ(t.host.Take(), Log{"Show"});
    EXPECT_EQ(t.shell.OnIconMessage(128, TrayMouse::LeftDoubleClick), 0);
    EXPECT_EQ(t.host.Take(), Log{"ShowOnTop 300,200"});
    EXPECT_EQ(t.shell.OnIconMessage(128, TrayMouse::RightUp), 0);
    EXPECT_EQ(t.host.Take(), Log{"TrackTrayMenu"});
    EXPECT_EQ(t.shell.OnIconMessage(128, TrayMouse::Other), 0);
    EXPECT_EQ(t.host.Take(), Log{});

    t.shell.OnHotKey();
    EXPECT_EQ(t.host.Take(), Log{"ShowOnTop 300,200"});
    t.shell.OnShowCommand();
    EXPECT_EQ(t.host.Take(), Log{"ShowNormal"});
}

TEST(TrayShell, MinimiseHidesOnlyWhileTheIconOrTheHotKeyCanBringTheWindowBack) {
    struct Case { const char* settings; bool iconAccepted, hotKeyFree; const char* expected; };
    const Case cases[] = {
        {"",               true,  true,  "Hide"},
        {"",               true,  false, "Hide"},
        {"",               false, true,  "Hide"},
        {"",               false, false, "MinimiseToTaskbar"},
        {"hidetubiao=1\r\n", true, true,  "Hide"},
        {"hidetubiao=1\r\n", true, false, "MinimiseToTaskbar"},
    };
    for (const Case& c : cases) {
        Tray t(c.settings);
        t.host.iconAccepted = c.iconAccepted;
        t.host.hotKeyFree = c.hotKeyFree;
        t.Start();
        t.shell.OnMinimise();
        EXPECT_EQ(t.host.Take(), Log{c.expected})
            << c.settings << " icon " << c.iconAccepted << " hot key " << c.hotKeyFree;
    }
}

TEST(TrayShell, StartsHiddenOnlyWithinSixMinutesOfTheSystemStart) {
    Tray early("minirun=1\r\n");
    early.desktop.uptime = 359999;
    early.Start();
    early.shell.OnPaint();
    EXPECT_EQ(early.host.Take(), Log{"Hide"});
    // Called back from the tray: the window stays.
    early.shell.OnPaint();
    EXPECT_EQ(early.host.Take(), Log{});

    Tray late("minirun=1\r\n");
    late.desktop.uptime = 360000;
    late.Start();
    late.shell.OnPaint();
    late.shell.OnPaint();
    EXPECT_EQ(late.host.Take(), Log{});
    // Only the first two paints look; an uptime that somehow fell does not matter later.
    late.desktop.uptime = 0;
    late.shell.OnPaint();
    EXPECT_EQ(late.host.Take(), Log{});

    // Far beyond 32 bits of milliseconds (49.7 days) the system is still not freshly started.
    Tray longRunning("minirun=1\r\n");
    longRunning.desktop.uptime = (std::uint64_t{1} << 32) + 1000;
    longRunning.Start();
    longRunning.shell.OnPaint();
    EXPECT_EQ(longRunning.host.Take(), Log{});

    Tray off;
    off.desktop.uptime = 0;
    off.Start();
    off.shell.OnPaint();
    EXPECT_EQ(off.host.Take(), Log{});

    // With neither icon nor hot key the window starts minimised to the taskbar instead.
    Tray stranded("minirun=1\r\nhidetubiao=1\r\n");
    stranded.desktop.uptime = 1000;
    stranded.host.hotKeyFree = false;
    stranded.Start();
    stranded.shell.OnPaint();
    EXPECT_EQ(stranded.host.Take(), Log{"MinimiseToTaskbar"});
}

TEST(TrayShell, NewNotificationAreaGetsTheIconAgain) {
    Tray t;
    t.host.iconAccepted = false;
    t.host.hotKeyFree = false;
    t.Start();
    t.host.iconAccepted = true;
    t.shell.OnTaskbarCreated();
    EXPECT_EQ(t.host.Take(), Log{"AddTrayIcon"});
    EXPECT_TRUE(t.shell.IconShown());
    t.shell.OnMinimise();
    EXPECT_EQ(t.host.Take(), Log{"Hide"});

    Tray noIcon("hidetubiao=1\r\n");
    noIcon.Start();
    noIcon.shell.OnTaskbarCreated();
    EXPECT_EQ(noIcon.host.Take(), Log{});
}

TEST(TrayShell, ExitSequenceRunsInItsOrderOnce) {
    const Log sequence{"RemoveTrayIcon", "DeleteListFonts", "UnregisterHotKey",
                       "CloseInstanceMutex", "PostQuit 0"};
    Tray t;
    t.Start();
    t.shell.ExitProgram();
    EXPECT_EQ(t.host.Take(), sequence);
    EXPECT_FALSE(t.shell.IconShown());
    // The close command runs it and then the default close, which runs it again.
    t.shell.ExitProgram();
    t.shell.OnTaskbarCreated();
    EXPECT_EQ(t.host.Take(), Log{});

    // The icon is removed even when none was added.
    Tray noIcon("hidetubiao=1\r\n");
    noIcon.Start();
    noIcon.shell.ExitProgram();
    EXPECT_EQ(noIcon.host.Take(), sequence);
}

}  // namespace
}  // namespace mw
