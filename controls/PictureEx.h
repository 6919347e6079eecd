// Animated GIF pictures apart from the platform: the block scan that finds the frames, the GIF of
// one frame that the platform's picture loader decodes, and the loop that plays the frames.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace mw {

struct GifRect {
    int left = 0, top = 0, width = 0, height = 0;
};

// Block kinds by the byte at the scan position (and the next one for extensions).
enum class GifBlock { kApplication, kComment, kControl, kPlainText, kImage, kTrailer, kUnknown };

// One frame: a graphic block (image or plain text) with the graphic control extension before it.
struct GifFrame {
    std::size_t begin = 0;         // the graphic control extension, or the graphic block without one
    std::size_t graphic = 0;       // the image or plain-text block
    std::size_t end = 0;           // just past the graphic block
    GifBlock kind = GifBlock::kImage;
    GifRect area;                  // offset and size on the logical screen
    int delay = -1;                // hundredths of a second; -1 without a graphic control extension
    int disposal = 0;              // 0..7; 2 back to the background, 3 back to what was there
};

struct GifInfo {
    int width = 0, height = 0;           // the logical screen
    std::size_t globalTableSize = 0;     // bytes of the global colour table, 0 without one
    bool hasBackground = false;          // the background index names an entry of that table
    std::uint8_t background[3] = {};     // red, green, blue
    std::vector<GifFrame> frames;
};

constexpr std::size_t kGifHeaderSize = 13;  // signature, version and logical screen descriptor

// Whether the data is a GIF at all (it begins with "GIF"); other pictures go to the loader whole.
bool IsGif(const std::uint8_t* data, std::size_t size);

// Scans a GIF block by block without ever reading past `size`. False for anything but a complete
// GIF with at least one frame: a truncated header or block, an unrecognised block, a missing
// trailer, a frame of zero width or height, or a frame reaching beyond the logical screen.
bool ScanGif(const std::uint8_t* data, std::size_t size, GifInfo& info);

// A GIF of one frame for the picture loader: the header and global colour table of the whole
// file, the frame's bytes from its control extension through its graphic block, the trailer.
// The logical screen is cut to the frame and the frame moved to 0,0, so that every loader gives
// a picture of exactly the frame, which is then drawn at the frame's own offset.
std::vector<std::uint8_t> FrameGif(const std::uint8_t* data, std::size_t size, const GifInfo& info,
                                   const GifFrame& frame);

// How long a frame stays: 100 ms for a delay of 4 hundredths or less (or none), else the delay.
unsigned FrameDelayMs(int delay);

// What playing needs of the canvas the frames are drawn on.
class FrameCanvas {
public:
    virtual ~FrameCanvas() = default;
    virtual void SaveArea(const GifRect& area) = 0;     // keeps what lies under a frame
    virtual void RestoreArea(const GifRect& area) = 0;  // puts it back
    virtual void FillBackground(const GifRect& area) = 0;
    virtual bool DrawFrame(int index) = 0;              // false when the frame could not be drawn
    virtual void Invalidate() = 0;                      // the control shows the canvas anew
};

// Plays `frames` in a loop from `current` on, which it advances, until `waitForStop` — given how
// long the frame stays — answers that playing must stop. `screen` is the whole canvas.
void PlayFrames(const std::vector<GifFrame>& frames, const GifRect& screen, FrameCanvas& canvas,
                const std::function<bool(unsigned ms)>& waitForStop, int& current);

}  // namespace mw
