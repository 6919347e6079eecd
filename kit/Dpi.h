// Pixel sizes laid out at 96 dots per inch, scaled to the screen's dots per inch.
#pragma once

namespace mw {

constexpr int kDesignDpi = 96;  // every pixel size in the program is drawn for this

// A size in pixels at 96 dots per inch, at `dpi`: rounded to the nearest, halves away from zero,
// as the system's MulDiv rounds, so that platform-free logic and the bindings agree.
constexpr int ScaledPixels(int pixelsAt96, int dpi) {
    const long long product = static_cast<long long>(pixelsAt96) * dpi;
    return static_cast<int>((product + (product >= 0 ? kDesignDpi / 2 : -kDesignDpi / 2)) / kDesignDpi);
}

}  // namespace mw
