// Paging through the preview, and its way to the page setup and the print dialog.
#include "print/PrintPreview.h"

#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/support/MemorySurface.h"

namespace mw {
namespace {

TEST(PrintPreview, PagesForwardAndBackWithinTheDocument) {
    MemorySurface surface;
    CPrintPreview preview(surface);
    surface.Bind(&preview);
    int drawn = 0;
    preview.onPageShown = [&] { ++drawn; };
    preview.SetPageCount(3, false);
    EXPECT_EQ(surface.Text(IDC_PREVIEW_PAGE), "第 1 页 / 共 3 页");
    EXPECT_FALSE(surface.Enabled(IDC_PREVIEW_PREV));
    EXPECT_TRUE(surface.Enabled(IDC_PREVIEW_NEXT));
    surface.Click(IDC_PREVIEW_NEXT);
    surface.Click(IDC_PREVIEW_NEXT);
    surface.Click(IDC_PREVIEW_NEXT);  // no fourth page
    EXPECT_EQ(preview.Shown(), 2);
    EXPECT_EQ(surface.Text(IDC_PREVIEW_PAGE), "第 3 页 / 共 3 页");
    EXPECT_FALSE(surface.Enabled(IDC_PREVIEW_NEXT));
    EXPECT_TRUE(surface.Enabled(IDC_PREVIEW_PREV));
    EXPECT_EQ(drawn, 3);

    preview.SetPageCount(4, true);  // new paper: the same page while it exists
    EXPECT_EQ(preview.Shown(), 2);
    preview.SetPageCount(2, true);
    EXPECT_EQ(preview.Shown(), 0);
    preview.SetPageCount(0, false);  // an empty document still shows its one page
    EXPECT_EQ(surface.Text(IDC_PREVIEW_PAGE), "第 1 页 / 共 1 页");
    EXPECT_FALSE(surface.Enabled(IDC_PREVIEW_NEXT));
}

TEST(PrintPreview, PageSetupAndPrintGoToTheBinding) {
    MemorySurface surface;
    CPrintPreview preview(surface);
    surface.Bind(&preview);
    int setups = 0, prints = 0;
    preview.onPageSetup = [&] { ++setups; };
    preview.onPrint = [&] { ++prints; };
    surface.Click(IDC_PREVIEW_SETUP);
    surface.Click(IDC_PREVIEW_PRINT);
    surface.Click(IDC_PREVIEW_PRINT);
    EXPECT_EQ(setups, 1);
    EXPECT_EQ(prints, 2);
}

}  // namespace
}  // namespace mw
