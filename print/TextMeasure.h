// How wide a line of text comes out on paper, and shortening text to a width.
#pragma once

#include <string>

#include "print/PageModel.h"

namespace mw {

class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // Width of `text` in the printing font at em height `height`, both in 0.1 mm.
    virtual Tenths Width(const std::string& text, Tenths height, bool bold) const = 0;
};

// A font-free estimate: a Chinese character (or any character beyond ASCII) as wide as the em,
// an ASCII character 0.55 of it. Enough for laying out where no font can be asked.
class PlainTextMeasure : public TextMeasure {
public:
    Tenths Width(const std::string& text, Tenths height, bool bold) const override;
};

// `text` as it fits into `width`: whole, or cut at a character and ended with "…"; empty when
// not even the ellipsis fits.
std::string FitText(const std::string& text, Tenths width, Tenths height, bool bold, const TextMeasure& measure);

}  // namespace mw
