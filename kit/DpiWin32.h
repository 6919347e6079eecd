// The screen's dots per inch as the system tells it; the scaling itself is kit/Dpi.h.
#pragma once

#include "kit/Dpi.h"

namespace mw {

// The system's dots per inch (the screen's LOGPIXELSY), read once: the program declares itself
// system aware, so the value holds for the life of the process.
int SystemDpi();
// A size in pixels at 96 dots per inch, at the system's dots per inch.
inline int ScaledPixels(int pixelsAt96) { return ScaledPixels(pixelsAt96, SystemDpi()); }

}  // namespace mw
