// A printed page as plain data: text runs, lines and rectangles placed in tenths of a millimetre
// from the paper's top-left corner. The preview and the printer draw the same pages, so what the
// user sees is what comes out.
#pragma once

#include <string>
#include <vector>

namespace mw {

// Lengths on paper, in 0.1 mm.
using Tenths = int;

// Text whose box has its top-left corner at (x, y); `height` is the font's em height.
struct PageText {
    Tenths x = 0, y = 0;
    Tenths height = 0;
    std::string text;  // UTF-8, one line
    bool bold = false;
};

struct PageLine {
    Tenths x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Tenths width = 2;
};

// A frame; `shade` fills it grey (0 none, 1..255 lighter to darker).
struct PageRect {
    Tenths x = 0, y = 0, width = 0, height = 0;
    int shade = 0;
};

struct PrintedPage {
    std::vector<PageRect> rects;  // drawn first, so lines and text stay on top
    std::vector<PageLine> lines;
    std::vector<PageText> texts;
};

// The paper and the margins the text stays within; A4 portrait by default.
struct PaperSize {
    Tenths width = 2100, height = 2970;
    Tenths left = 150, top = 150, right = 150, bottom = 150;
};

}  // namespace mw
