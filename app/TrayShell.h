// How the main window lives in the notification area: the icon and its menu, the hot key that
// calls the window up, minimising that hides, starting hidden, and the exit sequence.
#pragma once

#include <cstdint>

#include "kit/Desktop.h"

namespace mw {

class SettingsFile;

// The mouse messages of the notification-area icon that mean something to the window.
enum class TrayMouse { LeftUp, LeftDoubleClick, RightUp, Other };

// The main window and the notification area as the tray logic reaches them.
class TrayHost {
public:
    virtual ~TrayHost() = default;

    virtual bool AddTrayIcon() = 0;      // false when the notification area refuses the icon
    virtual void RemoveTrayIcon() = 0;
    // Pops up the tray menu at the cursor; the entry chosen comes back as a command.
    virtual void TrackTrayMenu() = 0;
    virtual bool RegisterHotKey() = 0;   // false when another program holds the key
    virtual void UnregisterHotKey() = 0;

    virtual void Show() = 0;             // shown where it is
    virtual void ShowNormal() = 0;       // shown, restored if it was minimised
    // Shown top-most with its top-left corner here, in pixels at 96 dots per inch.
    virtual void ShowOnTop(int x, int y) = 0;
    virtual void Hide() = 0;
    virtual void MinimiseToTaskbar() = 0;  // an ordinary minimise, with a taskbar button

    virtual void DeleteListFonts() = 0;  // the size-list fonts of pages two and three
    virtual void CloseInstanceMutex() = 0;
    virtual void PostQuit(int exitCode) = 0;
};

class TrayShell {
public:
    static constexpr unsigned kIconId = 128;
    static constexpr unsigned kIconMessage = 1125;  // the user message base + 101
    static constexpr int kOnTopX = 300, kOnTopY = 200;
    static constexpr std::uint64_t kStartHiddenWithinMs = 360000;  // of the system's start
    static constexpr int kStartHiddenChecks = 2;  // on the first paints of the window

    TrayShell(TrayHost& host, const Desktop& desktop, SettingsFile& settings)
        : host_(host), desktop_(desktop), settings_(settings) {}

    // At the window's initialisation: reads the options, registers the hot key and adds the
    // icon unless the user asked for none.
    void Start() {
        StartBeforeIcon();
        AddIcon();
    }
    // The same in two steps, for a window that shows before its icon is added (adding it can
    // take tens of milliseconds): the icon comes at once only when the window is to be put
    // away at its first paint, as the icon is then what brings it back.
    void StartBeforeIcon();
    // Adds the icon, once, unless the user asked for none or the program has ended.
    void AddIcon();

    // The icon's message; 1 when it is about another icon, 0 when handled.
    int OnIconMessage(unsigned iconId, TrayMouse mouse);
    void OnHotKey() { ShowOnTop(); }
    void OnShowCommand() { host_.ShowNormal(); }
    void OnMinimise();
    // A paint of the window while it is not minimised.
    void OnPaint();
    // The notification area was created anew (the shell restarted, or came up after us).
    void OnTaskbarCreated();
    // Removes the icon, the list fonts, the hot key and the instance mutex, then ends the
    // message loop. Runs once; later calls do nothing.
    void ExitProgram();

    bool IconShown() const { return iconShown_; }
    bool HotKeyRegistered() const { return hotKeyRegistered_; }

private:
    void ShowOnTop() { host_.ShowOnTop(kOnTopX, kOnTopY); }
    // Out of sight only while the icon or the hot key can bring the window back; otherwise it
    // would have to be killed, so it goes to the taskbar instead.
    void PutAway();

    TrayHost& host_;
    const Desktop& desktop_;
    SettingsFile& settings_;
    bool startHidden_ = false;
    bool hideTrayIcon_ = false;
    bool iconShown_ = false;
    bool iconAdded_ = false;  // AddIcon has run
    bool hotKeyRegistered_ = false;
    bool exited_ = false;
    int startHiddenChecks_ = kStartHiddenChecks;
};

}  // namespace mw
