// Printed pages drawn with GDI.
#include "print/PageDrawingWin32.h"

#include <cmath>
#include <map>
#include <vector>

#include "kit/Utf16Win32.h"

namespace mw {

namespace {

// Searched in this order: the font this system's tests print with, then the standard Chinese
// faces of Windows.
const wchar_t* const kFaces[] = {L"WenQuanYi Micro Hei", L"SimSun", L"宋体", L"Microsoft YaHei", L"微软雅黑", L"NSimSun"};

int CALLBACK FaceFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(HDC dc, const wchar_t* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExW(dc, &wanted, FaceFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

HFONT PrintingFont(int pixelHeight, bool bold) {
    return CreateFontW(-pixelHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       PrintingFontFace().c_str());
}

// One DC with the printing font at the measuring size, for the widths of text and of each of
// its characters.
class MeasuringFonts {
public:
    MeasuringFonts()
        : dc_(CreateCompatibleDC(nullptr)), regular_(PrintingFont(kMeasureEm, false)), bold_(PrintingFont(kMeasureEm, true)) {}
    ~MeasuringFonts() {
        DeleteObject(regular_);
        DeleteObject(bold_);
        DeleteDC(dc_);
    }
    // The distance from the start of `text` to the end of each of its UTF-16 units, in pixels of
    // the measuring size.
    std::vector<int> Extents(const std::wstring& text, bool bold) const {
        std::vector<int> extents(text.size());
        if (text.empty()) return extents;
        HGDIOBJ old = SelectObject(dc_, bold ? bold_ : regular_);
        SIZE size{};
        int fit = 0;
        GetTextExtentExPointW(dc_, text.c_str(), static_cast<int>(text.size()), 0, &fit, extents.data(), &size);
        SelectObject(dc_, old);
        return extents;
    }

    static constexpr int kMeasureEm = 200;

private:
    HDC dc_;
    HFONT regular_, bold_;
};

const MeasuringFonts& Measuring() {
    static const MeasuringFonts fonts;
    return fonts;
}

}  // namespace

const std::wstring& PrintingFontFace() {
    static const std::wstring face = [] {
        HDC screen = GetDC(nullptr);
        std::wstring chosen = L"SimSun";
        for (const wchar_t* candidate : kFaces)
            if (FaceInstalled(screen, candidate)) {
                chosen = candidate;
                break;
            }
        ReleaseDC(nullptr, screen);
        return chosen;
    }();
    return face;
}

void DrawPrintedPage(HDC dc, const PrintedPage& page, double scale, int left, int top) {
    const auto X = [&](Tenths x) { return left + static_cast<int>(std::lround(x * scale)); };
    const auto Y = [&](Tenths y) { return top + static_cast<int>(std::lround(y * scale)); };
    const int saved = SaveDC(dc);
    SetMapMode(dc, MM_TEXT);
    for (const PageRect& rect : page.rects) {
        RECT r{X(rect.x), Y(rect.y), X(rect.x + rect.width), Y(rect.y + rect.height)};
        if (rect.shade > 0) {
            const int level = 255 - rect.shade * 3 / 4;  // the darkest shade still lets text read
            HBRUSH fill = CreateSolidBrush(RGB(level, level, level));
            FillRect(dc, &r, fill);
            DeleteObject(fill);
        }
        HPEN pen = CreatePen(PS_SOLID, std::max(1, static_cast<int>(std::lround(2 * scale))), RGB(0, 0, 0));
        HGDIOBJ oldPen = SelectObject(dc, pen);
        HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, r.left, r.top, r.right + 1, r.bottom + 1);
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(pen);
    }
    for (const PageLine& line : page.lines) {
        HPEN pen = CreatePen(PS_SOLID, std::max(1, static_cast<int>(std::lround(line.width * scale))), RGB(0, 0, 0));
        HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, X(line.x1), Y(line.y1), nullptr);
        LineTo(dc, X(line.x2), Y(line.y2));
        SelectObject(dc, old);
        DeleteObject(pen);
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    std::map<std::pair<int, bool>, HFONT> fonts;
    HGDIOBJ oldFont = nullptr;
    for (const PageText& text : page.texts) {
        const int height = std::max(1, static_cast<int>(std::lround(text.height * scale)));
        HFONT& font = fonts[{height, text.bold}];
        if (!font) font = PrintingFont(height, text.bold);
        HGDIOBJ previous = SelectObject(dc, font);
        if (!oldFont) oldFont = previous;
        // Each character is placed where the measuring font puts it, so that text takes the same
        // width on every device and at every zoom, whatever the hinting at the device's size.
        const std::wstring wide = Widen(text.text);
        const std::vector<int> extents = Measuring().Extents(wide, text.bold);
        const double unit = text.height * scale / MeasuringFonts::kMeasureEm;
        std::vector<INT> advances(wide.size());
        int placed = 0;
        for (std::size_t i = 0; i < wide.size(); ++i) {
            const int end = static_cast<int>(std::lround(extents[i] * unit));
            advances[i] = end - placed;
            placed = end;
        }
        ExtTextOutW(dc, X(text.x), Y(text.y), 0, nullptr, wide.c_str(), static_cast<UINT>(wide.size()),
                    advances.empty() ? nullptr : advances.data());
    }
    if (oldFont) SelectObject(dc, oldFont);
    for (auto& [key, font] : fonts) DeleteObject(font);
    RestoreDC(dc, saved);
}

// The fonts are made at an em of 200 pixels; a width at em `height` scales from there.
Tenths GdiTextMeasure::Width(const std::string& text, Tenths height, bool bold) const {
    const std::vector<int> extents = Measuring().Extents(Widen(text), bold);
    if (extents.empty()) return 0;
    return static_cast<Tenths>(std::ceil(extents.back() * static_cast<double>(height) / MeasuringFonts::kMeasureEm));
}

}  // namespace mw
