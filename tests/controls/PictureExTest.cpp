// The GIF block scan on sound and damaged files, the one-frame GIFs cut from them, and the play
// loop's timing and disposal.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "controls/PictureEx.h"

namespace mw {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Writes GIF files block by block; the image data is a token sub-block, which the scan never decodes.
struct GifWriter {
    Bytes bytes;
    GifWriter(int width, int height, int tableBits = 1, int backgroundIndex = 0)
        : bytes{'G', 'I', 'F', '8', '9', 'a'} {
        Word(width);
        Word(height);
        bytes.push_back(static_cast<std::uint8_t>(tableBits >= 0 ? 0x80 | tableBits : 0));
        bytes.push_back(static_cast<std::uint8_t>(backgroundIndex));
        bytes.push_back(0);
        if (tableBits >= 0)
            for (int i = 0; i < (2 << tableBits); ++i) bytes.insert(bytes.end(), {std::uint8_t(i), 20, 30});
    }
    GifWriter& Control(int delay, int disposal) {
        bytes.insert(bytes.end(), {'!', 0xF9, 4, std::uint8_t(disposal << 2)});
        Word(delay);
        bytes.insert(bytes.end(), {0, 0});
        return *this;
    }
    GifWriter& Image(int left, int top, int width, int height, std::uint8_t packed = 0) {
        bytes.push_back(',');
        Word(left);
        Word(top);
        Word(width);
        Word(height);
        bytes.push_back(packed);
        if (packed & 0x80) bytes.insert(bytes.end(), 3u << ((packed & 7) + 1), 0x55);
        bytes.insert(bytes.end(), {2, 3, 0x44, 0x01, 0x05, 0});
        return *this;
    }
    GifWriter& Application() {
        bytes.insert(bytes.end(), {'!', 0xFF, 11});
        Append("NETSCAPE2.0");
        bytes.insert(bytes.end(), {3, 1, 0, 0, 0});
        return *this;
    }
    GifWriter& Comment(const std::string& text) {
        bytes.insert(bytes.end(), {'!', 0xFE, std::uint8_t(text.size())});
        Append(text);
        bytes.push_back(0);
        return *this;
    }
    GifWriter& PlainText(int left, int top, int width, int height) {
        bytes.insert(bytes.end(), {'!', 0x01, 12});
        Word(left);
        Word(top);
        Word(width);
        Word(height);
        bytes.insert(bytes.end(), {8, 8, 1, 0, 1, 'A', 0});
        return *this;
    }
    Bytes End() {
        Bytes gif = bytes;
        gif.push_back(';');
        return gif;
    }
    void Append(const std::string& text) { bytes.insert(bytes.end(), text.begin(), text.end()); }
    void Word(int value) { bytes.insert(bytes.end(), {std::uint8_t(value & 0xFF), std::uint8_t(value >> 8)}); }
};

bool Scan(const Bytes& gif, GifInfo& info) { return ScanGif(gif.data(), gif.size(), info); }

TEST(GifScan, FramesWithTheirOffsetsDelaysAndDisposal) {
    const Bytes gif = GifWriter(40, 20, 1, 1)
                          .Application()
                          .Control(10, 2).Image(0, 0, 40, 20)
                          .Comment("frame two")
                          .Control(3, 3).Image(5, 4, 10, 8, 0x40)  // interlaced
                          .Image(30, 10, 10, 10)                   // no control extension
                          .End();
    GifInfo info;
    ASSERT_TRUE(Scan(gif, info));
    EXPECT_EQ(info.width, 40);
    EXPECT_EQ(info.height, 20);
    EXPECT_EQ(info.globalTableSize, 12u);
    ASSERT_TRUE(info.hasBackground);  // entry 1 of the table: 1, 20, 30
    EXPECT_EQ(info.background[0], 1);
    EXPECT_EQ(info.background[2], 30);
    ASSERT_EQ(info.frames.size(), 3u);
    const GifFrame& second = info.frames[1];
    EXPECT_EQ(second.delay, 3);
    EXPECT_EQ(second.disposal, 3);
    EXPECT_EQ(second.area.left, 5);
    EXPECT_EQ(second.area.top, 4);
    EXPECT_EQ(second.area.width, 10);
    EXPECT_EQ(second.area.height, 8);
    EXPECT_EQ(gif[second.begin + 1], 0xF9);
    EXPECT_EQ(gif[second.graphic], ',');
    EXPECT_EQ(info.frames[0].delay, 10);
    EXPECT_EQ(info.frames[0].disposal, 2);
    EXPECT_EQ(info.frames[2].delay, -1);
    EXPECT_EQ(info.frames[2].begin, info.frames[2].graphic);
    EXPECT_EQ(info.frames[2].end + 1, gif.size());
}

TEST(GifScan, StillPicturesPlainTextAndTablesOfTheirOwn) {
    GifInfo info;
    ASSERT_TRUE(Scan(GifWriter(8, 8, -1).Image(0, 0, 8, 8, 0x81).End(), info));  // local table only
    EXPECT_EQ(info.globalTableSize, 0u);
    EXPECT_FALSE(info.hasBackground);
    EXPECT_EQ(info.frames.size(), 1u);

    ASSERT_TRUE(Scan(GifWriter(64, 16).Control(20, 1).PlainText(0, 0, 64, 16).Image(0, 0, 4, 4).End(), info));
    ASSERT_EQ(info.frames.size(), 2u);
    EXPECT_EQ(info.frames[0].kind, GifBlock::kPlainText);
    EXPECT_EQ(info.frames[0].delay, 20);
    EXPECT_EQ(info.frames[0].area.width, 64);

    // A background index past a small table names no colour.
    ASSERT_TRUE(Scan(GifWriter(8, 8, 0, 9).Image(0, 0, 8, 8).End(), info));
    EXPECT_FALSE(info.hasBackground);
}

TEST(GifScan, DamagedFilesFailWithoutReadingPastTheData) {
    GifWriter sound(40, 20);
    sound.Control(10, 0).Image(0, 0, 40, 20).Control(10, 0).Image(10, 10, 20, 10);
    const Bytes whole = sound.End();
    GifInfo info;
    ASSERT_TRUE(Scan(whole, info));
    // Every cut of the file lacks its trailer or ends inside a block. A copy of exactly the cut
    // length lets the address sanitizer catch any read beyond it.
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        const Bytes part(whole.begin(), whole.begin() + static_cast<long>(cut));
        EXPECT_FALSE(Scan(part, info)) << cut;
    }

    EXPECT_FALSE(Scan(GifWriter(40, 20).Image(0, 0, 0, 20).End(), info));      // zero width
    EXPECT_FALSE(Scan(GifWriter(40, 20).Image(0, 0, 40, 0).End(), info));      // zero height
    EXPECT_FALSE(Scan(GifWriter(40, 20).Image(1, 0, 40, 20).End(), info));     // past the right edge
    EXPECT_FALSE(Scan(GifWriter(40, 20).Image(0, 0, 40, 21).End(), info));     // past the bottom
    EXPECT_FALSE(Scan(GifWriter(0, 20).Image(0, 0, 1, 1).End(), info));        // no screen
    EXPECT_FALSE(Scan(GifWriter(40, 20).Control(5, 0).End(), info));           // no frame at all
    EXPECT_FALSE(Scan(GifWriter(40, 20).PlainText(0, 0, 50, 8).End(), info));  // text wider than the screen

    Bytes unknown = GifWriter(40, 20).Image(0, 0, 4, 4).End();
    unknown.insert(unknown.end() - 1, {'!', 0x42, 1, 7, 0});  // an extension nobody knows
    EXPECT_FALSE(Scan(unknown, info));
    Bytes stray = GifWriter(40, 20).Image(0, 0, 4, 4).End();
    stray.insert(stray.end() - 1, 0x00);
    EXPECT_FALSE(Scan(stray, info));
    Bytes oddControl = GifWriter(40, 20).Control(5, 0).Image(0, 0, 4, 4).End();
    oddControl[13 + 12 + 2] = 5;  // a control extension must hold four bytes
    EXPECT_FALSE(Scan(oddControl, info));

    const Bytes notGif = {'B', 'M', 0, 0};
    EXPECT_FALSE(IsGif(notGif.data(), notGif.size()));
    EXPECT_FALSE(Scan(notGif, info));
    EXPECT_TRUE(info.frames.empty());
}

TEST(GifScan, OneFrameGifIsTheFrameAloneAtTheOrigin) {
    const Bytes gif = GifWriter(40, 20).Control(10, 2).Image(0, 0, 40, 20).Comment("x")
                          .Control(7, 1).Image(5, 4, 10, 8).End();
    GifInfo info;
    ASSERT_TRUE(Scan(gif, info));
    const Bytes frame = FrameGif(gif.data(), gif.size(), info, info.frames[1]);
    const std::size_t head = kGifHeaderSize + info.globalTableSize;
    EXPECT_TRUE(std::equal(gif.begin(), gif.begin() + 6, frame.begin()));
    EXPECT_TRUE(std::equal(gif.begin() + 10, gif.begin() + static_cast<long>(head), frame.begin() + 10));
    EXPECT_EQ(frame[6] | frame[7] << 8, 10);  // the screen is the frame's size
    EXPECT_EQ(frame[8] | frame[9] << 8, 8);
    EXPECT_EQ(frame[head + 1], 0xF9);         // its control extension first
    EXPECT_EQ(frame.back(), ';');
    EXPECT_EQ(frame.size(), head + (info.frames[1].end - info.frames[1].begin) + 1);

    GifInfo one;
    ASSERT_TRUE(ScanGif(frame.data(), frame.size(), one));
    ASSERT_EQ(one.frames.size(), 1u);
    EXPECT_EQ(one.frames[0].area.left, 0);
    EXPECT_EQ(one.frames[0].area.top, 0);
    EXPECT_EQ(one.frames[0].area.width, 10);
    EXPECT_EQ(one.frames[0].delay, 7);
    EXPECT_EQ(one.frames[0].disposal, 1);
}

TEST(GifScan, TheShippedBannerIsAnAnimated425By87Gif) {
    std::ifstream file(std::string(MW_SOURCE_DIR) + "/res/banner.gif", std::ios::binary);
    const Bytes gif((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    GifInfo info;
    ASSERT_TRUE(Scan(gif, info));
    EXPECT_EQ(info.width, 425);
    EXPECT_EQ(info.height, 87);
    EXPECT_GE(info.frames.size(), 2u);
    for (const GifFrame& frame : info.frames) EXPECT_GT(FrameDelayMs(frame.delay), 100u);
}

// Records what the loop does to the canvas, and stops it after a number of waits.
struct CanvasLog : FrameCanvas {
    void SaveArea(const GifRect& a) override { Log("save", a); }
    void RestoreArea(const GifRect& a) override { Log("restore", a); }
    void FillBackground(const GifRect& a) override { Log("fill", a); }
    bool DrawFrame(int index) override {
        steps.push_back("draw " + std::to_string(index));
        return index != failing;
    }
    void Invalidate() override { steps.push_back("show"); }
    void Log(const char* what, const GifRect& a) {
        steps.push_back(std::string(what) + " " + std::to_string(a.left) + "," + std::to_string(a.top) +
                        " " + std::to_string(a.width) + "x" + std::to_string(a.height));
    }
    std::vector<std::string> steps;
    int failing = -1;
};

TEST(GifPlay, DelaysDisposalAndTheLoopBack) {
    std::vector<GifFrame> frames(3);
    frames[0].delay = 0;
    frames[1].delay = 25;
    frames[1].disposal = 2;
    frames[1].area = {1, 2, 3, 4};
    frames[2].delay = -1;
    frames[2].disposal = 3;
    frames[2].area = {5, 6, 7, 8};
    CanvasLog canvas;
    canvas.failing = 0;
    std::vector<unsigned> waits;
    int current = 0;
    PlayFrames(frames, {0, 0, 40, 20}, canvas, [&](unsigned ms) {
        waits.push_back(ms);
        return waits.size() == 4;
    }, current);
    EXPECT_EQ(waits, (std::vector<unsigned>{100, 250, 100, 100}));
    EXPECT_EQ(canvas.steps, (std::vector<std::string>{
                                "draw 0",  // not shown: it failed
                                "draw 1", "show", "fill 1,2 3x4",
                                "save 5,6 7x8", "draw 2", "show", "restore 5,6 7x8", "fill 0,0 40x20",
                                "draw 0"}));
    EXPECT_EQ(current, 0);  // stopped while showing the first frame again
}

TEST(GifPlay, GoesOnFromTheFrameItStoppedAt) {
    std::vector<GifFrame> frames(2);
    CanvasLog canvas;
    int current = 1;
    int waits = 0;
    PlayFrames(frames, {0, 0, 4, 4}, canvas, [&](unsigned) { return ++waits == 1; }, current);
    EXPECT_EQ(canvas.steps.front(), "draw 1");
    current = 7;  // out of range: from the start
    PlayFrames(frames, {0, 0, 4, 4}, canvas, [](unsigned) { return true; }, current);
    EXPECT_EQ(canvas.steps.back(), "show");
    EXPECT_EQ(canvas.steps[canvas.steps.size() - 2], "draw 0");
}

}  // namespace
}  // namespace mw
