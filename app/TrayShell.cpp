// Tray icon, hot key, minimise, start hidden and the exit sequence, apart from the platform.
#include "app/TrayShell.h"

#include "settings/SettingsFile.h"

namespace mw {

void TrayShell::StartBeforeIcon() {
    startHidden_ = settings_.ReadOption("minirun") == 1;
    hideTrayIcon_ = settings_.ReadOption("hidetubiao") == 1;
    hotKeyRegistered_ = host_.RegisterHotKey();
    if (startHidden_) AddIcon();
}

void TrayShell::AddIcon() {
    if (iconAdded_ || exited_) return;
    iconAdded_ = true;
    if (!hideTrayIcon_) iconShown_ = host_.AddTrayIcon();
}

int TrayShell::OnIconMessage(unsigned iconId, TrayMouse mouse) {
    if (iconId != kIconId) return 1;
    switch (mouse) {
        case TrayMouse::LeftUp:          host_.Show(); break;
        case TrayMouse::LeftDoubleClick: ShowOnTop(); break;
        case TrayMouse::RightUp:         host_.TrackTrayMenu(); break;
        case TrayMouse::Other:           break;
    }
    return 0;
}

void TrayShell::OnMinimise() { PutAway(); }

void TrayShell::OnPaint() {
    if (startHiddenChecks_ <= 0) return;
    --startHiddenChecks_;
    if (!startHidden_ || desktop_.UptimeMs() >= kStartHiddenWithinMs) return;
    PutAway();
    // Once put away, the window stays wherever the user calls it back to: a later paint is the
    // user's own doing and must not send it away again.
    startHiddenChecks_ = 0;
}

void TrayShell::OnTaskbarCreated() {
    if (hideTrayIcon_ || exited_) return;
    iconShown_ = host_.AddTrayIcon();
}

void TrayShell::PutAway() {
    if (iconShown_ || hotKeyRegistered_) host_.Hide();
    else host_.MinimiseToTaskbar();
}

void TrayShell::ExitProgram() {
    if (exited_) return;
    exited_ = true;
    host_.RemoveTrayIcon();
    iconShown_ = false;
    host_.DeleteListFonts();
    host_.UnregisterHotKey();
    hotKeyRegistered_ = false;
    host_.CloseInstanceMutex();
    host_.PostQuit(0);
}

}  // namespace mw
