// The cutting sheet: where the saw stops, what the offcuts are called, and the pages: each pattern
// once, the pieces to tick, the totals, sections in turn and the job's totals.
#include "cutplan/CutSheet.h"

#include <gtest/gtest.h>

#include "settings/TextFields.h"
#include "tests/print/PrintTestPages.h"

namespace mw {
namespace {

CutJob AngleJob() {
    CutJob job;
    job.section = "角钢(热轧) ∠50×5";
    job.kilogramsPerMetre = 3.77;
    job.pricePerTonne = 4000;
    job.reusableLength = 500;
    job.kerf = 3;
    job.trim = 10;
    job.stock = {StockRow(6000), StockRow(9000)};
    job.pieces = {{2400, 5, 1}, {1200, 6, 2}, {800, 3, 3}};
    return job;
}

// Offcut of a bar: what trim, pieces and a kerf after each leave.
CutPattern Pattern(const CutJob& job, int times, int stock, std::vector<double> pieces) {
    CutPattern pattern;
    pattern.times = times;
    pattern.stock = stock;
    pattern.stockLength = job.stock[stock].length;
    pattern.pieces = std::move(pieces);
    double length = job.trim;
    for (double piece : pattern.pieces) length += piece + job.kerf;
    pattern.offcut = std::max(0.0, pattern.stockLength - length);
    return pattern;
}

CutSheetSection AngleSection() {
    CutSheetSection section{AngleJob(), {}};
    const CutJob& job = section.job;
    section.plan.found = true;
    section.plan.patterns = {Pattern(job, 2, 1, {2400, 2400, 2400, 1200}),  // offcut 578: kept
                             Pattern(job, 2, 0, {2400, 2400, 800}),          // offcut 381: scrap
                             Pattern(job, 1, 0, {1200, 1200, 1200, 1200})};  // offcut 1178: kept
    SumUpCutPlan(job, section.plan);
    return section;
}

TEST(CutSheet, TheSawStopsFromTheBarsStartWithTrimAndKerf) {
    CutJob job = AngleJob();
    EXPECT_EQ(SawStops(job, Pattern(job, 1, 0, {1200, 1200, 800})), (std::vector<double>{10, 1210, 2413, 3216}));
    job.trim = 0;
    EXPECT_EQ(SawStops(job, Pattern(job, 1, 0, {1200, 800})), (std::vector<double>{1200, 2003}));
    // A last piece that ends at the bar's end needs no cut.
    job.kerf = 5;
    EXPECT_EQ(SawStops(job, Pattern(job, 1, 0, {2995, 3000})), (std::vector<double>{2995}));
    // The last stop, a kerf and the offcut make the bar.
    job = AngleJob();
    const CutPattern pattern = Pattern(job, 1, 1, {2400, 2400, 2400, 1200});
    EXPECT_DOUBLE_EQ(SawStops(job, pattern).back() + job.kerf + pattern.offcut, 9000);
}

TEST(CutSheet, AnOffcutIsKeptFromTheReusableLengthOn) {
    CutJob job = AngleJob();
    EXPECT_STREQ(OffcutName(job, 500), "余料");
    EXPECT_STREQ(OffcutName(job, 499.9), "废料");
    job.reusableLength = 0;  // nothing is kept
    EXPECT_STREQ(OffcutName(job, 5000), "废料");
}

TEST(CutSheet, EachPatternOnceWithItsBarsStopsAndOffcut) {
    const CutSheetSection section = AngleSection();
    const PaperSize paper;
    const PlainTextMeasure measure;
    const std::vector<PrintedPage> pages = LayoutCutSheet({section}, paper, measure, "2026-12-09");
    ASSERT_EQ(pages.size(), 1u);
    ExpectSoundPages(pages, paper, measure, kCutSheetTitle);
    const PrintedPage& page = pages[0];
    EXPECT_EQ(CountText(page, "方案 1:  9000 mm  ×2"), 1);
    EXPECT_EQ(CountText(page, "方案 2:  6000 mm  ×2"), 1);
    EXPECT_EQ(CountText(page, "方案 3:  6000 mm  ×1"), 1);
    EXPECT_EQ(CountText(page, "定位(自料头起, mm): 10 | 2410 | 4813 | 7216 | 8419"), 1);
    EXPECT_EQ(CountText(page, "余料 578 mm"), 1);
    EXPECT_EQ(CountText(page, "余料 1178 mm"), 1);
    EXPECT_EQ(CountText(page, "废料 381 mm"), 1);
    EXPECT_EQ(CountText(page, "2400"), 3 + 2 + 1);  // pieces drawn, and the table's row
    EXPECT_EQ(CountText(page, "已切"), 1);
    EXPECT_EQ(CountText(page, "用料: 9000 mm × 2 根,  6000 mm × 3 根"), 1);
    EXPECT_EQ(CountTextContaining(page, "型材: 角钢(热轧) ∠50×5    3.77 kg/m    锯缝 3 mm    料头 10 mm"), 1);
    EXPECT_EQ(CountTextContaining(page, "损耗"), 1);
    EXPECT_EQ(CountTextContaining(page, "金额 "), 1);
    EXPECT_EQ(CountTextContaining(page, "全部合计"), 0);  // one section: its totals are the job's
}

TEST(CutSheet, ManyPatternsRunOverPagesEachWhole) {
    CutSheetSection section = AngleSection();
    const CutPattern one = section.plan.patterns[2];
    section.plan.patterns.clear();
    for (int i = 0; i < 40; ++i) section.plan.patterns.push_back(one);
    SumUpCutPlan(section.job, section.plan);
    const PaperSize paper;
    const PlainTextMeasure measure;
    const std::vector<PrintedPage> pages = LayoutCutSheet({section}, paper, measure, "");
    ASSERT_GT(pages.size(), 2u);
    ExpectSoundPages(pages, paper, measure, kCutSheetTitle);
    for (int i = 1; i <= 40; ++i) {
        const std::string heading = "方案 " + std::to_string(i) + ":  6000 mm  ×1";
        const std::vector<int> on = PagesWith(pages, heading);
        ASSERT_EQ(on.size(), 1u) << i;
        // The bar and its stops stand on the heading's page.
        int bars = 0;
        for (const PageText& text : pages[on[0]].texts) bars += text.text == "余料 1178 mm";
        EXPECT_GT(bars, 0);
    }
    for (const PrintedPage& page : pages)
        EXPECT_EQ(CountTextContaining(page, "定位"), CountTextContaining(page, "方案 "));
}

TEST(CutSheet, SectionsInTurnThenTheJobsTotals) {
    CutSheetSection angle = AngleSection();
    CutSheetSection channel = AngleSection();
    channel.job.section = "槽钢(热轧) [10";
    channel.job.kilogramsPerMetre = 10.007;
    CutSheetSection unsolved = AngleSection();
    unsolved.plan = CutPlan();  // no plan: not on the sheet
    unsolved.job.section = "无方案";
    SumUpCutPlan(channel.job, channel.plan);
    const PaperSize paper;
    const PlainTextMeasure measure;
    const std::vector<PrintedPage> pages = LayoutCutSheet({angle, unsolved, channel}, paper, measure, "2026-12-09");
    ASSERT_EQ(pages.size(), 2u);
    ExpectSoundPages(pages, paper, measure, kCutSheetTitle);
    EXPECT_EQ(CountTextContaining(pages[0], "∠50×5"), 1);
    EXPECT_EQ(CountTextContaining(pages[1], "[10"), 1);
    EXPECT_EQ(CountTextContaining(pages[0], "无方案") + CountTextContaining(pages[1], "无方案"), 0);
    EXPECT_EQ(CountText(pages[1], "全部合计 (2 种型材)"), 1);
    EXPECT_EQ(CountText(pages[1], "用料: 9000 mm × 4 根,  6000 mm × 6 根"), 1);
    const double bought = angle.plan.boughtKilograms + channel.plan.boughtKilograms;
    EXPECT_EQ(CountTextContaining(pages[1], "购入重量 " + PlainNumber(bought, 2) + " kg"), 1);
}

}  // namespace
}  // namespace mw
