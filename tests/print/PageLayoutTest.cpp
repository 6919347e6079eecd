#include "print/PageLayout.h"

#include <gtest/gtest.h>

#include "tests/print/PrintTestPages.h"

namespace mw {
namespace {

const PlainTextMeasure kMeasure;

TEST(FitText, KeepsWhatFitsAndShortensTheRestWithAnEllipsis) {
    EXPECT_EQ(FitText("角钢", 100, 35, false, kMeasure), "角钢");
    const std::string longName = "热轧等边角钢∠50×5(Q235B)国标";
    for (Tenths width : {0, 20, 35, 36, 70, 100, 150, 300}) {
        const std::string fitted = FitText(longName, width, 35, false, kMeasure);
        EXPECT_LE(kMeasure.Width(fitted, 35, false), width) << width;
        if (!fitted.empty() && fitted != longName) {
            EXPECT_EQ(fitted.substr(fitted.size() - 3), "\xE2\x80\xA6");
            // Cut between characters: what is left before the ellipsis starts the name.
            EXPECT_EQ(longName.compare(0, fitted.size() - 3, fitted, 0, fitted.size() - 3), 0);
        }
    }
    EXPECT_EQ(FitText(longName, 34, 35, false, kMeasure), "");
    EXPECT_EQ(FitText(longName, 35, 35, false, kMeasure), "\xE2\x80\xA6");
    EXPECT_EQ(FitText("", 0, 35, false, kMeasure), "");
}

TEST(PlainTextMeasure, ChineseIsAnEmAndAsciiLess) {
    EXPECT_EQ(kMeasure.Width("中文", 40, false), 80);
    EXPECT_EQ(kMeasure.Width("ab", 100, false), 110);
    EXPECT_GT(kMeasure.Width("ab", 100, true), 110);
}

std::vector<TableColumn> Columns() {
    return {{"序号", 150, Align::Right}, {"名称", 400, Align::Left}, {"重量", 300, Align::Right}};
}

TEST(PageLayout, EveryRowOnExactlyOnePageAndTheHeaderOnEach) {
    const PaperSize paper;
    PageLayout layout(paper, kMeasure, "报价单", "2026-12-09");
    layout.BeginTable(Columns());
    for (int i = 1; i <= 150; ++i) layout.AddRow({std::to_string(i), "行" + std::to_string(i), "1.00"});
    layout.EndTable();
    const std::vector<PrintedPage> pages = layout.Finish();
    ASSERT_GT(pages.size(), 3u);
    ExpectSoundPages(pages, paper, kMeasure, "报价单");
    for (int i = 1; i <= 150; ++i) EXPECT_EQ(PagesWith(pages, "行" + std::to_string(i)).size(), 1u) << i;
    int last = 0;  // rows keep their order across pages
    for (int i = 1; i <= 150; ++i) {
        const int on = PagesWith(pages, "行" + std::to_string(i))[0];
        EXPECT_GE(on, last);
        last = on;
    }
    for (const PrintedPage& page : pages) {
        EXPECT_EQ(CountText(page, "名称"), 1);
        EXPECT_EQ(CountText(page, "2026-12-09"), 1);
    }
}

TEST(PageLayout, ABlockNeverSplitsAndMovesWholeToTheNextPage) {
    const PaperSize paper;
    PageLayout layout(paper, kMeasure, "下料单", "");
    std::vector<std::pair<int, Tenths>> placed;  // page, top
    for (int i = 0; i < 12; ++i)
        layout.Add(700, [&, i](PrintedPage& page, Tenths top) {
            page.rects.push_back({paper.left, top, 100, 700, 0});
            page.texts.push_back({paper.left, top, 35, "块" + std::to_string(i), false});
        });
    const std::vector<PrintedPage> pages = layout.Finish();
    ExpectSoundPages(pages, paper, kMeasure, "下料单");
    for (int i = 0; i < 12; ++i) ASSERT_EQ(PagesWith(pages, "块" + std::to_string(i)).size(), 1u);
    for (const PrintedPage& page : pages)
        for (const PageRect& rect : page.rects)
            EXPECT_LE(rect.y + rect.height, paper.height - paper.bottom - PageLayout::kFootBand);
    // 270 mm less the bands holds three blocks of 70 mm.
    EXPECT_EQ(pages.size(), 4u);
}

TEST(PageLayout, AHeaderIsNeverLeftAloneAtThePageFoot) {
    const PaperSize paper;
    PageLayout layout(paper, kMeasure, "报价单", "");
    const Tenths room = paper.height - paper.top - paper.bottom - PageLayout::kHeadBand - PageLayout::kFootBand;
    layout.Add(room - PageLayout::kRowHeight - 10, [](PrintedPage&, Tenths) {});
    layout.BeginTable(Columns());
    layout.AddRow({"1", "唯一", "2"});
    const std::vector<PrintedPage> pages = layout.Finish();
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(CountText(pages[0], "名称"), 0);
    EXPECT_EQ(CountText(pages[1], "名称"), 1);
    EXPECT_EQ(CountText(pages[1], "唯一"), 1);
}

TEST(PageLayout, LongCellsAreShortenedInsideTheirCellAndAlignedRight) {
    const PaperSize paper;
    PageLayout layout(paper, kMeasure, "报价单", "");
    layout.BeginTable(Columns());
    layout.AddRow({"123456789012345", std::string(60, 'W') + "很长的名称很长的名称很长的名称", "9"});
    const std::vector<PrintedPage> pages = layout.Finish();
    ExpectSoundPages(pages, paper, kMeasure, "报价单");
    EXPECT_EQ(CountTextContaining(pages[0], "\xE2\x80\xA6"), 2);
    for (const PageText& text : pages[0].texts)
        if (text.text == "9") {
            EXPECT_EQ(text.x + kMeasure.Width("9", text.height, false), paper.left + 850 - 12);
        }
}

TEST(PageLayout, AnEmptyDocumentIsOnePageAndNarrowPaperStillHoldsTheFrame) {
    PaperSize paper;
    PageLayout layout(paper, kMeasure, "报价单", "2026-12-09");
    EXPECT_EQ(layout.Finish().size(), 1u);
    paper.width = 600;  // a till roll: the title and the date are shortened, never overrun
    PageLayout narrow(paper, kMeasure, "一个很长很长很长很长的标题", "2026-12-09 18:00");
    const std::vector<PrintedPage> pages = narrow.Finish();
    ASSERT_EQ(pages.size(), 1u);
    for (const PageText& text : pages[0].texts)
        EXPECT_LE(text.x + kMeasure.Width(text.text, text.height, text.bold), paper.width - paper.right) << text.text;
}

}  // namespace
}  // namespace mw
