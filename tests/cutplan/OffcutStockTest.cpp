// The offcuts kept in stock: confirmed, confirmed again, undone, removed, read back, and a
// damaged file set aside; and in the window: kept, listed as 余料 and used before buying.
#include "cutplan/OffcutStock.h"

#include "tests/cutplan/CutPlanDlgFixture.h"

namespace mw {
namespace {

constexpr const char* kStockPath = "/app/CutOffcutsKq.txt";

TEST(OffcutStock, ConfirmedOnceUndoneRemovedAndReadBack) {
    MemoryFileSystem files;
    OffcutStock stock(files, kStockPath);
    std::string aside;
    ASSERT_TRUE(stock.Load(aside));
    EXPECT_FALSE(stock.CanUndo());
    const OffcutCut angle{"角钢 ∠50×5", "框架\nplan a", {}, {{2085, 2}, {1500, 1}}};
    ASSERT_EQ(stock.Confirm({angle}, "2026-12-09 10:00:00", "框架"), OffcutStock::Confirmed::Added);
    EXPECT_EQ(stock.Confirm({angle}, "2026-12-09 10:05:00", "框架"), OffcutStock::Confirmed::Already);
    ASSERT_EQ(stock.Of("角钢 ∠50×5").size(), 2u);
    EXPECT_EQ(stock.Of("角钢 ∠50×5")[0], std::make_pair(2085.0, 2));
    EXPECT_TRUE(stock.Of("槽钢").empty());

    // A second job takes one 2085 and keeps a 900.
    const OffcutCut next{"角钢 ∠50×5", "栏杆\nplan b", {{2085, 1}}, {{900, 1}}};
    ASSERT_EQ(stock.Confirm({next}, "2026-12-10 09:00:00", "栏杆"), OffcutStock::Confirmed::Added);
    EXPECT_EQ(stock.Of("角钢 ∠50×5"), (std::vector<std::pair<double, int>>{{2085, 1}, {1500, 1}, {900, 1}}));

    // Read back from the file as it was written.
    OffcutStock again(files, kStockPath);
    ASSERT_TRUE(again.Load(aside));
    EXPECT_EQ(again.Of("角钢 ∠50×5"), stock.Of("角钢 ∠50×5"));
    ASSERT_EQ(again.Offcuts().size(), 3u);
    EXPECT_EQ(again.Offcuts()[0].job, "框架");
    EXPECT_EQ(again.Offcuts()[0].date, "2026-12-09 10:00:00");

    // The last undone: the 900 goes, the 2085 comes back; then the first.
    ASSERT_TRUE(again.UndoLast());
    EXPECT_EQ(again.Of("角钢 ∠50×5"), (std::vector<std::pair<double, int>>{{2085, 2}, {1500, 1}}));
    ASSERT_TRUE(again.UndoLast());
    EXPECT_TRUE(again.Of("角钢 ∠50×5").empty());
    EXPECT_FALSE(again.UndoLast());
    // Undone, the plan may be confirmed anew.
    EXPECT_EQ(again.Confirm({angle}, "d", "框架"), OffcutStock::Confirmed::Added);
    ASSERT_TRUE(again.Remove("角钢 ∠50×5", 2085));
    EXPECT_EQ(again.Of("角钢 ∠50×5")[0], std::make_pair(2085.0, 1));
    EXPECT_FALSE(again.Remove("角钢 ∠50×5", 700));

    // A file that cannot be written changes nothing.
    files.readOnly = true;
    EXPECT_EQ(again.Confirm({next}, "d", "栏杆"), OffcutStock::Confirmed::NotWritten);
    EXPECT_EQ(again.Of("角钢 ∠50×5")[0], std::make_pair(2085.0, 1));
    files.readOnly = false;

    files.files[kStockPath] = "offcut\tA\tlong\t1\t\t\t0\n";
    OffcutStock damaged(files, kStockPath);
    EXPECT_FALSE(damaged.Load(aside));
    EXPECT_NE(aside.find("CutOffcutsKq.txt.damaged"), std::string::npos) << aside;
    EXPECT_TRUE(damaged.Offcuts().empty());
}

using CutPlanOffcuts = CutPlanDlg;

TEST_F(CutPlanOffcuts, ConfirmKeepsTheOffcutsAndTheNextPlanOfTheSectionUsesThemFirst) {
    cutSurface.Type(IDC_CUT_SECTION, "角钢 ∠50×5");
    cutSurface.Type(IDC_CUT_KGM, "3.77");
    cutSurface.Type(IDC_CUT_REUSABLE, "1000");
    AddStock("6000");
    AddPiece("3915", "2");  // leaves 2085 of each bar
    EXPECT_FALSE(cutSurface.Enabled(IDC_CUT_CONFIRM));
    cutSurface.Click(IDC_CUT_SOLVE);
    ASSERT_TRUE(cut->Plan().found);
    ASSERT_TRUE(cutSurface.Enabled(IDC_CUT_CONFIRM));
    cutSurface.Click(IDC_CUT_CONFIRM);
    EXPECT_NE(cutSurface.Text(IDC_CUT_TOTAL).find("(已确认下料, 余料入库 2 根)"), std::string::npos);
    ASSERT_EQ(cutSurface.ItemCount(IDC_CUT_STOCK_LIST), 2);
    EXPECT_EQ(cutSurface.CellText(IDC_CUT_STOCK_LIST, 1, 0) + "|" + cutSurface.CellText(IDC_CUT_STOCK_LIST, 1, 1) + "|" +
                  cutSurface.CellText(IDC_CUT_STOCK_LIST, 1, 2),
              "2085|2|余料");
    cutSurface.Click(IDC_CUT_CONFIRM);  // the same plan again: nothing more
    EXPECT_EQ(LastMessage(), "这个方案已经确认过下料, 余料没有再次入库。");
    EXPECT_EQ(offcuts.Of("角钢 ∠50×5"), (std::vector<std::pair<double, int>>{{2085, 2}}));

    // The next job of the section: its pieces come from the offcuts before any bar is bought.
    cutSurface.Choose(IDC_CUT_PIECE_LIST, 0);
    cutSurface.Click(IDC_CUT_PIECE_REMOVE);
    AddPiece("5000", "1");
    AddPiece("2000", "1");
    AddPiece("1500", "1");
    cutSurface.Click(IDC_CUT_SOLVE);
    ASSERT_TRUE(cut->Plan().found);
    std::vector<CutJob> jobs;
    std::string aside;
    ASSERT_TRUE(jobFile.Load(jobs, aside));
    EXPECT_EQ(jobs[0].stock.size(), 1u);  // the job file keeps its own stock only
    EXPECT_EQ(cut->Plan().boughtLength, 6000);  // two offcuts and one bar bought, not two bars
    EXPECT_EQ(cut->Plan().bars, 3);
    std::string rows;
    for (int i = 0; i < cutSurface.ItemCount(IDC_CUT_RESULT); ++i) rows += cutSurface.CellText(IDC_CUT_RESULT, i, 1) + "|";
    EXPECT_NE(rows.find("2085 余料"), std::string::npos) << rows;
    EXPECT_NE(cutSurface.Text(IDC_CUT_TOTAL).find("2085 mm 余料 × 2 根"), std::string::npos) << cutSurface.Text(IDC_CUT_TOTAL);
    cutSurface.Click(IDC_CUT_ADD_LIST);
    ASSERT_EQ(weights.Rows().size(), 1u);  // offcuts are not bought
    EXPECT_EQ(weights.Rows()[0].item.size, "6000 mm");

    // Confirmed, the offcuts it took leave the stock; undone, they come back.
    cutSurface.Click(IDC_CUT_CONFIRM);
    EXPECT_TRUE(offcuts.Of("角钢 ∠50×5").size() <= 1u);
    for (const auto& [length, count] : offcuts.Of("角钢 ∠50×5")) EXPECT_NE(length, 2085);
    ASSERT_TRUE(cutSurface.Enabled(IDC_CUT_UNDO_CONFIRM));
    cutSurface.Click(IDC_CUT_UNDO_CONFIRM);
    EXPECT_EQ(offcuts.Of("角钢 ∠50×5"), (std::vector<std::pair<double, int>>{{2085, 2}}));

    // One used elsewhere is deleted from the stock through the stock table.
    cutSurface.Choose(IDC_CUT_STOCK_LIST, 1);
    cutSurface.Click(IDC_CUT_STOCK_REMOVE);
    EXPECT_EQ(offcuts.Of("角钢 ∠50×5"), (std::vector<std::pair<double, int>>{{2085, 1}}));
    EXPECT_EQ(cut->Job().stock.size(), 1u);
    EXPECT_EQ(cutSurface.CellText(IDC_CUT_STOCK_LIST, 1, 1), "1");

    // Another section keeps its own stock.
    cutSurface.Click(IDC_CUT_SECTION_ADD);
    cutSurface.Type(IDC_CUT_SECTION, "槽钢 [10");
    EXPECT_EQ(cutSurface.ItemCount(IDC_CUT_STOCK_LIST), 0);
    // The same section twice in a job: its one offcut is offered to the first only.
    cutSurface.Type(IDC_CUT_SECTION, "角钢 ∠50×5");
    AddStock("6000");
    AddPiece("2000", "1");
    cutSurface.Click(IDC_CUT_SOLVE);
    const std::vector<CutSheetSection> sheet = cut->SheetSections();
    ASSERT_EQ(sheet.size(), 2u);
    long long fromOffcuts = 0;
    for (const CutSheetSection& section : sheet)
        for (const StockTotal& total : section.plan.perStock) fromOffcuts += total.offcut ? total.bars : 0;
    EXPECT_EQ(fromOffcuts, 0);  // the first needs no offcut now, and the second is offered none
    EXPECT_EQ(sheet[1].plan.boughtLength, 6000);
}

TEST_F(CutPlanOffcuts, ADamagedStockFileIsSetAsideWithAWord) {
    files.files["/app/CutOffcutsKq.txt"] = "nonsense\n";
    MemorySurface again;
    std::unique_ptr<CCutPlanDlg> reopened;
    Open(reopened, again);
    ASSERT_EQ(again.messages.size(), 1u);
    EXPECT_NE(again.messages[0].text.find("余料库存文件已损坏"), std::string::npos);
    EXPECT_NE(again.messages[0].text.find("CutOffcutsKq.txt.damaged"), std::string::npos);
}

}  // namespace
}  // namespace mw
