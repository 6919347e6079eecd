// The cutting plan window through its in-memory controls: the current material from page one,
// job entry, bad input, the plan and its totals, the weight list, copy, export and the saved job.
#include "tests/cutplan/CutPlanDlgFixture.h"
#include "tests/print/PrintTestPages.h"
#include "tests/support/FakePrintService.h"

namespace mw {
namespace {

TEST_F(CutPlanDlg, TakesTheCurrentCalculatorWithItsWeightAMetreLeavingItsFieldsAlone) {
    pageSurface.Type(IDC_ANGLE_LENGTH, "6000");
    const std::string result = pageSurface.Text(IDC_ANGLE_RESULT);
    cutSurface.Click(IDC_CUT_TAKE);
    EXPECT_EQ(cut->Job().section, "角钢(热轧) " + pageSurface.ItemText(IDC_ANGLE_COMBO, pageSurface.Selection(IDC_ANGLE_COMBO)));
    EXPECT_NEAR(cut->Job().kilogramsPerMetre, 0.889, 1e-9);
    EXPECT_EQ(cutSurface.Text(IDC_CUT_KGM), "0.889");
    EXPECT_EQ(pageSurface.Text(IDC_ANGLE_LENGTH), "6000");
    EXPECT_EQ(pageSurface.Text(IDC_ANGLE_RESULT), result);

    // The same metre's weight under the other unit systems (weights then in kg or t of a length in m).
    for (int system : {1, 2}) {
        surface.Choose(IDC_UNITSYSTEM, system);
        pageSurface.Type(IDC_ANGLE_LENGTH, "6");
        cutSurface.Click(IDC_CUT_TAKE);
        EXPECT_NEAR(cut->Job().kilogramsPerMetre, 0.889, 1e-9) << system;
    }
    // A job file holds it at once.
    CutJob saved;
    std::string aside;
    ASSERT_TRUE(jobFile.Load(saved, aside));
    EXPECT_EQ(saved.section, cut->Job().section);
}

TEST_F(CutPlanDlg, TheCalculatorLastUsedOnThePageShownAndNoneWhoseResultIsNoWeight) {
    pageSurface.Type(IDC_ROUND_OUTER, "50");
    pageSurface.Type(IDC_ROUND_INNER, "40");
    pageSurface.Type(IDC_ROUND_LENGTH, "2");
    cutSurface.Click(IDC_CUT_TAKE);
    EXPECT_EQ(cut->Job().section.find("圆钢/钢管"), 0u) << cut->Job().section;
    EXPECT_NEAR(cut->Job().kilogramsPerMetre, 900 * 3.14159265358979 / 4 * 7.85e-3, 1e-5);

    // Page two shown: its calculator, not page one's.
    page2Surface.Type(IDC_TUBE_LENGTH, "6000");
    surface.Choose(IDC_TAB, 1);
    cutSurface.Click(IDC_CUT_TAKE);
    EXPECT_EQ(cut->Job().section, "方管/矩形管 " + page2Surface.ItemText(IDC_TUBE_COMBO, 0));
    EXPECT_GT(cut->Job().kilogramsPerMetre, 0);

    // A wall thicker than the radius shows a message, not a weight: nothing is taken.
    surface.Choose(IDC_TAB, 0);
    pageSurface.Click(IDC_ROUND_WALL_MODE);
    pageSurface.Type(IDC_ROUND_WALL, "30");
    const CutJob before = cut->Job();
    cutSurface.Click(IDC_CUT_TAKE);
    EXPECT_EQ(cut->Job().section, before.section);
    EXPECT_EQ(cut->Job().kilogramsPerMetre, before.kilogramsPerMetre);
    EXPECT_NE(LastMessage().find("请先在主窗口中选择材料"), std::string::npos);
}

TEST_F(CutPlanDlg, EveryNumericFieldTakesExpressionsAndRowsAreEditedInPlace) {
    AddStock("2*3000", "", "");
    AddStock("9000", "4", "300+20");
    cutSurface.Type(IDC_CUT_KERF, "1+2");
    cutSurface.Type(IDC_CUT_TRIM, "10/2");
    cutSurface.Type(IDC_CUT_REUSABLE, "（500+100）");
    AddPiece("1000+200", "2*3");
    AddPiece("800", "");
    const CutJob& job = cut->Job();
    ASSERT_EQ(job.stock.size(), 2u);
    EXPECT_EQ(job.stock[0].length, 6000);
    EXPECT_FALSE(job.stock[0].count);
    EXPECT_EQ(*job.stock[1].count, 4);
    EXPECT_EQ(*job.stock[1].price, 320);
    EXPECT_EQ(job.kerf, 3);
    EXPECT_EQ(job.trim, 5);
    EXPECT_EQ(job.reusableLength, 600);
    ASSERT_EQ(job.pieces.size(), 2u);
    EXPECT_EQ(job.pieces[0].length, 1200);
    EXPECT_EQ(job.pieces[0].count, 6);
    EXPECT_EQ(job.pieces[1].count, 1);  // no count is one piece
    EXPECT_EQ(cutSurface.CellText(IDC_CUT_STOCK_LIST, 0, 1), "不限");
    EXPECT_EQ(cutSurface.CellText(IDC_CUT_PIECE_LIST, 1, 0), "800");

    cutSurface.Choose(IDC_CUT_PIECE_LIST, 0);
    EXPECT_EQ(cutSurface.Text(IDC_CUT_PIECE_LENGTH), "1200");
    cutSurface.Type(IDC_CUT_PIECE_COUNT, "5");
    cutSurface.Click(IDC_CUT_PIECE_EDIT);
    EXPECT_EQ(job.pieces[0].count, 5);
    EXPECT_EQ(job.pieces.size(), 2u);
    cutSurface.Choose(IDC_CUT_PIECE_LIST, 1);
    cutSurface.Click(IDC_CUT_PIECE_REMOVE);
    EXPECT_EQ(job.pieces.size(), 1u);
    cutSurface.Choose(IDC_CUT_STOCK_LIST, 0);
    cutSurface.Click(IDC_CUT_STOCK_REMOVE);
    ASSERT_EQ(job.stock.size(), 1u);
    EXPECT_EQ(job.stock[0].length, 9000);
    EXPECT_TRUE(cutSurface.messages.empty());
}

TEST_F(CutPlanDlg, BadInputIsNamedAndNothingIsComputedUntilMended) {
    AddPiece("0", "2");
    EXPECT_EQ(LastMessage(), "零件长度必须大于0。");
    AddPiece("500", "1.5");
    EXPECT_EQ(LastMessage(), "零件数量必须是正整数。");
    AddStock("-6000");
    EXPECT_EQ(LastMessage(), "原料长度必须大于0。");
    AddStock("6000", "2.5");
    EXPECT_EQ(LastMessage(), "原料数量必须是不小于0的整数(不填为不限)。");
    EXPECT_TRUE(cut->Job().pieces.empty());
    EXPECT_TRUE(cut->Job().stock.empty());

    AddStock("6000");
    AddPiece("2000", "3");
    AddPiece("7000", "1");
    cutSurface.Click(IDC_CUT_SOLVE);
    EXPECT_NE(LastMessage().find("7000"), std::string::npos) << LastMessage();
    EXPECT_NE(LastMessage().find("2"), std::string::npos);  // the row
    EXPECT_EQ(runner.starts, 0);
    EXPECT_EQ(cutSurface.ItemCount(IDC_CUT_RESULT), 0);

    cutSurface.Click(IDC_CUT_PIECE_EDIT);
    EXPECT_EQ(LastMessage(), "请先在零件表中选中一行。");
    cutSurface.Choose(IDC_CUT_PIECE_LIST, 1);
    cutSurface.Type(IDC_CUT_PIECE_LENGTH, "6000");
    cutSurface.Click(IDC_CUT_PIECE_EDIT);
    cutSurface.Click(IDC_CUT_SOLVE);
    EXPECT_EQ(runner.starts, 1);
    EXPECT_TRUE(cut->Plan().found);
}

TEST_F(CutPlanDlg, PlanShowsPatternsTotalsBoundAndReusableOffcuts) {
    cutSurface.Type(IDC_CUT_KGM, "10");
    cutSurface.Type(IDC_CUT_PRICE, "4000");
    cutSurface.Type(IDC_CUT_REUSABLE, "1000");
    AddStock("6000");
    AddPiece("2000", "6");
    AddPiece("4500", "1");
    cutSurface.Click(IDC_CUT_SOLVE);
    ASSERT_TRUE(cut->Plan().found);
    EXPECT_FALSE(cut->Solving());
    EXPECT_TRUE(cutSurface.Enabled(IDC_CUT_SOLVE));
    EXPECT_FALSE(cutSurface.Enabled(IDC_CUT_CANCEL));
    ASSERT_EQ(cutSurface.ItemCount(IDC_CUT_RESULT), 2);
    EXPECT_EQ(cutSurface.CellText(IDC_CUT_RESULT, 0, 0) + "|" + cutSurface.CellText(IDC_CUT_RESULT, 1, 0), "2|1");
    EXPECT_EQ(cutSurface.CellText(IDC_CUT_RESULT, 0, 2), "2000×3");
    EXPECT_EQ(cutSurface.CellText(IDC_CUT_RESULT, 1, 2), "4500");
    EXPECT_EQ(cutSurface.CellText(IDC_CUT_RESULT, 1, 3), "1500");
    const std::string total = cutSurface.Text(IDC_CUT_TOTAL);
    EXPECT_NE(total.find("共 3 根 (下限 3 根, 最优): 6000 mm × 3 根"), std::string::npos) << total;
    EXPECT_NE(total.find("购入 18 m, 180 kg  零件 165 kg  损耗 8.33%  金额 720.00 元"), std::string::npos) << total;
    EXPECT_NE(total.find("可用余料: 1500 mm × 1"), std::string::npos) << total;
}

TEST_F(CutPlanDlg, WhileSolvingTheWindowShowsProgressAndACancelKeepsTheBestPlanSoFar) {
    runner.hold = true;
    AddStock("6000");
    AddPiece("2000", "4");
    cutSurface.Click(IDC_CUT_SOLVE);
    EXPECT_TRUE(cut->Solving());
    EXPECT_FALSE(cutSurface.Enabled(IDC_CUT_SOLVE));
    EXPECT_TRUE(cutSurface.Enabled(IDC_CUT_CANCEL));
    cut->OnProgress(0.456);
    EXPECT_EQ(cutSurface.Text(IDC_CUT_TOTAL), "正在计算… 46%");
    cutSurface.Click(IDC_CUT_SOLVE);  // one solve at a time
    EXPECT_EQ(runner.starts, 1);
    cutSurface.Click(IDC_CUT_CANCEL);
    EXPECT_EQ(runner.cancels, 1);

    CutPlan best = SolveCutJob(cut->Job());
    best.stopped = true;
    best.optimal = false;
    cut->OnSolved(best);
    EXPECT_FALSE(cut->Solving());
    EXPECT_TRUE(cutSurface.Enabled(IDC_CUT_SOLVE));
    EXPECT_NE(cutSurface.Text(IDC_CUT_TOTAL).find("(已停止: 目前找到的最好方案)"), std::string::npos);
    EXPECT_EQ(cutSurface.Text(IDC_CUT_TOTAL).find("最优"), std::string::npos);
    EXPECT_EQ(cutSurface.ItemCount(IDC_CUT_RESULT), static_cast<int>(best.patterns.size()));

    // A cancel before any plan: no plan, and nothing to add or copy.
    CutPlan none;
    none.message = "已取消";
    cutSurface.Click(IDC_CUT_SOLVE);
    cut->OnSolved(none);
    EXPECT_EQ(cutSurface.Text(IDC_CUT_TOTAL), "没有方案: 已取消");
    EXPECT_EQ(cutSurface.ItemCount(IDC_CUT_RESULT), 0);
    EXPECT_FALSE(cutSurface.Enabled(IDC_CUT_ADD_LIST));
    EXPECT_FALSE(cutSurface.Enabled(IDC_CUT_COPY));
}

TEST_F(CutPlanDlg, BoughtBarsJoinTheWeightListAndThePlanIsCopiedAndExported) {
    weights.SetDefaultPrice(4000);
    Open(cut, cutSurface);
    EXPECT_EQ(cutSurface.Text(IDC_CUT_PRICE), "4000");  // the list's price to start with
    cutSurface.Type(IDC_CUT_SECTION, "圆钢 Φ20");
    cutSurface.Type(IDC_CUT_KGM, "2.47");
    AddStock("6000");
    AddStock("9000", "1", "250");
    AddPiece("4000", "3");
    cutSurface.Click(IDC_CUT_SOLVE);
    ASSERT_TRUE(cut->Plan().found);
    cutSurface.Click(IDC_CUT_ADD_LIST);
    ASSERT_GE(weights.Rows().size(), 1u);
    double kilograms = 0, cost = 0;
    for (const WeightRow& row : weights.Rows()) {
        EXPECT_EQ(row.item.calculator, "圆钢 Φ20");
        EXPECT_EQ(row.time, "2012-07-22 08:30:00");
        kilograms += row.item.kilograms;
        cost += weights.CostOf(row);
        if (row.item.size == "9000 mm") {
            EXPECT_EQ(row.item.quantity, "1 根");
            EXPECT_NEAR(weights.CostOf(row), 250, 1e-6);  // the bar's own price
        }
    }
    EXPECT_NEAR(kilograms, cut->Plan().boughtKilograms, 1e-6);
    EXPECT_NEAR(cost, cut->Plan().cost, 1e-6);

    cutSurface.Click(IDC_CUT_COPY);
    EXPECT_EQ(cutClipboard.text.substr(0, cutClipboard.text.find("\r\n")), "根数\t原料 mm\t下料 mm\t余料 mm");
    EXPECT_NE(cutClipboard.text.find("\t4000\t"), std::string::npos);
    exports.answer = std::string("C:\\下料.csv");
    cutSurface.Click(IDC_CUT_EXPORT);
    const std::string csv = exports.written.at("C:\\下料.csv");
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(csv.find("根数,原料 mm,下料 mm,余料 mm\r\n"), std::string::npos);
    EXPECT_NE(csv.find("\"共 "), std::string::npos);  // the totals, quoted for their commas
}

TEST_F(CutPlanDlg, PiecesPasteFromASpreadsheet) {
    paste.text = "长度\t数量\r\n1200\t4\r\n800,2\r\n\r\n650\r\n";
    cutSurface.Click(IDC_CUT_PIECE_PASTE);
    ASSERT_EQ(cut->Job().pieces.size(), 3u);
    EXPECT_EQ(cut->Job().pieces[1].length, 800);
    EXPECT_EQ(cut->Job().pieces[1].count, 2);
    EXPECT_EQ(cut->Job().pieces[2].count, 1);

    paste.text = "1200\t4\n800\t-1\n";
    cutSurface.Click(IDC_CUT_PIECE_PASTE);
    EXPECT_EQ(LastMessage(), "粘贴的第2行: 数量必须是正整数");
    EXPECT_EQ(cut->Job().pieces.size(), 3u);  // nothing of a faulty paste
    paste.text.reset();
    cutSurface.Click(IDC_CUT_PIECE_PASTE);
    EXPECT_EQ(LastMessage(), "剪贴板中没有文字。");
}

TEST_F(CutPlanDlg, NoWeightlessRowsAndAnUnwritableFileIsSaid) {
    AddStock("6000");
    AddPiece("2000", "3");
    cutSurface.Click(IDC_CUT_SOLVE);
    ASSERT_TRUE(cut->Plan().found);
    cutSurface.Click(IDC_CUT_ADD_LIST);
    EXPECT_TRUE(weights.Rows().empty());
    EXPECT_NE(LastMessage().find("每米重为0"), std::string::npos);

    files.readOnly = true;
    const std::size_t said = cutSurface.messages.size();
    AddPiece("1000", "1");
    EXPECT_NE(cutSurface.Text(IDC_CUT_TOTAL).find("(任务文件无法写入)"), std::string::npos);
    AddPiece("1100", "1");  // told once, in a box, beside the note that stays
    ASSERT_EQ(cutSurface.messages.size(), said + 1);
    EXPECT_EQ(LastMessage(), CutJobFile::kWriteFailedText);
    EXPECT_NE(cutSurface.Text(IDC_CUT_TOTAL).find("(任务文件无法写入)"), std::string::npos);
    files.readOnly = false;
    AddPiece("900", "1");
    EXPECT_EQ(cutSurface.Text(IDC_CUT_TOTAL).find("(任务文件无法写入)"), std::string::npos);
    CutJob saved;
    std::string aside;
    ASSERT_TRUE(jobFile.Load(saved, aside));
    EXPECT_EQ(saved.pieces.size(), 4u);  // written whole once it could be
}

TEST_F(CutPlanDlg, TheJobComesBackAndADamagedFileIsSetAside) {
    cutSurface.Type(IDC_CUT_SECTION, "方管 40×40×2");
    cutSurface.Type(IDC_CUT_KGM, "2.38");
    cutSurface.Type(IDC_CUT_KERF, "3");
    AddStock("6000", "10", "120");
    AddPiece("1500", "7");

    MemorySurface again;
    std::unique_ptr<CCutPlanDlg> reopened;
    Open(reopened, again);
    EXPECT_EQ(again.Text(IDC_CUT_SECTION), "方管 40×40×2");
    EXPECT_EQ(again.Text(IDC_CUT_KGM), "2.38");
    EXPECT_EQ(again.Text(IDC_CUT_KERF), "3");
    EXPECT_EQ(again.CellText(IDC_CUT_STOCK_LIST, 0, 1), "10");
    EXPECT_EQ(again.CellText(IDC_CUT_PIECE_LIST, 0, 1), "7");
    EXPECT_TRUE(again.messages.empty());

    files.files[kJobPath] = "piece lots\n";
    MemorySurface damaged;
    std::unique_ptr<CCutPlanDlg> third;
    Open(third, damaged);
    ASSERT_EQ(damaged.messages.size(), 1u);
    EXPECT_NE(damaged.messages[0].text.find("CutJobKq.txt.damaged"), std::string::npos) << damaged.messages[0].text;
    EXPECT_TRUE(third->Job().pieces.empty());
    EXPECT_EQ(damaged.ItemCount(IDC_CUT_PIECE_LIST), 0);
}

TEST_F(CutPlanDlg, TheCuttingSheetPrintsThePlanShownAndNothingBeforeOne) {
    FakePrintService printing;
    cut->SetPrinting(&printing);
    EXPECT_FALSE(cutSurface.Enabled(IDC_CUT_PREVIEW));
    cut->OnCommand(IDM_PRINT, Notify::Click);  // Ctrl+P before a plan: told, nothing printed
    EXPECT_TRUE(printing.printed.empty());
    EXPECT_NE(LastMessage().find("下料方案"), std::string::npos);

    cutSurface.Type(IDC_CUT_SECTION, "角钢 ∠50×5");
    cutSurface.Type(IDC_CUT_KGM, "3.77");
    cutSurface.Type(IDC_CUT_KERF, "3");
    cutSurface.Type(IDC_CUT_TRIM, "10");
    cutSurface.Type(IDC_CUT_REUSABLE, "500");
    AddStock("6000");
    AddPiece("2400", "5");
    AddPiece("1200", "6");
    cutSurface.Click(IDC_CUT_SOLVE);
    ASSERT_TRUE(cut->Plan().found);
    EXPECT_TRUE(cutSurface.Enabled(IDC_CUT_PREVIEW));
    cutSurface.Click(IDC_CUT_PREVIEW);
    cut->OnCommand(IDM_PRINT, Notify::Click);
    ASSERT_EQ(printing.previewed.size(), 1u);
    ASSERT_EQ(printing.printed.size(), 1u);
    AddPiece("800", "9");  // the job changes after the preview: the sheet keeps the plan it showed
    const std::vector<PrintedPage> pages = FakePrintService::Pages(printing.previewed[0]);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(CountTextContaining(pages[0], "型材: 角钢 ∠50×5"), 1);
    EXPECT_EQ(CountText(pages[0], "800"), 0);
    int patterns = 0;
    for (const PageText& text : pages[0].texts) patterns += text.text.rfind("方案 ", 0) == 0;
    EXPECT_EQ(patterns, static_cast<int>(cut->Plan().patterns.size()));
}

}  // namespace
}  // namespace mw
