// Density changes in the real window reach a hidden page when it is shown, before its first
// paint, and whatever a hidden page hands on (the statistics line, the weight list) has the
// figures of the density now.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {
namespace {

// Page two's tube calculator, with page two hidden behind page one. One copy of the program at a
// time: a second copy would stop at the warning that one is running.
struct PageTwo {
    RunningApp r;
    HWND page = nullptr;
    PageTwo() {
        if (!r.main) return;
        WaitUntil([&] { return (page = ChildDialogWith(r.main, IDC_TUBE_LENGTH)) != nullptr; }, 10000);
    }
    void TypeLength() { SetText(page, IDC_TUBE_LENGTH, "6000"); }
    // What the screen shows of page two once it is painted.
    std::vector<unsigned char> Capture() {
        WaitUntil([&] { return Painted(page) && Painted(GetDlgItem(page, IDC_TUBE_RESULT)); }, 5000);
        Sleep(200);
        return ScreenPixels(page);
    }
};

// The kilograms a result edit shows, as the statistics line writes it ("4.5", "17.28").
std::string Plain(const std::string& shown) {
    char text[64];
    std::snprintf(text, sizeof text, "%f", std::atof(shown.c_str()));
    std::string plain = text;
    while (!plain.empty() && plain.back() == '0') plain.pop_back();
    if (!plain.empty() && plain.back() == '.') plain.pop_back();
    return plain;
}

TEST(Recompute, HiddenPageShowsTheNewWeightsAtItsFirstPaint) {
    std::string reference;
    std::vector<unsigned char> referencePixels;
    {   // The density set first, then the length typed on the hidden page.
        PageTwo first;
        ASSERT_NE(first.page, nullptr);
        SetText(first.r.main, IDC_DENSITY, "2*4");
        first.TypeLength();
        ClickTab(GetDlgItem(first.r.main, IDC_TAB), 1);
        referencePixels = first.Capture();
        reference = Text(first.page, IDC_TUBE_RESULT);
        SaveScreenshot(first.r.main, "page2-density-set-first");
    }
    // The length typed at the density of the start, then the density changed, page two hidden.
    PageTwo changed;
    ASSERT_NE(changed.page, nullptr);
    changed.TypeLength();
    const std::string before = Text(changed.page, IDC_TUBE_RESULT);
    const std::string unitBefore = Text(changed.page, IDC_TUBE_UNIT_WEIGHT);
    SetText(changed.r.main, IDC_DENSITY, "2*4");
    ClickTab(GetDlgItem(changed.r.main, IDC_TAB), 1);
    // The click has been handled: the page shows, and what its first paint draws is already new.
    EXPECT_TRUE(IsWindowVisible(changed.page));
    EXPECT_NE(Text(changed.page, IDC_TUBE_RESULT), before);
    EXPECT_NE(Text(changed.page, IDC_TUBE_UNIT_WEIGHT), unitBefore);
    EXPECT_EQ(Text(changed.page, IDC_TUBE_RESULT), reference);
    // A figure painted stale stays stale: nothing paints the page again by itself. What can differ
    // for a moment on a busy machine (the caret's blink, a paint still on its way) is looked at
    // again a few times.
    ASSERT_FALSE(referencePixels.empty());
    std::vector<unsigned char> pixels = changed.Capture();
    for (int again = 0; again < 6 && pixels != referencePixels; ++again) pixels = changed.Capture();
    SaveScreenshot(changed.r.main, "page2-after-density-change");
    EXPECT_TRUE(pixels == referencePixels) << "page two looks other than with the density set first";
}

// Density changes with page two hidden all along; its "重量" button pressed (by another program,
// here) counts the weight at the density now, in the statistics line and in the weight list.
TEST(Recompute, StatisticsAndWeightListAfterDensityChangesOnAHiddenPage) {
    std::string reference, atDefault;
    {   // The density set before anything was typed.
        PageTwo first;
        ASSERT_NE(first.page, nullptr);
        first.TypeLength();
        atDefault = Text(first.page, IDC_TUBE_RESULT);
        SetText(first.r.main, IDC_DENSITY, "8.1");
        ClickTab(GetDlgItem(first.r.main, IDC_TAB), 1);
        reference = Text(first.page, IDC_TUBE_RESULT);
    }
    ASSERT_NE(reference, atDefault);
    PageTwo hidden;
    ASSERT_NE(hidden.page, nullptr);
    hidden.TypeLength();
    for (const char* density : {"8", "8.", "8.1"}) SetText(hidden.r.main, IDC_DENSITY, density);
    SetClipboardText("");
    Click(hidden.page, IDC_TUBE_BUTTON);
    EXPECT_FALSE(IsWindowVisible(hidden.page));
    EXPECT_EQ(ClipboardText(), reference);
    EXPECT_EQ(Text(hidden.page, IDC_TUBE_RESULT), reference);
    EXPECT_EQ(Text(hidden.r.main, IDC_STAT_EXPR), Plain(reference));

    HWND list = OpenTool(hidden.r.main, IDM_WEIGHTLIST, "重量清单");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(ItemCount(list, IDC_WEIGHTLIST_LIST), 1);
    EXPECT_EQ(CellText(list, IDC_WEIGHTLIST_LIST, 0, 1), "方管/矩形管");
    EXPECT_EQ(CellText(list, IDC_WEIGHTLIST_LIST, 0, 5), reference + " kg");
}

}  // namespace
}  // namespace mw::e2e
