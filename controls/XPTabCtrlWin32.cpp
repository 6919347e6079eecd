// Themed tab painting: each part through an off-screen picture, the visual-style library looked up
// at the first paint so that the program runs where it is missing.
#include "controls/XPTabCtrlWin32.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "kit/DpiWin32.h"
#include "kit/SystemLibraryWin32.h"
#include "kit/Utf16Win32.h"

namespace mw {

namespace {

constexpr COLORREF kImageMask = RGB(0, 255, 255);
constexpr int kItemTextMax = 127;

using HTHEME_ = HANDLE;
using IsThemeActiveFn = BOOL WINAPI();
using OpenThemeDataFn = HTHEME_ WINAPI(HWND, LPCWSTR);
using CloseThemeDataFn = HRESULT WINAPI(HTHEME_);
using DrawThemeBackgroundFn = HRESULT WINAPI(HTHEME_, HDC, int, int, const RECT*, const RECT*);

// The system version, read once: major × 65536 + minor.
unsigned OsVersion() {
    static const unsigned version = [] {
        OSVERSIONINFOW info = {};
        info.dwOSVersionInfoSize = sizeof info;
        if (!GetVersionExW(&info)) return 0u;
        return OsVersionValue(info.dwMajorVersion, info.dwMinorVersion);
    }();
    return version;
}

// The visual-style library's functions, looked up once; null where the system has none.
struct UxTheme {
    IsThemeActiveFn* active = SystemFunction<IsThemeActiveFn>(kLibrary, "IsThemeActive");
    OpenThemeDataFn* open = SystemFunction<OpenThemeDataFn>(kLibrary, "OpenThemeData");
    CloseThemeDataFn* close = SystemFunction<CloseThemeDataFn>(kLibrary, "CloseThemeData");
    DrawThemeBackgroundFn* draw = SystemFunction<DrawThemeBackgroundFn>(kLibrary, "DrawThemeBackground");

    static constexpr wchar_t kLibrary[] = L"uxtheme.dll";
    bool Active() const { return active && active(); }
};

const UxTheme& Theme() {
    static const UxTheme theme;
    return theme;
}

// A 24-bit top-down picture selected into a memory device context.
struct Dib {
    Dib(HDC like, int width, int height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        dc = CreateCompatibleDC(like);
        bitmap = CreateDIBSection(like, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (dc && bitmap) old = SelectObject(dc, bitmap);
    }
    ~Dib() {
        if (old) SelectObject(dc, old);
        if (bitmap) DeleteObject(bitmap);
        if (dc) DeleteDC(dc);
    }
    Dib(const Dib&) = delete;
    Dib& operator=(const Dib&) = delete;
    bool Ok() const { return dc && bitmap && bits; }

    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    void* bits = nullptr;
    HGDIOBJ old = nullptr;
};

TabRect TabRectOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

CXPTabCtrl::~CXPTabCtrl() {
    if (images_) ImageList_Destroy(images_);
}

void CXPTabCtrl::SetImageBitmap(int bitmapId) {
    if (!Hwnd() || images_) return;
    images_ = ImageList_LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmapId), kTabImageSize, 1,
                                   kImageMask, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    if (images_) TabCtrl_SetImageList(Hwnd(), images_);
}

bool CXPTabCtrl::IsThemed() {
    if (!extendedDrawing_ || !Hwnd()) return false;
    orientation_ = OrientationOf(static_cast<unsigned>(GetWindowLongW(Hwnd(), GWL_STYLE)));
    const unsigned version = OsVersion();
    return UseThemedPainting(extendedDrawing_, true, version, SystemAllowsThemes(version) && Theme().Active());
}

HRESULT CXPTabCtrl::DrawThemePart(HDC dc, int part, int state, const char* className, const RECT& rect) {
    if (!SystemAllowsThemes(OsVersion())) return E_FAIL;
    const UxTheme& theme = Theme();
    if (!theme.Active() || !theme.open || !theme.close || !theme.draw) return E_FAIL;
    HTHEME_ data = theme.open(nullptr, Widen(className).c_str());
    if (!data) return E_FAIL;
    const HRESULT result = theme.draw(data, dc, part, state, &rect, nullptr);
    theme.close(data);
    return result;
}

bool CXPTabCtrl::OnPaint() {
    if (!IsThemed()) return false;
    const HWND tab = Hwnd();
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(tab, &paint);
    RECT client, display;
    GetClientRect(tab, &client);
    display = client;
    TabCtrl_AdjustRect(tab, FALSE, &display);

    std::vector<TabRect> items(static_cast<std::size_t>(std::max(0, TabCtrl_GetItemCount(tab))));
    for (std::size_t i = 0; i < items.size(); ++i) {
        RECT r = {};
        TabCtrl_GetItemRect(tab, static_cast<int>(i), &r);
        items[i] = TabRectOf(r);
    }
    int hot = -1;
    if (!items.empty()) {
        TCHITTESTINFO hit = {};
        GetCursorPos(&hit.pt);
        ScreenToClient(tab, &hit.pt);
        hot = TabCtrl_HitTest(tab, &hit);
    }
    for (const TabPaintStep& step : PlanTabPaint(TabRectOf(client), TabRectOf(display), orientation_, items,
                                                 hot, TabCtrl_GetCurSel(tab), SystemDpi()))
        DrawTabItem(dc, step.item, step.rect, step.part, step.state);
    EndPaint(tab, &paint);
    return true;
}

void CXPTabCtrl::DrawTabItem(HDC dc, int item, const TabRect& rect, int part, int state) {
    const int width = rect.Width(), height = rect.Height();
    if (width <= 0 || height <= 0) return;
    const bool selected = state == kTabStateSelected;
    Dib picture(dc, width, height);
    if (!picture.Ok()) return;
    if (orientation_ == kTabTop) {
        // What lies behind shows through the rounded corners of the style's shapes.
        BitBlt(picture.dc, 0, 0, width, height, dc, rect.left, rect.top, SRCCOPY);
        DrawThemePart(picture.dc, part, state, "TAB", {0, 0, width, height + (selected ? 1 : 0)});
    } else {
        // The style draws tabs for the top only: draw one so, then mirror or turn it.
        const bool turned = orientation_ == kTabLeft || orientation_ == kTabRight;
        const int upWidth = turned ? height : width, upHeight = turned ? width : height;
        Dib upright(dc, upWidth, upHeight);
        if (!upright.Ok()) return;
        RECT all = {0, 0, upWidth, upHeight};
        FillRect(upright.dc, &all, GetSysColorBrush(COLOR_BTNFACE));
        DrawThemePart(upright.dc, part, state, "TAB", all);
        GdiFlush();
        int outWidth = 0, outHeight = 0;
        const std::vector<std::uint8_t> turnedPixels = OrientTabPicture(
            static_cast<const std::uint8_t*>(upright.bits), upWidth, upHeight, orientation_, outWidth, outHeight);
        std::memcpy(picture.bits, turnedPixels.data(), turnedPixels.size());
    }
    if (item >= 0) DrawItemContent(picture.dc, item, {0, 0, width, height}, selected);
    BitBlt(dc, rect.left, rect.top, width, height, picture.dc, 0, 0, SRCCOPY);
}

void CXPTabCtrl::DrawItemContent(HDC dc, int item, const TabRect& rect, bool selected) {
    wchar_t text[kItemTextMax + 1] = {};
    TCITEMW info = {};
    info.mask = TCIF_TEXT | TCIF_IMAGE;
    info.pszText = text;
    info.cchTextMax = kItemTextMax;
    info.iImage = -1;
    SendMessageW(Hwnd(), TCM_GETITEMW, item, reinterpret_cast<LPARAM>(&info));
    HIMAGELIST images = TabCtrl_GetImageList(Hwnd());
    const TabContentLayout layout = LayoutTabContent(rect, orientation_, selected, images && info.iImage >= 0,
                                                       SystemDpi());

    const int oldMode = SetBkMode(dc, TRANSPARENT);
    if (layout.drawImage) ImageList_Draw(images, info.iImage, dc, layout.imageX, layout.imageY, ILD_TRANSPARENT);
    if (text[0]) {
        HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(Hwnd(), WM_GETFONT, 0, 0)));
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        RECT r = {layout.text.left, layout.text.top, layout.text.right, layout.text.bottom};
        DrawTextW(dc, text, -1, &r, DT_SINGLELINE | DT_CENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
        SelectObject(dc, oldFont);
    }
    SetBkMode(dc, oldMode);
}

bool CXPTabCtrl::OnMessage(UINT message, WPARAM, LPARAM, LRESULT&) {
    return message == WM_PAINT && OnPaint();
}

}  // namespace mw
