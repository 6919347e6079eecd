// GIF block scan, one-frame GIFs and the play loop; every read is checked against the data's end.
#include "controls/PictureEx.h"

#include <cassert>

namespace mw {

namespace {

constexpr std::uint8_t kExtension = '!';
constexpr std::uint8_t kImageSeparator = ',';
constexpr std::uint8_t kTrailer = ';';
constexpr std::uint8_t kApplicationLabel = 0xFF;
constexpr std::uint8_t kCommentLabel = 0xFE;
constexpr std::uint8_t kControlLabel = 0xF9;
constexpr std::uint8_t kPlainTextLabel = 0x01;
constexpr std::size_t kControlSize = 4;     // bytes of a graphic control extension's one sub-block
constexpr std::size_t kPlainTextSize = 12;  // bytes of a plain-text extension's header sub-block
constexpr std::size_t kDescriptorSize = 10; // "," and the image descriptor
constexpr unsigned kShortestDelayMs = 100;
constexpr int kRestoreBackground = 2;
constexpr int kRestorePrevious = 3;

int Word(const std::uint8_t* at) { return at[0] | (at[1] << 8); }

void PutWord(std::uint8_t* at, int value) {
    at[0] = static_cast<std::uint8_t>(value & 0xFF);
    at[1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

// Bytes of a colour table whose presence bit and size bits sit in `packed`.
std::size_t ColourTableSize(std::uint8_t packed) {
    return (packed & 0x80) ? 3u << ((packed & 0x07) + 1) : 0;
}

GifBlock KindAt(const std::uint8_t* data, std::size_t size, std::size_t pos) {
    switch (data[pos]) {
        case kImageSeparator: return GifBlock::kImage;
        case kTrailer:        return GifBlock::kTrailer;
        case kExtension:
            if (pos + 1 >= size) return GifBlock::kUnknown;
            switch (data[pos + 1]) {
                case kApplicationLabel: return GifBlock::kApplication;
                case kCommentLabel:     return GifBlock::kComment;
                case kControlLabel:     return GifBlock::kControl;
                case kPlainTextLabel:   return GifBlock::kPlainText;
                default:                return GifBlock::kUnknown;
            }
        default: return GifBlock::kUnknown;
    }
}

// Walks a chain of data sub-blocks from `pos` to just past its zero byte; false when the chain
// runs past the data.
bool SkipSubBlocks(const std::uint8_t* data, std::size_t size, std::size_t& pos) {
    for (;;) {
        if (pos >= size) return false;
        const std::size_t length = data[pos++];
        if (length == 0) return true;
        if (length > size - pos) return false;
        pos += length;
    }
}

// An extension whose first sub-block must hold exactly `header` bytes (0: any); `pos` moves past
// the whole block.
bool SkipExtension(const std::uint8_t* data, std::size_t size, std::size_t& pos, std::size_t header) {
    const std::size_t start = pos + 2;
    if (header != 0 && (start >= size || data[start] != header)) return false;
    pos = start;
    return SkipSubBlocks(data, size, pos);
}

bool FitsScreen(const GifRect& area, const GifInfo& info) {
    return area.width > 0 && area.height > 0 && area.left + area.width <= info.width &&
           area.top + area.height <= info.height;
}

}  // namespace

bool IsGif(const std::uint8_t* data, std::size_t size) {
    return size >= 3 && data[0] == 'G' && data[1] == 'I' && data[2] == 'F';
}

bool ScanGif(const std::uint8_t* data, std::size_t size, GifInfo& info) {
    info = GifInfo{};
    if (!IsGif(data, size) || size < kGifHeaderSize) return false;
    info.width = Word(data + 6);
    info.height = Word(data + 8);
    const std::uint8_t packed = data[10];
    info.globalTableSize = ColourTableSize(packed);
    if (info.width == 0 || info.height == 0 || info.globalTableSize > size - kGifHeaderSize) return false;
    const std::size_t backgroundIndex = data[11];
    if (backgroundIndex * 3 < info.globalTableSize) {
        const std::uint8_t* entry = data + kGifHeaderSize + backgroundIndex * 3;
        info.hasBackground = true;
        for (int i = 0; i < 3; ++i) info.background[i] = entry[i];
    }

    std::size_t pos = kGifHeaderSize + info.globalTableSize;
    GifFrame pending;  // the control extension waiting for its graphic block
    bool controlled = false;
    for (;;) {
        if (pos >= size) return false;  // no trailer
        const std::size_t start = pos;
        switch (KindAt(data, size, pos)) {
            case GifBlock::kTrailer:
                return !info.frames.empty();
            case GifBlock::kApplication:
            case GifBlock::kComment:
                if (!SkipExtension(data, size, pos, 0)) return false;
                break;
            case GifBlock::kControl: {
                if (!SkipExtension(data, size, pos, kControlSize)) return false;
                const std::uint8_t* fields = data + start + 3;
                pending.begin = start;
                pending.disposal = (fields[0] >> 2) & 0x07;
                pending.delay = Word(fields + 1);
                controlled = true;
                break;
            }
            case GifBlock::kPlainText:
            case GifBlock::kImage: {
                GifFrame frame = controlled ? pending : GifFrame{};
                if (!controlled) frame.begin = start;
                frame.graphic = start;
                if (data[pos] == kImageSeparator) {
                    if (size - pos < kDescriptorSize + 1) return false;
                    frame.kind = GifBlock::kImage;
                    frame.area = {Word(data + pos + 1), Word(data + pos + 3), Word(data + pos + 5),
                                  Word(data + pos + 7)};
                    const std::size_t localTable = ColourTableSize(data[pos + 9]);
                    if (localTable >= size - pos - kDescriptorSize) return false;
                    pos += kDescriptorSize + localTable + 1;  // and the code size byte
                    if (!SkipSubBlocks(data, size, pos)) return false;
                } else {
                    if (size - pos < 2 + 1 + kPlainTextSize) return false;
                    frame.kind = GifBlock::kPlainText;
                    const std::uint8_t* grid = data + pos + 3;
                    frame.area = {Word(grid), Word(grid + 2), Word(grid + 4), Word(grid + 6)};
                    if (!SkipExtension(data, size, pos, kPlainTextSize)) return false;
                }
                if (!FitsScreen(frame.area, info)) return false;
                frame.end = pos;
                info.frames.push_back(frame);
                controlled = false;
                break;
            }
            case GifBlock::kUnknown:
                return false;
        }
    }
}

std::vector<std::uint8_t> FrameGif(const std::uint8_t* data, std::size_t size, const GifInfo& info,
                                   const GifFrame& frame) {
    const std::size_t head = kGifHeaderSize + info.globalTableSize;
    assert(head <= size && frame.begin >= head && frame.begin <= frame.graphic &&
           frame.graphic < frame.end && frame.end <= size);
    std::vector<std::uint8_t> gif(data, data + head);
    gif.insert(gif.end(), data + frame.begin, data + frame.end);
    gif.push_back(kTrailer);
    PutWord(&gif[6], frame.area.width);
    PutWord(&gif[8], frame.area.height);
    // The offset fields: after "," in an image descriptor, after "!", 0x01 and 12 in a plain text.
    const std::size_t offset = head + (frame.graphic - frame.begin) + (frame.kind == GifBlock::kImage ? 1 : 3);
    PutWord(&gif[offset], 0);
    PutWord(&gif[offset + 2], 0);
    return gif;
}

unsigned FrameDelayMs(int delay) {
    return delay <= 4 ? kShortestDelayMs : static_cast<unsigned>(delay) * 10;
}

void PlayFrames(const std::vector<GifFrame>& frames, const GifRect& screen, FrameCanvas& canvas,
                const std::function<bool(unsigned ms)>& waitForStop, int& current) {
    if (frames.empty()) return;
    if (current < 0 || current >= static_cast<int>(frames.size())) current = 0;
    for (;;) {
        const GifFrame& frame = frames[current];
        if (frame.disposal == kRestorePrevious) canvas.SaveArea(frame.area);
        if (canvas.DrawFrame(current)) canvas.Invalidate();
        if (waitForStop(FrameDelayMs(frame.delay))) return;
        if (frame.disposal == kRestoreBackground) canvas.FillBackground(frame.area);
        else if (frame.disposal == kRestorePrevious) canvas.RestoreArea(frame.area);
        if (++current == static_cast<int>(frames.size())) {
            current = 0;
            canvas.FillBackground(screen);
        }
    }
}

}  // namespace mw
