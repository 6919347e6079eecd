// Base of every window of the program: a dialog from a template that forwards its messages to
// the object that created it, painted in the program's dialog colour.
#pragma once

#include <windows.h>

#include "kit/ControlSurface.h"

namespace mw {

constexpr COLORREF kDialogColour = RGB(217, 226, 244);

class DialogWindow {
public:
    DialogWindow() = default;
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;
    virtual ~DialogWindow();

    // Creates the dialog modeless; the template's visibility decides whether it shows.
    HWND Create(int templateId, HWND parent);
    // Runs the dialog modally, blocking `owner`, until it ends itself with EndDialog.
    INT_PTR RunModal(int templateId, HWND owner);
    HWND Hwnd() const { return hwnd_; }

    // The message loop of the program: dialog keys for every window, except Enter and Esc
    // inside a window that filters them (pages, the main window's Esc).
    static int RunMessageLoop();

protected:
    // Returns true when the message was handled; `result` then becomes the dialog's answer.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) = 0;
    // Which of Enter and Esc the window keeps from dialog-key processing.
    virtual bool FiltersKey(WPARAM key) const { return false; }
    // The keyboard shortcuts of a top-level window, for the keys pressed anywhere inside it.
    virtual HACCEL Accelerators() const { return nullptr; }

private:
    static INT_PTR CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static bool PreTranslate(MSG& msg);
    HWND hwnd_ = nullptr;
};

// The brush of the dialog colour, shared by every window.
HBRUSH DialogBrush();

// Pops up the first submenu of menu resource `menuId` with its top-left corner at (x, y) and
// right-button tracking; the entry chosen comes to `owner` as a WM_COMMAND.
void TrackMenu(HWND owner, int menuId, int x, int y);

// The notification of a WM_COMMAND from a control (its WPARAM) as the window logic knows it:
// edit change, combo or list selection change, list double-click, button click. False for the
// notifications the logic has no use for (focus changes, edit updates, …).
bool CommandNotify(WPARAM wParam, Notify& what);

}  // namespace mw
