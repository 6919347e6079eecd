// Printed pages drawn with GDI.
#include "print/PageDrawingWin32.h"

#include <cmath>
#include <map>

#include "kit/Utf16Win32.h"

namespace mw {

namespace {

// Searched in this order: the font this system's tests print with, then the standard Chinese
// faces of Windows.
const wchar_t* const kFaces[] = {L"WenQuanYi Micro Hei", L"SimSun", L"宋体", L"Microsoft YaHei", L"微软雅黑", L"NSimSun"};
const int kMeasureScale = 20;  // measured at 20 times the size asked for

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
        const std::wstring wide = Widen(text.text);
        TextOutW(dc, X(text.x), Y(text.y), wide.c_str(), static_cast<int>(wide.size()));
    }
    if (oldFont) SelectObject(dc, oldFont);
    for (auto& [key, font] : fonts) DeleteObject(font);
    RestoreDC(dc, saved);
}

GdiTextMeasure::GdiTextMeasure()
    : dc_(CreateCompatibleDC(nullptr)),
      regular_(PrintingFont(100 * kMeasureScale / 10, false)),
      bold_(PrintingFont(100 * kMeasureScale / 10, true)) {}

GdiTextMeasure::~GdiTextMeasure() {
    DeleteObject(regular_);
    DeleteObject(bold_);
    DeleteDC(dc_);
}

// The fonts are made at an em of 200 pixels; a width at em `height` scales from there.
Tenths GdiTextMeasure::Width(const std::string& text, Tenths height, bool bold) const {
    if (text.empty()) return 0;
    const std::wstring wide = Widen(text);
    HGDIOBJ old = SelectObject(dc_, bold ? bold_ : regular_);
    SIZE size{};
    GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc_, old);
    return static_cast<Tenths>(std::ceil(size.cx * static_cast<double>(height) / (100 * kMeasureScale / 10)));
}

}  // namespace mw
