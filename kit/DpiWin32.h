// The screen's dots per inch, and pixel sizes laid out at 96 dots per inch scaled to it.
#pragma once

#include <windows.h>

namespace mw {

constexpr int kDesignDpi = 96;  // every pixel size in the program is drawn for this

// The system's dots per inch (the screen's LOGPIXELSY), read once: the program declares itself
// system aware, so the value holds for the life of the process.
int SystemDpi();
// A size in pixels at 96 dots per inch, at the system's dots per inch.
int ScaledPixels(int pixelsAt96);

}  // namespace mw
