// Geometry and decisions of the themed tab control.
#include "controls/XPTabCtrl.h"

#include <cstring>

namespace mw {

namespace {

constexpr unsigned kFirstThemedVersion = OsVersionValue(5, 0);  // themes came after 5.0
constexpr int kSelectedGrowth = 2;
constexpr int kImageAdvance = 19;  // an image and the gap after it

TabRect Moved(TabRect r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

}  // namespace

TabOrientation OrientationOf(unsigned style) {
    const bool far = (style & kTabStyleBottom) != 0;
    if (style & kTabStyleVertical) return far ? kTabRight : kTabLeft;
    return far ? kTabBottom : kTabTop;
}

bool SystemAllowsThemes(unsigned osVersion) { return osVersion > kFirstThemedVersion; }

bool UseThemedPainting(bool extendedDrawing, bool hasWindow, unsigned osVersion, bool themeActive) {
    return extendedDrawing && hasWindow && SystemAllowsThemes(osVersion) && themeActive;
}

TabRect PaneRect(const TabRect& client, const TabRect& display, TabOrientation orientation, int dpi) {
    TabRect pane = client;
    switch (orientation) {
        case kTabTop:    pane.top = display.top - ScaledPixels(2, dpi); break;
        case kTabBottom: pane.bottom = display.bottom + ScaledPixels(3, dpi); break;
        case kTabLeft:   pane.left = display.left - ScaledPixels(1, dpi); break;
        case kTabRight:  pane.right = display.right + ScaledPixels(3, dpi); break;
    }
    return pane;
}

std::vector<TabPaintStep> PlanTabPaint(const TabRect& client, const TabRect& display,
                                       TabOrientation orientation, const std::vector<TabRect>& items,
                                       int hotItem, int selectedItem, int dpi) {
    std::vector<TabPaintStep> steps;
    steps.push_back({-1, kTabPartPane, 0, PaneRect(client, display, orientation, dpi)});
    const int count = static_cast<int>(items.size());
    for (int i = 0; i < count; ++i) {
        if (i == selectedItem) continue;
        steps.push_back({i, kTabPartItem, i == hotItem ? kTabStateHot : kTabStateNormal, items[i]});
    }
    if (selectedItem >= 0 && selectedItem < count) {
        TabRect r = items[selectedItem];
        const int growth = ScaledPixels(kSelectedGrowth, dpi);
        r.left -= growth;
        r.top -= growth;
        r.right += growth;
        r.bottom += growth;
        if (orientation == kTabTop) r.bottom -= ScaledPixels(1, dpi);
        steps.push_back({selectedItem, kTabPartItem, kTabStateSelected, r});
    }
    return steps;
}

TabContentLayout LayoutTabContent(const TabRect& item, TabOrientation orientation, bool selected,
                                  bool hasImage, int dpi) {
    const bool bottom = orientation == kTabBottom;
    TabContentLayout layout;
    TabRect& text = layout.text;
    text = item;
    text.bottom += ScaledPixels(selected ? -1 : 2, dpi);
    text.left += ScaledPixels(bottom ? 3 : 6, dpi);
    text.top += ScaledPixels(2 + (bottom ? 1 : 0) + (selected ? 1 : (bottom ? 0 : 3)), dpi);
    if (hasImage) {
        layout.drawImage = true;
        layout.imageX = text.left + ScaledPixels(selected ? 2 : 0, dpi);
        layout.imageY = text.top - ScaledPixels(selected ? 0 : 2, dpi);
        text.left += ScaledPixels(kImageAdvance, dpi);
    } else {
        text = Moved(text, -ScaledPixels(2, dpi), 0);
    }
    text.right -= ScaledPixels(3, dpi);
    text = Moved(text, 0, ScaledPixels(selected ? 1 : -1, dpi));
    return layout;
}

std::vector<std::uint8_t> OrientTabPicture(const std::uint8_t* pixels, int width, int height,
                                           TabOrientation orientation, int& outWidth, int& outHeight) {
    const bool turned = orientation == kTabLeft || orientation == kTabRight;
    outWidth = turned ? height : width;
    outHeight = turned ? width : height;
    const int from = DibStride(width), to = DibStride(outWidth);
    std::vector<std::uint8_t> out(static_cast<std::size_t>(to) * outHeight);
    for (int y = 0; y < outHeight; ++y) {
        for (int x = 0; x < outWidth; ++x) {
            int sx = x, sy = y;
            switch (orientation) {
                case kTabTop:    break;
                case kTabBottom: sy = height - 1 - y; break;
                case kTabLeft:   sx = width - 1 - y; sy = x; break;   // the top edge to the left
                case kTabRight:  sx = y; sy = height - 1 - x; break;  // the top edge to the right
            }
            std::memcpy(&out[static_cast<std::size_t>(y) * to + x * 3],
                        &pixels[static_cast<std::size_t>(sy) * from + sx * 3], 3);
        }
    }
    return out;
}

}  // namespace mw
