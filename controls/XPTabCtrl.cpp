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

TabRect PaneRect(const TabRect& client, const TabRect& display, TabOrientation orientation) {
    TabRect pane = client;
    switch (orientation) {
        case kTabTop:    pane.top = display.top - 2; break;
        case kTabBottom: pane.bottom = display.bottom + 3; break;
        case kTabLeft:   pane.left = display.left - 1; break;
        case kTabRight:  pane.right = display.right + 3; break;
    }
    return pane;
}

std::vector<TabPaintStep> PlanTabPaint(const TabRect& client, const TabRect& display,
                                       TabOrientation orientation, const std::vector<TabRect>& items,
                                       int hotItem, int selectedItem) {
    std::vector<TabPaintStep> steps;
    steps.push_back({-1, kTabPartPane, 0, PaneRect(client, display, orientation)});
    const int count = static_cast<int>(items.size());
    for (int i = 0; i < count; ++i) {
        if (i == selectedItem) continue;
        steps.push_back({i, kTabPartItem, i == hotItem ? kTabStateHot : kTabStateNormal, items[i]});
    }
    if (selectedItem >= 0 && selectedItem < count) {
        TabRect r = items[selectedItem];
        r.left -= kSelectedGrowth;
        r.top -= kSelectedGrowth;
        r.right += kSelectedGrowth;
        r.bottom += kSelectedGrowth;
        if (orientation == kTabTop) r.bottom -= 1;
        steps.push_back({selectedItem, kTabPartItem, kTabStateSelected, r});
    }
    return steps;
}

TabContentLayout LayoutTabContent(const TabRect& item, TabOrientation orientation, bool selected,
                                  bool hasImage) {
    const bool bottom = orientation == kTabBottom;
    TabContentLayout layout;
    TabRect& text = layout.text;
    text = item;
    text.bottom += selected ? -1 : 2;
    text.left += bottom ? 3 : 6;
    text.top += 2 + (bottom ? 1 : 0) + (selected ? 1 : (bottom ? 0 : 3));
    if (hasImage) {
        layout.drawImage = true;
        layout.imageX = text.left + (selected ? 2 : 0);
        layout.imageY = text.top - (selected ? 0 : 2);
        text.left += kImageAdvance;
    } else {
        text = Moved(text, -2, 0);
    }
    text.right -= 3;
    text = Moved(text, 0, selected ? 1 : -1);
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
