// The quote's pages: header lines only where there is something to say, counts in the weights
// and amounts, every row once, and the totals with and without tax.
#include "tools/QuoteDocument.h"

#include <gtest/gtest.h>

#include "tests/print/PrintTestPages.h"
#include "tests/support/MemoryFileSystem.h"

namespace mw {
namespace {

struct QuoteDocument : testing::Test {
    QuoteDocument() {
        list.SetDefaultPrice(4000);
        list.Add({"钢板一", "1000×1000×10", "", 78.5}, "t");
        list.Add({"角钢(热轧)", "∠50×5", "6000 mm", 22.656}, "t");
        list.SetRowCount(1, 3);
    }
    std::vector<PrintedPage> Layout(const QuoteSeller& seller = {}) {
        return LayoutQuote(list, seller, WeightDisplay{}, paper, measure, "2026-12-09");
    }
    MemoryFileSystem files;
    WeightList list{files, "/app/WeightListKq.txt"};
    PaperSize paper;
    PlainTextMeasure measure;
};

TEST_F(QuoteDocument, RowsCarryTheirCountAndTheTotalsFollow) {
    const std::vector<PrintedPage> pages = Layout({"某某钢材有限公司", "0571-8888 6666"});
    ASSERT_EQ(pages.size(), 1u);
    ExpectSoundPages(pages, paper, measure, kQuoteTitle);
    const PrintedPage& page = pages[0];
    EXPECT_EQ(CountText(page, "3"), 1);
    EXPECT_EQ(CountText(page, "67.97"), 1);   // 22.656 × 3
    EXPECT_EQ(CountText(page, "271.87"), 1);  // its amount at 4000 a tonne
    EXPECT_EQ(CountText(page, "146.47"), 1);  // 78.5 + 67.968
    EXPECT_EQ(CountText(page, "585.87"), 1);
    EXPECT_EQ(CountText(page, "供方:某某钢材有限公司    电话:0571-8888 6666"), 1);
    EXPECT_EQ(CountText(page, "重量(kg)"), 1);
    EXPECT_EQ(CountTextContaining(page, "客户"), 0);  // nothing to say: no line at all
    EXPECT_EQ(CountTextContaining(page, "含税"), 0);
}

TEST_F(QuoteDocument, HeaderFieldsAndTaxPrintOnlyWhenGiven) {
    list.SetHeader({"", "二号厂房", 13});
    const std::vector<PrintedPage> pages = Layout({"", "13800000000"});
    const PrintedPage& page = pages[0];
    EXPECT_EQ(CountText(page, "电话:13800000000"), 1);
    EXPECT_EQ(CountText(page, "工程:二号厂房"), 1);
    EXPECT_EQ(CountText(page, "税率 13%    含税合计 662.04 元"), 1);  // 585.872 × 1.13
}

TEST_F(QuoteDocument, ALongListRunsOverPagesWithEveryRowOnce) {
    for (int i = 0; i < 100; ++i) list.Add({"行" + std::to_string(i), "Φ12", "9 m", 8}, "t");
    list.SetHeader({"很长很长的客户名称" + std::string(200, 'X'), "", std::nullopt});
    const std::vector<PrintedPage> pages = Layout();
    EXPECT_EQ(pages.size(), 3u);
    ExpectSoundPages(pages, paper, measure, kQuoteTitle);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(PagesWith(pages, "行" + std::to_string(i)).size(), 1u) << i;
    EXPECT_EQ(PagesWith(pages, "合计").size(), 1u);
    EXPECT_EQ(PagesWith(pages, "合计")[0], 2);
    for (const PrintedPage& page : pages) EXPECT_EQ(CountText(page, "件数"), 1);
    for (const PrintedPage& page : pages)
        for (const PageText& text : page.texts)
            if (text.text.find("\xE2\x80\xA6") != std::string::npos) {
                EXPECT_EQ(text.text.rfind("客户:很长", 0), 0u) << text.text;
            }
    EXPECT_EQ(CountTextContaining(pages[0], "\xE2\x80\xA6"), 1);  // the customer, shortened
}

}  // namespace
}  // namespace mw
