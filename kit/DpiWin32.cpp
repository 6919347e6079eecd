// The screen's dots per inch, read once from the screen's device context.
#include "kit/DpiWin32.h"

#include <windows.h>

namespace mw {

int SystemDpi() {
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int value = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kDesignDpi;
        if (screen) ReleaseDC(nullptr, screen);
        return value > 0 ? value : kDesignDpi;
    }();
    return dpi;
}

}  // namespace mw
