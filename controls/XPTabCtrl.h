// The themed tab control's decisions apart from the platform: whether to paint with the visual
// style, where the pane and each tab go, in which order and state they are drawn, where an item's
// image and text sit, and how a tab drawn for the top is turned for the other three sides.
#pragma once

#include <cstdint>
#include <vector>

#include "kit/Dpi.h"

namespace mw {

enum TabOrientation { kTabTop = 0, kTabBottom = 1, kTabLeft = 2, kTabRight = 3 };

// The tab control's style bits that decide the orientation (TCS_BOTTOM is also TCS_RIGHT).
constexpr unsigned kTabStyleBottom = 0x0002;
constexpr unsigned kTabStyleVertical = 0x0080;

// Parts and states of the visual style's "TAB" class.
constexpr int kTabPartItem = 1;
constexpr int kTabPartPane = 9;
constexpr int kTabStateNormal = 1;
constexpr int kTabStateHot = 2;
constexpr int kTabStateSelected = 3;

struct TabRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const TabRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

TabOrientation OrientationOf(unsigned style);

// The system version as one number: major × 65536 + minor.
constexpr unsigned OsVersionValue(unsigned major, unsigned minor) { return major * 65536 + minor; }

// Themed painting needs the extended drawing switch, a window, a system later than 5.0 and an
// active visual style.
bool UseThemedPainting(bool extendedDrawing, bool hasWindow, unsigned osVersion, bool themeActive);
bool SystemAllowsThemes(unsigned osVersion);

// The offsets below are pixels at 96 dots per inch; `dpi` scales them to the screen.

// The pane: the client rectangle with the edge toward the tabs taken from the display rectangle.
TabRect PaneRect(const TabRect& client, const TabRect& display, TabOrientation orientation,
                 int dpi = kDesignDpi);

// One drawing step of a paint: the pane (item -1) or a tab.
struct TabPaintStep {
    int item;
    int part;
    int state;
    TabRect rect;
};

// The pane first, then every tab but the selected one (hot or normal), the selected tab last and
// 2 pixels larger on every side.
std::vector<TabPaintStep> PlanTabPaint(const TabRect& client, const TabRect& display,
                                       TabOrientation orientation, const std::vector<TabRect>& items,
                                       int hotItem, int selectedItem, int dpi = kDesignDpi);

// Where an item's image and text go inside its off-screen picture of `item`'s size.
struct TabContentLayout {
    bool drawImage = false;
    int imageX = 0, imageY = 0;
    TabRect text;  // the text is centred in it on one line
};
TabContentLayout LayoutTabContent(const TabRect& item, TabOrientation orientation, bool selected,
                                  bool hasImage, int dpi = kDesignDpi);

constexpr int kTabImageSize = 16;

// Bytes of one row of a 24-bit picture, padded to 4 bytes.
constexpr int DibStride(int width) { return (width * 3 + 3) & ~3; }

// Turns a 24-bit top-down picture of a tab drawn for the top orientation into the given one:
// unchanged for the top, mirrored top to bottom for the bottom, turned a quarter to the left
// (its top to the left) or to the right. The result's width and height come back in the last two.
std::vector<std::uint8_t> OrientTabPicture(const std::uint8_t* pixels, int width, int height,
                                           TabOrientation orientation, int& outWidth, int& outHeight);

}  // namespace mw
