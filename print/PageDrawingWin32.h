// The one drawing routine of printed pages, used by the preview and the printer alike, the
// printing font, and text widths measured with it.
#pragma once

#include <windows.h>

#include <string>

#include "print/PageModel.h"
#include "print/TextMeasure.h"

namespace mw {

// The face printed text uses: the first installed of a few with Chinese glyphs, so a PDF made
// from the printout can be searched (some fonts come back from a PDF as no text at all).
const std::wstring& PrintingFontFace();

// Draws `page` on `dc`, `scale` device pixels to 0.1 mm, the paper's corner at (left, top).
void DrawPrintedPage(HDC dc, const PrintedPage& page, double scale, int left, int top);

// Widths in the printing font, measured large so that hinting at small sizes does not count.
// The drawing places each character by the same measure.
class GdiTextMeasure : public TextMeasure {
public:
    Tenths Width(const std::string& text, Tenths height, bool bold) const override;
};

}  // namespace mw
