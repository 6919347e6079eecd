// The link-style static below the banner: hand cursor, red while the cursor is over it and blue
// otherwise, its text drawn transparently; a click reaches the dialog as an ordinary notification.
#pragma once

#include <windows.h>

#include "controls/ControlSubclassWin32.h"

namespace mw {

class BannerLink : public ControlSubclass {
public:
    BannerLink() = default;
    ~BannerLink() override;

    bool Attach(HWND control);

private:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnMouseMove();
    void OnTimer();
    void OnPaint();

    HCURSOR hand_ = nullptr;
    bool ownHand_ = false;  // copied from the help program, so destroyed with the link
    bool hover_ = false;
};

}  // namespace mw
