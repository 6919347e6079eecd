// Timed tasks window plumbing: the logic on the dialog, the one-second timer, the list's width.
#include "tasks/RENWUWin32.h"

#include "kit/ProcessStarterWin32.h"
#include "res/resource.h"

namespace mw {

namespace {

// Timers come late by varying amounts; a tick that fell at the very end of one second and the
// next at the start of the one after the next would skip a second, and a task due in it would
// never fire. So each tick is set for just after the next second begins.
UINT DelayToNextSecond() {
    constexpr UINT kAfterTheSecondBegins = 50;
    SYSTEMTIME now;
    GetLocalTime(&now);
    return CRENWU::kClockPeriodMs - now.wMilliseconds + kAfterTheSecondBegins;
}

}  // namespace

RENWUWindow::RENWUWindow(SettingsFile& settings, std::function<void()> onClosed)
    : ToolWindowFrame(std::move(onClosed)),
      logic_(Surface(), settings, RENWUServices{clock_, registry_, actions_, chooser_, ExecutablePath()}) {
    SetLogic(&logic_);
}

void RENWUWindow::OnInit() {
    chooser_.SetOwner(Hwnd());
    logic_.OnInitDialog();
    // The timer belongs to this window, which is never destroyed before the program ends, so
    // tasks fire while it is hidden.
    SetTimer(Hwnd(), CRENWU::kClockTimer, DelayToNextSecond(), nullptr);
    SendDlgItemMessageW(Hwnd(), IDC_RENWU_LIST, LB_SETHORIZONTALEXTENT, CRENWU::kListExtentPixels, 0);
}

bool RENWUWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    if (message == WM_TIMER && wParam == CRENWU::kClockTimer) {
        SetTimer(Hwnd(), CRENWU::kClockTimer, DelayToNextSecond(), nullptr);
        logic_.OnTimer(CRENWU::kClockTimer);
        return true;
    }
    return ToolWindowFrame::OnMessage(message, wParam, lParam, result);
}

}  // namespace mw
