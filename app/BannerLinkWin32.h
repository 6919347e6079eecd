// The link-style static below the banner: hand cursor, red while the cursor is over it and blue
// otherwise, its text drawn transparently; a click reaches the dialog as an ordinary notification.
#pragma once

#include <windows.h>

namespace mw {

class BannerLink {
public:
    BannerLink() = default;
    ~BannerLink();
    BannerLink(const BannerLink&) = delete;
    BannerLink& operator=(const BannerLink&) = delete;

    bool Attach(HWND control);

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    void OnMouseMove();
    void OnTimer();
    void OnPaint();

    HWND hwnd_ = nullptr;
    HCURSOR hand_ = nullptr;
    bool ownHand_ = false;  // copied from the help program, so destroyed with the link
    bool hover_ = false;
};

}  // namespace mw
