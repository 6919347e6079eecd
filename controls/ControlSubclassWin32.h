// Base of the program's own controls (tab, banner, banner link): an object hooked into a control
// of a dialog that sees the control's messages first, and lets go when either of them goes.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace mw {

class ControlSubclass {
public:
    ControlSubclass() = default;
    virtual ~ControlSubclass() {
        if (hwnd_) RemoveWindowSubclass(hwnd_, Proc, 0);
    }
    ControlSubclass(const ControlSubclass&) = delete;
    ControlSubclass& operator=(const ControlSubclass&) = delete;

    // Takes over the control's messages; false without a control or when the hook fails.
    bool Attach(HWND control) {
        if (!control || !SetWindowSubclass(control, Proc, 0, reinterpret_cast<DWORD_PTR>(this))) return false;
        hwnd_ = control;
        return true;
    }

protected:
    // True when the message was handled; `result` is then the control's answer. WM_NCDESTROY comes
    // here too and always goes on to the control.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;
    HWND Hwnd() const { return hwnd_; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                 DWORD_PTR self) {
        auto* control = reinterpret_cast<ControlSubclass*>(self);
        LRESULT result = 0;
        const bool handled = control->OnMessage(message, wParam, lParam, result);
        if (message == WM_NCDESTROY) {
            RemoveWindowSubclass(hwnd, Proc, id);
            control->hwnd_ = nullptr;
        } else if (handled) {
            return result;
        }
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }

    HWND hwnd_ = nullptr;
};

}  // namespace mw
