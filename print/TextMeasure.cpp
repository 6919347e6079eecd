// Text widths without a font, and shortening text with an ellipsis.
#include "print/TextMeasure.h"

namespace mw {

namespace {

const char kEllipsis[] = "\xE2\x80\xA6";  // …

// Byte offsets where each UTF-8 character starts, and the end.
std::size_t NextCharacter(const std::string& text, std::size_t at) {
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
    return at;
}

}  // namespace

Tenths PlainTextMeasure::Width(const std::string& text, Tenths height, bool bold) const {
    long long width = 0;  // in hundredths of the em
    for (std::size_t at = 0; at < text.size(); at = NextCharacter(text, at))
        width += static_cast<unsigned char>(text[at]) < 0x80 ? 55 : 100;
    if (bold) width += width / 20;
    return static_cast<Tenths>((width * height + 99) / 100);
}

std::string FitText(const std::string& text, Tenths width, Tenths height, bool bold, const TextMeasure& measure) {
    if (measure.Width(text, height, bold) <= width) return text;
    // Characters are dropped from the end until the rest and the ellipsis fit; the starts of the
    // characters are found once so that a long name costs one pass per candidate.
    std::string kept;
    std::string best;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t next = NextCharacter(text, at);
        kept.append(text, at, next - at);
        if (measure.Width(kept + kEllipsis, height, bold) > width) break;
        best = kept;
        at = next;
    }
    if (best.empty()) return measure.Width(kEllipsis, height, bold) <= width ? kEllipsis : std::string();
    return best + kEllipsis;
}

}  // namespace mw
