// The bearing lookup's logic: the kind combo both ways, find next, and copying a line.
#include "tools/ZHOUCHENG.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "res/resource.h"
#include "tests/support/MemorySurface.h"
#include "tools/BearingTables.h"

namespace mw {
namespace {

class ZHOUCHENG : public ::testing::Test {
protected:
    ZHOUCHENG() : window(surface, clipboard) {
        surface.Bind(&window);
        window.OnInitDialog();
    }
    int Line() const { return surface.Selection(IDC_ZHOUCHENG_LIST); }
    int Kind() const { return surface.Selection(IDC_ZHOUCHENG_KIND); }
    void Find(const std::string& text) {
        surface.Type(IDC_ZHOUCHENG_SEARCH, text);
        surface.Click(IDC_ZHOUCHENG_FIND);
    }

    MemorySurface surface;
    MemoryClipboard clipboard;
    CZHOUCHENG window;
};

TEST_F(ZHOUCHENG, StartsWithEveryLineAndTheWholeKindChosen) {
    ASSERT_EQ(surface.ItemCount(IDC_ZHOUCHENG_LIST), kBearingLineCount);
    EXPECT_EQ(surface.ItemText(IDC_ZHOUCHENG_LIST, 55), "6204   204       20×47×14    0.103 ");
    ASSERT_EQ(surface.ItemCount(IDC_ZHOUCHENG_KIND), 13);
    EXPECT_EQ(surface.ItemText(IDC_ZHOUCHENG_KIND, 0), "全部滚动轴承");
    EXPECT_EQ(surface.ItemText(IDC_ZHOUCHENG_KIND, 1), "深沟球轴承(GB/T276-94)");
    EXPECT_EQ(surface.ItemText(IDC_ZHOUCHENG_KIND, 12), "推力圆锥滚子轴承(GB/T4663-1994)");
    EXPECT_EQ(Kind(), 0);
    EXPECT_EQ(Line(), -1);
}

TEST_F(ZHOUCHENG, ChoosingAKindSelectsItsHeader) {
    surface.Choose(IDC_ZHOUCHENG_KIND, 12);
    EXPECT_EQ(Line(), 2099);
    surface.Choose(IDC_ZHOUCHENG_KIND, 7);
    EXPECT_EQ(Line(), 1695);
    surface.Choose(IDC_ZHOUCHENG_KIND, 1);
    EXPECT_EQ(Line(), 0);
    surface.Choose(IDC_ZHOUCHENG_KIND, 12);
    surface.Choose(IDC_ZHOUCHENG_KIND, 0);
    EXPECT_EQ(Line(), 0);
}

TEST_F(ZHOUCHENG, EveryLineMapsToTheKindWhoseRangeHoldsIt) {
    const int firsts[] = {1, 257, 349, 1165, 1458, 1618, 1695, 1804, 1856, 2030, 2084, 2099};
    EXPECT_EQ(CZHOUCHENG::KindOfLine(0), 0);
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(CZHOUCHENG::KindOfLine(firsts[k]), k + 1) << firsts[k];
        EXPECT_EQ(CZHOUCHENG::KindOfLine(firsts[k] - 1), k) << firsts[k] - 1;
    }
    EXPECT_EQ(CZHOUCHENG::KindOfLine(2109), 12);
    // Picking a line sets the combo; line 0 leaves it.
    surface.Choose(IDC_ZHOUCHENG_LIST, 1700);
    EXPECT_EQ(Kind(), 7);
    surface.Choose(IDC_ZHOUCHENG_LIST, 0);
    EXPECT_EQ(Kind(), 7);
}

TEST_F(ZHOUCHENG, FindNextStepsThroughMatchesAndTheComboFollows) {
    Find("6204");
    EXPECT_EQ(Line(), 55);
    EXPECT_EQ(Kind(), 1);
    surface.Click(IDC_ZHOUCHENG_FIND);
    EXPECT_EQ(Line(), 1706);
    EXPECT_EQ(surface.ItemText(IDC_ZHOUCHENG_LIST, 1706).substr(0, 6), "7204C ");
    EXPECT_EQ(Kind(), 7);
    EXPECT_TRUE(surface.messages.empty());
}

TEST_F(ZHOUCHENG, ADimensionIsFoundInSeveralKinds) {
    std::set<int> kinds;
    int previous = -1;
    for (int i = 0; i < 40; ++i) {
        Find("20×47");
        ASSERT_NE(Line(), previous);
        EXPECT_NE(surface.ItemText(IDC_ZHOUCHENG_LIST, Line()).find("20×47"), std::string::npos);
        EXPECT_EQ(Kind(), CZHOUCHENG::KindOfLine(Line()));
        kinds.insert(Kind());
        previous = Line();
    }
    EXPECT_GE(kinds.size(), 4u);   // deep groove, cylindrical, tapered, angular contact …
}

TEST_F(ZHOUCHENG, SearchingTheWordBearingStepsFromHeaderToHeader) {
    for (int k = 1; k < 12; ++k) {
        Find("轴承");
        EXPECT_EQ(Line(), CZHOUCHENG::kHeaderLines[k]);
        EXPECT_EQ(Kind(), k + 1);
    }
    Find("轴承");   // past the last header it wraps to line 0, which leaves the combo
    EXPECT_EQ(Line(), 0);
    EXPECT_EQ(Kind(), 12);
}

TEST_F(ZHOUCHENG, SearchGoesOnFromTheLineTheUserPicked) {
    surface.Choose(IDC_ZHOUCHENG_LIST, 1000);
    Find("6204");
    EXPECT_EQ(Line(), 1706);
    surface.Choose(IDC_ZHOUCHENG_LIST, kBearingLineCount - 1);
    Find("6204");
    EXPECT_EQ(Line(), 55);
}

TEST_F(ZHOUCHENG, TextFoundNowhereSaysSoAndKeepsTheSelection) {
    surface.Choose(IDC_ZHOUCHENG_LIST, 300);
    Find("XYZ-none");
    EXPECT_EQ(Line(), 300);
    ASSERT_EQ(surface.messages.size(), 1u);
    EXPECT_EQ(surface.messages[0].text, "很抱歉，没找到!!");
    EXPECT_EQ(surface.messages[0].caption, "提示");
    EXPECT_EQ(surface.messages[0].style, static_cast<unsigned>(kMbOk));
}

TEST_F(ZHOUCHENG, DoubleClickCopiesTheSelectedLine) {
    surface.Choose(IDC_ZHOUCHENG_LIST, 55);
    surface.DoubleClick(IDC_ZHOUCHENG_LIST);
    EXPECT_EQ(clipboard.text, "6204   204       20×47×14    0.103 ");
    clipboard.busy = true;
    surface.Choose(IDC_ZHOUCHENG_LIST, 56);
    surface.DoubleClick(IDC_ZHOUCHENG_LIST);   // a busy clipboard: nothing copied, the user told
    EXPECT_EQ(clipboard.text, "6204   204       20×47×14    0.103 ");
    ASSERT_EQ(surface.messages.size(), 1u);
    EXPECT_EQ(surface.messages[0].text, "复制到剪贴板失败,请稍后再试。");
}

TEST(ZHOUCHENGAlone, DoubleClickWithoutASelectionCopiesNothing) {
    MemorySurface surface;
    MemoryClipboard clipboard;
    CZHOUCHENG window(surface, clipboard);
    surface.Bind(&window);
    window.OnInitDialog();
    clipboard.text = "before";
    surface.DoubleClick(IDC_ZHOUCHENG_LIST);
    EXPECT_EQ(clipboard.text, "before");
}

}  // namespace
}  // namespace mw
