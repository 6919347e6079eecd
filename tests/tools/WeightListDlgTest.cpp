// Weighings from the calculators of all three pages, and the weight list window through its
// in-memory controls.
#include "tools/WeightListDlg.h"

#include <gtest/gtest.h>

#include "tests/print/PrintTestPages.h"
#include "tests/support/FakeExports.h"
#include "tests/support/FakePrintService.h"
#include "tests/support/MainWindowFixture.h"

namespace mw {
namespace {

struct WeightListDlg : testing::Test, MainWindowFixture {
    WeightListDlg() {
        Start();
        listSurface.Bind(&window);
        window.OnInitDialog();
    }
    const Weighing& Last() const { return weights.Rows().back().item; }

    MemorySurface listSurface;
    MemoryClipboard listClipboard;
    FakeExports exports;
    CWeightListDlg window{listSurface, weights, dlg.Settings(), listClipboard, exports};
};

TEST_F(WeightListDlg, EveryWeighingOfEveryPageBecomesARow) {
    pageSurface.Type(IDC_PLATE1_LENGTH, "2*500");
    pageSurface.Type(IDC_PLATE1_WIDTH, "1000");
    pageSurface.Type(IDC_PLATE1_THICKNESS, "10");
    pageSurface.Click(IDC_PLATE1_BUTTON);
    EXPECT_EQ(Last().calculator, "钢板一");
    EXPECT_EQ(Last().size, "1000×1000×10");
    EXPECT_EQ(Last().quantity, "");
    EXPECT_DOUBLE_EQ(Last().kilograms, 78.5);
    EXPECT_EQ(weights.Rows().back().time, "2012-07-22 08:30:00");

    pageSurface.Type(IDC_ANGLE_LENGTH, "6000");
    pageSurface.Click(IDC_ANGLE_BUTTON);
    EXPECT_EQ(Last().calculator, "角钢(热轧)");
    EXPECT_EQ(Last().size, pageSurface.ItemText(IDC_ANGLE_COMBO, 0));
    EXPECT_EQ(Last().quantity, "6000 mm");
    EXPECT_DOUBLE_EQ(Last().kilograms, 5.33);  // 0.889 kg/m × 6 m, as shown with two decimals

    pageSurface.Type(IDC_ROUND_OUTER, "50");
    pageSurface.Type(IDC_ROUND_INNER, "40");
    pageSurface.Type(IDC_ROUND_LENGTH, "1000");
    pageSurface.Click(IDC_ROUND_BUTTON);
    EXPECT_EQ(Last().size, "Φ50×Φ40");
    pageSurface.Click(IDC_ROUND_WALL_MODE);
    pageSurface.Type(IDC_ROUND_WALL, "5");
    pageSurface.Click(IDC_ROUND_BUTTON);
    EXPECT_EQ(Last().size, "Φ50×5");
    pageSurface.Type(IDC_ROUND_WALL, "30");  // too thick: a message, not a weight
    const std::size_t rows = weights.Rows().size();
    pageSurface.Click(IDC_ROUND_BUTTON);
    EXPECT_EQ(weights.Rows().size(), rows);

    // Page two: a bolt with its length, a plate-mesh area; under t;m the list still holds kg.
    page2Surface.Choose(IDC_FASTENER_TYPE, 2);
    page2Surface.Choose(IDC_FASTENER_SIZE, 4);
    page2Surface.Type(IDC_FASTENER_LENGTH, "80");
    page2Surface.Click(IDC_FASTENER_BUTTON);
    EXPECT_EQ(Last().calculator, "螺栓/螺母/垫圈/开口销");
    EXPECT_EQ(Last().size, page2Surface.ItemText(IDC_FASTENER_TYPE, 2) + " " +
                               page2Surface.ItemText(IDC_FASTENER_SIZE, 4) + "×80");
    EXPECT_EQ(Last().quantity, "1 件");
    surface.Choose(IDC_UNITSYSTEM, kTM);
    page2Surface.Type(IDC_MESH_AREA, "2");
    page2Surface.Click(IDC_MESH_BUTTON);
    EXPECT_EQ(Last().calculator, "花纹板/钢板网");
    EXPECT_EQ(Last().quantity, "2 m²");
    EXPECT_DOUBLE_EQ(Last().kilograms, page2Surface.Text(IDC_MESH_RESULT) == "0.00" ? 0 : Last().kilograms);
    EXPECT_NEAR(Last().kilograms, std::stod(page2Surface.Text(IDC_MESH_RESULT)) * 1000, 1e-9);

    // Page three: a cold-formed Z, its type and size.
    page3Surface.Type(IDC_CZ_LENGTH, "6");
    page3Surface.Click(IDC_CZ_BUTTON);
    EXPECT_EQ(Last().calculator, "Z型钢(冷弯)");
    EXPECT_EQ(Last().size, page3Surface.ItemText(IDC_CZ_TYPE, page3Surface.Selection(IDC_CZ_TYPE)) + " " +
                               page3Surface.ItemText(IDC_CZ_SIZE, page3Surface.Selection(IDC_CZ_SIZE)));
    EXPECT_EQ(Last().quantity, "6 m");

    // The statistics line goes on as before.
    EXPECT_FALSE(surface.Text(IDC_STAT_EXPR).empty());
    EXPECT_EQ(listSurface.ItemCount(IDC_WEIGHTLIST_LIST), static_cast<int>(weights.Rows().size()));
}

TEST_F(WeightListDlg, PricesCostsAndTotalsFollowTheUnitSystem) {
    weights.Add({"钢板一", "1000×1000×10", "", 78.5}, "a");
    weights.Add({"六角钢", "S10", "6000 mm", 4.08}, "b");
    listSurface.Type(IDC_WEIGHTLIST_PRICE, "4000+200");
    EXPECT_EQ(listSurface.CellText(IDC_WEIGHTLIST_LIST, 0, 5), "78.50 kg");
    EXPECT_EQ(listSurface.CellText(IDC_WEIGHTLIST_LIST, 0, 7), "4200");
    EXPECT_EQ(listSurface.CellText(IDC_WEIGHTLIST_LIST, 0, 8), "329.70");
    EXPECT_EQ(listSurface.Text(IDC_WEIGHTLIST_TOTAL), "共 2 项  合计重量 82.58 kg  金额 346.84 元");

    listSurface.Choose(IDC_WEIGHTLIST_LIST, 1);
    EXPECT_EQ(listSurface.Text(IDC_WEIGHTLIST_ROW_PRICE), "");
    listSurface.Type(IDC_WEIGHTLIST_ROW_PRICE, "5000");
    listSurface.Click(IDC_WEIGHTLIST_SET_PRICE);
    EXPECT_EQ(listSurface.CellText(IDC_WEIGHTLIST_LIST, 1, 8), "20.40");
    EXPECT_EQ(listSurface.Selection(IDC_WEIGHTLIST_LIST), 1);

    surface.Choose(IDC_UNITSYSTEM, kTM);
    EXPECT_EQ(displayChanges, 1);
    window.Refresh();  // what the main window's display change does
    EXPECT_EQ(listSurface.CellText(IDC_WEIGHTLIST_LIST, 0, 5), "0.08 t");
    surface.Choose(IDC_DECIMALS, 4);
    window.Refresh();
    EXPECT_EQ(listSurface.Text(IDC_WEIGHTLIST_TOTAL), "共 2 项  合计重量 0.0826 t  金额 350.10 元");

    listSurface.Type(IDC_WEIGHTLIST_ROW_PRICE, "");  // back to the default price
    listSurface.Click(IDC_WEIGHTLIST_SET_PRICE);
    EXPECT_EQ(listSurface.CellText(IDC_WEIGHTLIST_LIST, 1, 7), "4200");
}

TEST_F(WeightListDlg, DeleteClearCopyAndExport) {
    listSurface.Click(IDC_WEIGHTLIST_DELETE);  // nothing chosen: the user is told
    ASSERT_EQ(listSurface.messages.size(), 1u);
    EXPECT_EQ(listSurface.messages[0].caption, "输入提示");
    weights.Add({"钢板一", "1,000×\"2\"", "", 78.5}, "t1");
    weights.Add({"螺纹钢", "Φ12", "9 m", 8}, "t2");
    listSurface.Choose(IDC_WEIGHTLIST_LIST, 0);
    listSurface.Click(IDC_WEIGHTLIST_DELETE);
    ASSERT_EQ(weights.Rows().size(), 1u);
    EXPECT_EQ(weights.Rows()[0].item.calculator, "螺纹钢");

    listSurface.Click(IDC_WEIGHTLIST_COPY);
    EXPECT_EQ(listClipboard.text, weights.TabText(window.Display()));
    listClipboard.text.clear();
    listClipboard.busy = true;
    const std::size_t shown = listSurface.messages.size();
    listSurface.Click(IDC_WEIGHTLIST_COPY);  // a failed copy is reported in the list's own window
    EXPECT_EQ(listClipboard.text, "");
    ASSERT_EQ(listSurface.messages.size(), shown + 1);
    EXPECT_EQ(listSurface.messages.back().text, "复制到剪贴板失败,请稍后再试。");
    listClipboard.busy = false;

    listSurface.Click(IDC_WEIGHTLIST_EXPORT);
    EXPECT_EQ(exports.suggestions, std::vector<std::string>{"重量清单.csv"});
    EXPECT_EQ(exports.written.at("C:\\报价\\清单.csv"), weights.CsvText(window.Display()));
    exports.writable = false;
    listSurface.Click(IDC_WEIGHTLIST_EXPORT);
    EXPECT_EQ(listSurface.messages.back().caption, "警告");
    exports.answer.reset();  // cancelled: nothing written, nothing said
    const std::size_t said = listSurface.messages.size();
    exports.written.clear();
    listSurface.Click(IDC_WEIGHTLIST_EXPORT);
    EXPECT_TRUE(exports.written.empty());
    EXPECT_EQ(listSurface.messages.size(), said);

    listSurface.nextAnswer = kIdNo;
    listSurface.Click(IDC_WEIGHTLIST_CLEAR);
    EXPECT_EQ(weights.Rows().size(), 1u);
    listSurface.nextAnswer = kIdYes;
    listSurface.Click(IDC_WEIGHTLIST_CLEAR);
    EXPECT_TRUE(weights.Rows().empty());
    EXPECT_EQ(listSurface.ItemCount(IDC_WEIGHTLIST_LIST), 0);
}

TEST_F(WeightListDlg, ADamagedFileFoundAtStartIsReported) {
    MemorySurface otherSurface;
    CWeightListDlg other{otherSurface, weights, dlg.Settings(), listClipboard, exports};
    other.OnInitDialog("/app/WeightListKq.txt.damaged");
    ASSERT_EQ(otherSurface.messages.size(), 1u);
    EXPECT_NE(otherSurface.messages[0].text.find("/app/WeightListKq.txt.damaged"), std::string::npos);
    files.readOnly = true;
    weights.Add({"钢板一", "1×1×1", "", 1}, "t");
    EXPECT_NE(otherSurface.Text(IDC_WEIGHTLIST_TOTAL).find("无法写入"), std::string::npos);
}

TEST_F(WeightListDlg, ACountIsAWholeNumberOfPiecesAndMultipliesTheRow) {
    weights.Add({"钢板一", "1000×1000×10", "", 78.5}, "a");
    listSurface.Type(IDC_WEIGHTLIST_PRICE, "4000");
    listSurface.Click(IDC_WEIGHTLIST_SET_COUNT);  // nothing chosen
    EXPECT_EQ(listSurface.messages.back().caption, "输入提示");
    listSurface.Choose(IDC_WEIGHTLIST_LIST, 0);
    EXPECT_EQ(listSurface.Text(IDC_WEIGHTLIST_ROW_COUNT), "1");
    listSurface.Type(IDC_WEIGHTLIST_ROW_COUNT, "2*3");
    listSurface.Click(IDC_WEIGHTLIST_SET_COUNT);
    EXPECT_EQ(listSurface.CellText(IDC_WEIGHTLIST_LIST, 0, 4), "6");
    EXPECT_EQ(listSurface.CellText(IDC_WEIGHTLIST_LIST, 0, 5), "471.00 kg");
    EXPECT_EQ(listSurface.CellText(IDC_WEIGHTLIST_LIST, 0, 8), "1884.00");
    const std::size_t said = listSurface.messages.size();
    for (const char* bad : {"0", "1.5", "-2", "abc", "1e12"}) {
        listSurface.Type(IDC_WEIGHTLIST_ROW_COUNT, bad);
        listSurface.Click(IDC_WEIGHTLIST_SET_COUNT);
        EXPECT_EQ(weights.Rows()[0].count, 6) << bad;
    }
    EXPECT_EQ(listSurface.messages.size(), said + 5);
}

TEST_F(WeightListDlg, TheHeaderGoesWithTheListAndTheSellerToTheSettingsFile) {
    MemorySurface quoteSurface;
    CWeightListDlg quote{quoteSurface, weights, dlg.Settings(), listClipboard, exports, &settings};
    quoteSurface.Bind(&quote);
    quote.OnInitDialog();
    quoteSurface.Type(IDC_WEIGHTLIST_CUSTOMER, "张三");
    quoteSurface.Type(IDC_WEIGHTLIST_TAX, "13");
    EXPECT_EQ(weights.Header(), (QuoteHeader{"张三", "", 13}));
    quoteSurface.Type(IDC_WEIGHTLIST_TAX, " ");
    EXPECT_FALSE(weights.Header().taxPercent);
    quoteSurface.Type(IDC_WEIGHTLIST_SELLER, "某某钢材");
    quoteSurface.Type(IDC_WEIGHTLIST_PHONE, "0571-1");
    EXPECT_EQ(quote.Seller().name, "某某钢材");
    EXPECT_EQ(settings.Store().ReadString("报价单", "dianhua"), "0571-1");

    MemorySurface laterSurface;  // a window opened later shows what was kept
    CWeightListDlg later{laterSurface, weights, dlg.Settings(), listClipboard, exports, &settings};
    laterSurface.Bind(&later);
    later.OnInitDialog();
    EXPECT_EQ(laterSurface.Text(IDC_WEIGHTLIST_CUSTOMER), "张三");
    EXPECT_EQ(laterSurface.Text(IDC_WEIGHTLIST_SELLER), "某某钢材");
    EXPECT_EQ(weights.Header(), (QuoteHeader{"张三", "", std::nullopt}));  // showing changes nothing

    quoteSurface.Type(IDC_WEIGHTLIST_SELLER, "");
    quoteSurface.Type(IDC_WEIGHTLIST_PHONE, "");
    EXPECT_EQ(quote.Seller().phone, "");
    EXPECT_EQ(files.files.count(kSettingsPath) ? files.files.at(kSettingsPath).find("报价单") : std::string::npos,
              std::string::npos);
}

TEST_F(WeightListDlg, PreviewAndCtrlPHandTheQuoteToPrinting) {
    listSurface.Click(IDC_WEIGHTLIST_PREVIEW);  // no printing bound: nothing happens
    window.OnCommand(IDM_PRINT, Notify::Click);
    FakePrintService printing;
    window.SetPrinting(&printing);
    weights.Add({"钢板一", "1000×1000×10", "", 78.5}, "a");
    listSurface.Type(IDC_WEIGHTLIST_CUSTOMER, "张三");
    listSurface.Click(IDC_WEIGHTLIST_PREVIEW);
    window.OnCommand(IDM_PRINT, Notify::Click);
    ASSERT_EQ(printing.previewed.size(), 1u);
    ASSERT_EQ(printing.printed.size(), 1u);
    EXPECT_EQ(printing.printed[0].name, "报价单");
    // The document is laid out when asked: a row added after the preview opened is printed too.
    weights.Add({"螺纹钢", "Φ12", "9 m", 8}, "b");
    const std::vector<PrintedPage> pages = FakePrintService::Pages(printing.previewed[0]);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(CountText(pages[0], "客户:张三"), 1);
    EXPECT_EQ(CountText(pages[0], "螺纹钢"), 1);
    EXPECT_EQ(weights.Rows().size(), 2u);  // printing changes nothing
    // Every change of what the quote shows reaches an open preview.
    const int changes = printing.changes;
    listSurface.Type(IDC_WEIGHTLIST_TAX, "9");
    weights.Remove(0);
    EXPECT_EQ(printing.changes, changes + 2);
}

}  // namespace
}  // namespace mw
