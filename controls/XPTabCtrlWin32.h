// The main window's tab control, painted with the desktop's visual style when one is active and
// the plain way otherwise.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "controls/ControlSubclassWin32.h"
#include "controls/XPTabCtrl.h"

namespace mw {

// Attach takes over the painting of a dialog's tab control.
class CXPTabCtrl : public ControlSubclass {
public:
    CXPTabCtrl() = default;
    ~CXPTabCtrl() override;

    // Gives the tabs images: 16-pixel images of a bitmap resource, RGB(0, 255, 255) transparent.
    // Only once, and only while the control exists.
    void SetImageBitmap(int bitmapId);

private:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool IsThemed();
    HRESULT DrawThemePart(HDC dc, int part, int state, const char* className, const RECT& rect);
    bool OnPaint();
    void DrawTabItem(HDC dc, int item, const TabRect& rect, int part, int state);
    void DrawItemContent(HDC dc, int item, const TabRect& rect, bool selected);

    HIMAGELIST images_ = nullptr;
    TabOrientation orientation_ = kTabBottom;
    bool extendedDrawing_ = true;
};

}  // namespace mw
