// Fuzz target: any bytes as a GIF. The scan must stay inside the data, and every frame it finds
// must cut into a one-frame GIF that scans again as exactly that frame.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "controls/PictureEx.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A copy of exactly `size` bytes, so that the address sanitizer sees any read past the end.
    const std::vector<uint8_t> bytes(data, data + size);
    mw::GifInfo info;
    if (!mw::ScanGif(bytes.data(), bytes.size(), info)) return 0;
    if (info.frames.empty() || info.width <= 0 || info.height <= 0) std::abort();
    for (const mw::GifFrame& frame : info.frames) {
        const std::vector<uint8_t> one = mw::FrameGif(bytes.data(), bytes.size(), info, frame);
        mw::GifInfo again;
        if (!mw::ScanGif(one.data(), one.size(), again) || again.frames.size() != 1 ||
            again.frames[0].area.width != frame.area.width || again.frames[0].area.height != frame.area.height ||
            again.frames[0].delay != frame.delay || again.frames[0].disposal != frame.disposal)
            std::abort();
        (void)mw::FrameDelayMs(frame.delay);
    }
    return 0;
}
