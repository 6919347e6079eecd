// The themed tab control's decisions: when it paints with the style, the orientation from the
// style bits, the pane and the order and states of the tabs, the content's place, the turned
// pictures of tabs on the other sides.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "controls/XPTabCtrl.h"

namespace mw {
namespace {

TEST(XPTabCtrl, ThemedOnlyWithSwitchWindowLaterSystemAndActiveStyle) {
    const unsigned xp = OsVersionValue(5, 1), w2000 = OsVersionValue(5, 0), win7 = OsVersionValue(6, 1);
    EXPECT_TRUE(UseThemedPainting(true, true, xp, true));
    EXPECT_TRUE(UseThemedPainting(true, true, win7, true));
    EXPECT_FALSE(UseThemedPainting(true, true, w2000, true));  // 5.0 has no styles
    EXPECT_FALSE(UseThemedPainting(true, true, xp, false));    // classic appearance
    EXPECT_FALSE(UseThemedPainting(false, true, xp, true));
    EXPECT_FALSE(UseThemedPainting(true, false, xp, true));
    EXPECT_FALSE(SystemAllowsThemes(w2000));
    EXPECT_TRUE(SystemAllowsThemes(w2000 + 1));
}

TEST(XPTabCtrl, OrientationAndPaneFromTheStyle) {
    EXPECT_EQ(OrientationOf(0), kTabTop);
    EXPECT_EQ(OrientationOf(kTabStyleBottom), kTabBottom);
    EXPECT_EQ(OrientationOf(kTabStyleVertical), kTabLeft);
    EXPECT_EQ(OrientationOf(kTabStyleVertical | kTabStyleBottom), kTabRight);
    EXPECT_EQ(OrientationOf(0x0100 | 0x0040), kTabTop);  // other style bits do not matter

    const TabRect client{0, 0, 400, 300}, display{4, 24, 396, 296};
    EXPECT_EQ(PaneRect(client, display, kTabTop), (TabRect{0, 22, 400, 300}));
    EXPECT_EQ(PaneRect(client, display, kTabBottom), (TabRect{0, 0, 400, 299}));
    EXPECT_EQ(PaneRect(client, display, kTabLeft), (TabRect{3, 0, 400, 300}));
    EXPECT_EQ(PaneRect(client, display, kTabRight), (TabRect{0, 0, 399, 300}));
}

TEST(XPTabCtrl, PaneThenTabsHotOrNormalThenTheSelectedOneLarger) {
    const std::vector<TabRect> items = {{2, 2, 60, 20}, {60, 2, 118, 20}, {118, 2, 176, 20}};
    const std::vector<TabPaintStep> steps = PlanTabPaint({0, 0, 400, 300}, {4, 24, 396, 296}, kTabTop, items, 2, 1);
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0].item, -1);
    EXPECT_EQ(steps[0].part, kTabPartPane);
    EXPECT_EQ(steps[0].state, 0);
    EXPECT_EQ(steps[1].item, 0);
    EXPECT_EQ(steps[1].state, kTabStateNormal);
    EXPECT_EQ(steps[2].item, 2);
    EXPECT_EQ(steps[2].state, kTabStateHot);
    EXPECT_EQ(steps[2].part, kTabPartItem);
    EXPECT_EQ(steps[3].item, 1);
    EXPECT_EQ(steps[3].state, kTabStateSelected);
    EXPECT_EQ(steps[3].rect, (TabRect{58, 0, 120, 21}));  // 2 larger, its bottom 1 up on top tabs

    const std::vector<TabPaintStep> bottom = PlanTabPaint({0, 0, 400, 300}, {4, 4, 396, 276}, kTabBottom, items, -1, 0);
    EXPECT_EQ(bottom.back().rect, (TabRect{0, 0, 62, 22}));
    EXPECT_EQ(bottom[1].state, kTabStateNormal);
    // No tab selected, or no tabs: the pane and whatever tabs there are.
    EXPECT_EQ(PlanTabPaint({0, 0, 10, 10}, {0, 0, 10, 10}, kTabTop, items, 0, -1).size(), 4u);
    EXPECT_EQ(PlanTabPaint({0, 0, 10, 10}, {0, 0, 10, 10}, kTabTop, {}, -1, 0).size(), 1u);
}

TEST(XPTabCtrl, ContentSitsByOrientationSelectionAndImage) {
    const TabRect item{0, 0, 62, 22};
    TabContentLayout plain = LayoutTabContent(item, kTabTop, false, false);
    EXPECT_FALSE(plain.drawImage);
    EXPECT_EQ(plain.text, (TabRect{4, 4, 57, 23}));
    TabContentLayout selected = LayoutTabContent(item, kTabTop, true, true);
    EXPECT_TRUE(selected.drawImage);
    EXPECT_EQ(selected.imageX, 8);
    EXPECT_EQ(selected.imageY, 3);
    EXPECT_EQ(selected.text, (TabRect{25, 4, 59, 22}));
    TabContentLayout bottom = LayoutTabContent(item, kTabBottom, false, true);
    EXPECT_EQ(bottom.imageX, 3);
    EXPECT_EQ(bottom.imageY, 1);
    EXPECT_EQ(bottom.text, (TabRect{22, 2, 59, 23}));
}

// At 192 dots per inch every offset doubles: a tab twice the size gets its text where the tab of
// 96 dots per inch has it, at twice the distance; the selected tab grows by 4 pixels.
TEST(XPTabCtrl, OffsetsFollowTheScreensDotsPerInch) {
    EXPECT_EQ(LayoutTabContent({0, 0, 124, 44}, kTabTop, false, false, 192).text, (TabRect{8, 8, 114, 46}));
    TabContentLayout selected = LayoutTabContent({0, 0, 124, 44}, kTabTop, true, true, 192);
    EXPECT_EQ(selected.imageX, 16);
    EXPECT_EQ(selected.text, (TabRect{50, 8, 118, 44}));
    EXPECT_EQ(PaneRect({0, 0, 800, 600}, {8, 48, 792, 592}, kTabTop, 192), (TabRect{0, 44, 800, 600}));
    const std::vector<TabRect> items = {{4, 4, 124, 44}};
    const std::vector<TabPaintStep> steps = PlanTabPaint({0, 0, 800, 600}, {8, 48, 792, 592}, kTabTop, items, -1, 0, 192);
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[1].rect, (TabRect{0, 0, 128, 46}));
}

// A picture of 3 × 2 pixels whose pixels are told apart by their first byte: 10 * row + column.
std::vector<std::uint8_t> Picture() {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(DibStride(3)) * 2, 0xEE);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            std::uint8_t* p = &pixels[static_cast<std::size_t>(y) * DibStride(3) + x * 3];
            p[0] = static_cast<std::uint8_t>(10 * y + x);
            p[1] = p[2] = 0;
        }
    return pixels;
}

int At(const std::vector<std::uint8_t>& pixels, int width, int x, int y) {
    return pixels[static_cast<std::size_t>(y) * DibStride(width) + x * 3];
}

TEST(XPTabCtrl, TabsForOtherSidesAreMirroredOrTurned) {
    const std::vector<std::uint8_t> up = Picture();
    int w = 0, h = 0;
    const std::vector<std::uint8_t> top = OrientTabPicture(up.data(), 3, 2, kTabTop, w, h);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(At(top, 3, x, y), 10 * y + x);

    const std::vector<std::uint8_t> bottom = OrientTabPicture(up.data(), 3, 2, kTabBottom, w, h);
    EXPECT_EQ(w, 3);
    EXPECT_EQ(h, 2);
    EXPECT_EQ(At(bottom, 3, 0, 0), 10);  // the top row is now the bottom one
    EXPECT_EQ(At(bottom, 3, 2, 1), 2);

    const std::vector<std::uint8_t> left = OrientTabPicture(up.data(), 3, 2, kTabLeft, w, h);
    ASSERT_EQ(w, 2);
    ASSERT_EQ(h, 3);
    EXPECT_EQ(left.size(), static_cast<std::size_t>(DibStride(2)) * 3);
    EXPECT_EQ(At(left, 2, 0, 0), 2);   // the top edge runs down the left side
    EXPECT_EQ(At(left, 2, 0, 2), 0);
    EXPECT_EQ(At(left, 2, 1, 0), 12);

    const std::vector<std::uint8_t> right = OrientTabPicture(up.data(), 3, 2, kTabRight, w, h);
    ASSERT_EQ(w, 2);
    EXPECT_EQ(At(right, 2, 1, 0), 0);  // the top edge runs down the right side
    EXPECT_EQ(At(right, 2, 1, 2), 2);
    EXPECT_EQ(At(right, 2, 0, 0), 10);
}

}  // namespace
}  // namespace mw
